#include "palettechoice.h"

#include <QList>

namespace {

struct Colours
{
    QColor window, windowText, base, alternateBase, text, button, highlight, highlightedText, disabledText;
    QColor link;
};

// Fusion draws its bevels and outlines from these; they are set so that
// nothing the style derives from them vanishes in the other colours.
QPalette paletteFrom(const Colours &c)
{
    QPalette palette(c.button, c.window);
    palette.setColor(QPalette::WindowText, c.windowText);
    palette.setColor(QPalette::Base, c.base);
    palette.setColor(QPalette::AlternateBase, c.alternateBase);
    palette.setColor(QPalette::Text, c.text);
    palette.setColor(QPalette::ButtonText, c.windowText);
    palette.setColor(QPalette::BrightText, c.windowText);
    palette.setColor(QPalette::ToolTipBase, c.base);
    palette.setColor(QPalette::ToolTipText, c.text);
    palette.setColor(QPalette::Highlight, c.highlight);
    palette.setColor(QPalette::HighlightedText, c.highlightedText);
    palette.setColor(QPalette::Link, c.link);
    palette.setColor(QPalette::LinkVisited, c.link);
    palette.setColor(QPalette::PlaceholderText, c.disabledText);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, c.disabledText);
    return palette;
}

} // namespace

bool DesktopAppearance::operator==(const DesktopAppearance &other) const
{
    return highContrast == other.highContrast && gnomeHighContrast == other.gnomeHighContrast
        && dark == other.dark && systemColours == other.systemColours;
}

bool paletteIsUsers(const QByteArray &platformTheme, const QByteArray &currentDesktop)
{
    const QByteArray theme = platformTheme.toLower();
    if (theme == "qt5ct" || theme == "qt6ct" || theme == "kde")
        return true;
    // Plasma's platform theme is loaded without being named.
    return theme.isEmpty() && currentDesktop.toUpper().split(':').contains("KDE");
}

PaletteKind paletteKindFor(const DesktopAppearance &appearance, bool usersPalette)
{
    if (usersPalette || appearance.systemColours)
        return PaletteKind::Platform;
    if (appearance.wantsHighContrast())
        return appearance.dark ? PaletteKind::HighContrastDark : PaletteKind::HighContrastLight;
    return appearance.dark ? PaletteKind::Dark : PaletteKind::Platform;
}

QPalette paletteOf(PaletteKind kind, const QPalette &platform)
{
    switch (kind) {
    case PaletteKind::Platform:
        return platform;
    case PaletteKind::Dark:
        return paletteFrom({QColor(0x2d, 0x2d, 0x2d), QColor(0xe0, 0xe0, 0xe0), QColor(0x1e, 0x1e, 0x1e),
                            QColor(0x26, 0x26, 0x26), QColor(0xe0, 0xe0, 0xe0), QColor(0x3a, 0x3a, 0x3a),
                            QColor(0x4d, 0xa3, 0xe8), Qt::black, QColor(0x9a, 0x9a, 0x9a),
                            QColor(0x7c, 0xbc, 0xf5)});
    case PaletteKind::HighContrastDark:
        return paletteFrom({Qt::black, Qt::white, Qt::black, Qt::black, Qt::white, Qt::black, Qt::yellow, Qt::black,
                            QColor(0x00, 0xff, 0x00), QColor(0x80, 0xc0, 0xff)});
    case PaletteKind::HighContrastLight:
        return paletteFrom({Qt::white, Qt::black, Qt::white, Qt::white, Qt::black, Qt::white,
                            QColor(0x00, 0x00, 0x80), Qt::white, QColor(0x59, 0x59, 0x59),
                            QColor(0x00, 0x00, 0xc0)});
    }
    return platform;
}
