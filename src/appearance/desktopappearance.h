#ifndef DESKTOPAPPEARANCE_H
#define DESKTOPAPPEARANCE_H

class QApplication;

// Gives the application the palette the desktop asks for: high contrast or
// dark where the user turned it on, the platform's own otherwise. On Linux
// the settings portal is asked without waiting and followed while the
// program runs; on Windows its high-contrast and dark app modes are read at
// start. A palette the user set up with their own tool stays as it is.
void followDesktopAppearance(QApplication &application);

#endif // DESKTOPAPPEARANCE_H
