#ifndef WINDOWLANGUAGE_H
#define WINDOWLANGUAGE_H

class QTranslator;

// The window's texts are written in German. A desktop whose preferred
// languages put English before German gets them in English: this loads the
// built-in English texts into the translator then. Every other desktop gets
// German as written, and false, with nothing loaded.
// Install it before the window is built: the form sets its texts only once.
bool loadWindowTranslation(QTranslator &translator);

#endif // WINDOWLANGUAGE_H
