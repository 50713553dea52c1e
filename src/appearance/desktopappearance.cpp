#include "desktopappearance.h"

#include "palettechoice.h"

#include <QApplication>
#include <QPalette>

#ifdef FM_DESKTOP_PORTAL
#include "settingsportal.h"
#endif
#ifdef Q_OS_WIN
#include <QSettings>
#include <QStyleFactory>

#include <windows.h>
#endif

namespace {

#ifdef Q_OS_WIN
// In high-contrast mode the platform palette already holds the system's
// colours, which are the user's choice; the dark app mode reaches Qt 5
// programs only through the registry.
DesktopAppearance windowsAppearance()
{
    DesktopAppearance appearance;
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0)
        && (highContrast.dwFlags & HCF_HIGHCONTRASTON)) {
        appearance.highContrast = true;
        appearance.systemColours = true;
    }
    const QSettings personalize(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize"),
        QSettings::NativeFormat);
    appearance.dark = personalize.value(QStringLiteral("AppsUseLightTheme"), 1).toInt() == 0;
    return appearance;
}
#endif

void usePalette(PaletteKind kind, const QPalette &platform)
{
#ifdef Q_OS_WIN
    // The native style draws its controls from the theme, not the palette.
    if (kind != PaletteKind::Platform)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
#endif
    QApplication::setPalette(paletteOf(kind, platform));
}

} // namespace

void followDesktopAppearance(QApplication &application)
{
    if (paletteIsUsers(qgetenv("QT_QPA_PLATFORMTHEME"), qgetenv("XDG_CURRENT_DESKTOP")))
        return;
    const QPalette platform = QApplication::palette();
#ifdef Q_OS_WIN
    Q_UNUSED(application)
    const PaletteKind kind = paletteKindFor(windowsAppearance(), false);
    if (kind != PaletteKind::Platform)
        usePalette(kind, platform);
#elif defined(FM_DESKTOP_PORTAL)
    auto *portal = new SettingsPortal(&application);
    QObject::connect(portal, &SettingsPortal::appearanceChanged, &application,
                     [platform](const DesktopAppearance &appearance) {
                         usePalette(paletteKindFor(appearance, false), platform);
                     });
#else
    Q_UNUSED(application)
    Q_UNUSED(platform)
#endif
}
