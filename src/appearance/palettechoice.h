#ifndef PALETTECHOICE_H
#define PALETTECHOICE_H

#include <QByteArray>
#include <QPalette>

// What the desktop says about how the user wants windows drawn. GNOME 43
// keeps its high-contrast switch apart from the portal's contrast setting;
// either one asks for high contrast.
struct DesktopAppearance
{
    bool highContrast = false;      // org.freedesktop.appearance contrast = 1, or Windows' high-contrast mode
    bool gnomeHighContrast = false; // org.gnome.desktop.a11y.interface high-contrast
    bool dark = false;              // color-scheme = 1, or Windows' dark app mode
    bool systemColours = false;     // Windows' high-contrast mode, whose colours the platform palette holds

    bool wantsHighContrast() const { return highContrast || gnomeHighContrast; }
    bool operator==(const DesktopAppearance &other) const;
};

enum class PaletteKind {
    Platform,          // as the platform or the user's own settings give it
    Dark,              // light text on dark grey
    HighContrastDark,  // white on black, yellow highlight
    HighContrastLight, // black on white, dark blue highlight
};

// A palette set by the user's own tool (qt5ct, KDE's settings) is theirs to
// keep; the platform theme and the desktop name say whether there is one.
bool paletteIsUsers(const QByteArray &platformTheme, const QByteArray &currentDesktop);

PaletteKind paletteKindFor(const DesktopAppearance &appearance, bool usersPalette);

// The palette of the kind given; Platform gives back the platform's own.
QPalette paletteOf(PaletteKind kind, const QPalette &platform);

#endif // PALETTECHOICE_H
