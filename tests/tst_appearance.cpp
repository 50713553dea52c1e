#include "cellpainting.h"
#include "choiceframe.h"
#include "contrast.h"
#include "palettechoice.h"
#include "stationdialog.h"
#include "windowfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyleOptionViewItem>
#include <QtTest>

#ifdef FM_DESKTOP_PORTAL
#include "settingsportal.h"

#include <QDBusVariant>
#endif

Q_DECLARE_METATYPE(PaletteKind)
Q_DECLARE_METATYPE(DesktopAppearance)

namespace {

const QByteArray decoders = "[Offen]\n"
                            "CV35 = 4\n"
                            "[F0 gesperrt]\n"
                            "CV33 = -5\n"
                            "CV34 = -10\n";
const int lockedType = 2;

DesktopAppearance appearanceOf(bool highContrast, bool gnomeHighContrast, bool dark, bool systemColours)
{
    DesktopAppearance appearance;
    appearance.highContrast = highContrast;
    appearance.gnomeHighContrast = gnomeHighContrast;
    appearance.dark = dark;
    appearance.systemColours = systemColours;
    return appearance;
}

// The first pixel from the point given, stepping as given, that is not the
// background: where a box's edge or a ring begins.
QColor firstInk(const QImage &drawn, QPoint from, QPoint step, int length, const QColor &background)
{
    for (QPoint p = from; length-- > 0; p += step) {
        if (drawn.pixelColor(p) != background)
            return drawn.pixelColor(p);
    }
    return background;
}

// Whether the colour stands out from the other at 3:1, with both in the message.
QByteArray standsOut(const QColor &one, const QColor &other)
{
    return contrastRatio(one, other) >= 3.0 ? QByteArray()
                                            : (one.name() + " on " + other.name() + " is below 3:1").toUtf8();
}

} // namespace

class AppearanceTest : public QObject
{
    Q_OBJECT

private slots:
    void contrastRatios_data();
    void contrastRatios();
    void paletteKindFollowsTheDesktop_data();
    void paletteKindFollowsTheDesktop();
    void usersOwnPaletteIsKept_data();
    void usersOwnPaletteIsKept();
    void palettesHoldTheirColours_data();
    void palettesHoldTheirColours();
    void portalSettingsAreRead_data();
    void portalSettingsAreRead();
    void boxesStandOutInEveryPalette_data();
    void boxesStandOutInEveryPalette();
    void selectedTextStandsOnTheSelection();
    void choiceShowsItsFocusFromTheStart();
    void stationFieldsStandOut();
    void cleanup();
};

void AppearanceTest::contrastRatios_data()
{
    QTest::addColumn<QColor>("one");
    QTest::addColumn<QColor>("other");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("the same colour") << QColor(0x80, 0x80, 0x80) << QColor(0x80, 0x80, 0x80) << 1.0;
    QTest::newRow("Fusion's box outline on white") << QColor(0xbc, 0xbc, 0xbc) << QColor(Qt::white) << 1.90;
    QTest::newRow("light grey on white, either way round") << QColor(Qt::white) << QColor(0xc0, 0xc0, 0xc0) << 1.82;
    QTest::newRow("white on the CV row's blue") << QColor(Qt::white) << QColor(Qt::blue) << 8.59;
}

void AppearanceTest::contrastRatios()
{
    QFETCH(QColor, one);
    QFETCH(QColor, other);
    QFETCH(double, ratio);
    QCOMPARE(qRound(contrastRatio(one, other) * 100), qRound(ratio * 100));
}

void AppearanceTest::paletteKindFollowsTheDesktop_data()
{
    QTest::addColumn<DesktopAppearance>("appearance");
    QTest::addColumn<PaletteKind>("kind");
    QTest::newRow("nothing asked") << appearanceOf(false, false, false, false) << PaletteKind::Platform;
    QTest::newRow("dark") << appearanceOf(false, false, true, false) << PaletteKind::Dark;
    QTest::newRow("high contrast") << appearanceOf(true, false, false, false) << PaletteKind::HighContrastLight;
    QTest::newRow("GNOME's high-contrast switch") << appearanceOf(false, true, false, false)
                                                  << PaletteKind::HighContrastLight;
    QTest::newRow("high contrast and dark") << appearanceOf(true, false, true, false)
                                            << PaletteKind::HighContrastDark;
    QTest::newRow("GNOME's switch and dark") << appearanceOf(false, true, true, false)
                                             << PaletteKind::HighContrastDark;
    QTest::newRow("Windows' high contrast keeps the system's colours")
        << appearanceOf(true, false, true, true) << PaletteKind::Platform;
}

void AppearanceTest::paletteKindFollowsTheDesktop()
{
    QFETCH(DesktopAppearance, appearance);
    QFETCH(PaletteKind, kind);
    QCOMPARE(paletteKindFor(appearance, false), kind);
    QCOMPARE(paletteKindFor(appearance, true), PaletteKind::Platform);
}

void AppearanceTest::usersOwnPaletteIsKept_data()
{
    QTest::addColumn<QByteArray>("platformTheme");
    QTest::addColumn<QByteArray>("desktop");
    QTest::addColumn<bool>("users");
    QTest::newRow("qt5ct") << QByteArray("qt5ct") << QByteArray("GNOME") << true;
    QTest::newRow("KDE's theme named") << QByteArray("kde") << QByteArray() << true;
    QTest::newRow("Plasma without a theme named") << QByteArray() << QByteArray("KDE") << true;
    QTest::newRow("GNOME") << QByteArray() << QByteArray("ubuntu:GNOME") << false;
    QTest::newRow("GTK's theme under GNOME") << QByteArray("gtk3") << QByteArray("GNOME") << false;
    QTest::newRow("GTK's theme named under Plasma") << QByteArray("gtk3") << QByteArray("KDE") << false;
    QTest::newRow("no desktop") << QByteArray() << QByteArray() << false;
}

void AppearanceTest::usersOwnPaletteIsKept()
{
    QFETCH(QByteArray, platformTheme);
    QFETCH(QByteArray, desktop);
    QFETCH(bool, users);
    QCOMPARE(paletteIsUsers(platformTheme, desktop), users);
}

void AppearanceTest::palettesHoldTheirColours_data()
{
    QTest::addColumn<PaletteKind>("kind");
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("highlightedText");
    QTest::newRow("dark") << PaletteKind::Dark << QColor(0x2d, 0x2d, 0x2d) << QColor(0x1e, 0x1e, 0x1e)
                          << QColor(0xe0, 0xe0, 0xe0) << QColor(0x4d, 0xa3, 0xe8) << QColor(Qt::black);
    QTest::newRow("black high contrast") << PaletteKind::HighContrastDark << QColor(Qt::black) << QColor(Qt::black)
                                         << QColor(Qt::white) << QColor(Qt::yellow) << QColor(Qt::black);
    QTest::newRow("white high contrast") << PaletteKind::HighContrastLight << QColor(Qt::white)
                                         << QColor(Qt::white) << QColor(Qt::black) << QColor(0, 0, 0x80)
                                         << QColor(Qt::white);
}

void AppearanceTest::palettesHoldTheirColours()
{
    QFETCH(PaletteKind, kind);
    QFETCH(QColor, window);
    QFETCH(QColor, base);
    QFETCH(QColor, text);
    QFETCH(QColor, highlight);
    QFETCH(QColor, highlightedText);
    const QPalette palette = paletteOf(kind, QPalette());
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        QCOMPARE(palette.color(group, QPalette::Window), window);
        QCOMPARE(palette.color(group, QPalette::Base), base);
        QCOMPARE(palette.color(group, QPalette::Text), text);
        QCOMPARE(palette.color(group, QPalette::WindowText), text);
        QCOMPARE(palette.color(group, QPalette::ButtonText), text);
        QCOMPARE(palette.color(group, QPalette::Highlight), highlight);
        QCOMPARE(palette.color(group, QPalette::HighlightedText), highlightedText);
    }
    const QPalette platform(Qt::red);
    QCOMPARE(paletteOf(PaletteKind::Platform, platform), platform);
}

void AppearanceTest::portalSettingsAreRead_data()
{
#ifdef FM_DESKTOP_PORTAL
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<DesktopAppearance>("appearance");
    const QString appearance = QStringLiteral("org.freedesktop.appearance");
    const QString gnome = QStringLiteral("org.gnome.desktop.a11y.interface");
    QTest::newRow("contrast 1 is high") << appearance << "contrast" << QVariant(1u) << true
                                        << appearanceOf(true, false, false, false);
    QTest::newRow("contrast 0 is normal") << appearance << "contrast" << QVariant(0u) << true
                                          << appearanceOf(false, false, false, false);
    QTest::newRow("color-scheme 1 is dark") << appearance << "color-scheme" << QVariant(1u) << true
                                            << appearanceOf(false, false, true, false);
    QTest::newRow("color-scheme 2 prefers light") << appearance << "color-scheme" << QVariant(2u) << true
                                                  << appearanceOf(false, false, false, false);
    QTest::newRow("an older portal's value in a second variant")
        << appearance << "color-scheme" << QVariant::fromValue(QDBusVariant(QVariant(1u))) << true
        << appearanceOf(false, false, true, false);
    QTest::newRow("GNOME's high-contrast switch") << gnome << "high-contrast" << QVariant(true) << true
                                                  << appearanceOf(false, true, false, false);
    QTest::newRow("another setting") << appearance << "accent-color" << QVariant(1u) << false
                                     << appearanceOf(false, false, false, false);
    QTest::newRow("contrast of another group") << gnome << "contrast" << QVariant(1u) << false
                                               << appearanceOf(false, false, false, false);
#endif
}

void AppearanceTest::portalSettingsAreRead()
{
#ifdef FM_DESKTOP_PORTAL
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(bool, taken);
    QFETCH(DesktopAppearance, appearance);
    DesktopAppearance read;
    QCOMPARE(takeSetting(read, group, key, value), taken);
    QVERIFY(read == appearance);
#else
    QSKIP("no settings portal on this platform");
#endif
}

// Each box's left and top edges against its cell, in the colours a user
// sees: open boxes on the palette's base colour, locked ones on their light
// grey. Whether the style's own box or one drawn in its stead, its edges
// stand out at 3:1.
void AppearanceTest::boxesStandOutInEveryPalette_data()
{
    QTest::addColumn<PaletteKind>("kind");
    QTest::addColumn<int>("column");
    QTest::addColumn<QColor>("cell");
    const QColor lightGrey(0xc0, 0xc0, 0xc0);
    QTest::newRow("dark, open") << PaletteKind::Dark << 2 << QColor(0x1e, 0x1e, 0x1e);
    QTest::newRow("dark, locked") << PaletteKind::Dark << 0 << lightGrey;
    QTest::newRow("black high contrast, open") << PaletteKind::HighContrastDark << 2 << QColor(Qt::black);
    QTest::newRow("black high contrast, locked") << PaletteKind::HighContrastDark << 0 << lightGrey;
    QTest::newRow("white high contrast, open") << PaletteKind::HighContrastLight << 2 << QColor(Qt::white);
    QTest::newRow("white high contrast, locked") << PaletteKind::HighContrastLight << 0 << lightGrey;
}

void AppearanceTest::boxesStandOutInEveryPalette()
{
    QFETCH(PaletteKind, kind);
    QFETCH(int, column);
    QFETCH(QColor, cell);
    QApplication::setPalette(paletteOf(kind, QPalette()));
    WindowFixture fixture(decoders);
    QVERIFY(fixture.showAndChoose(lockedType));
    QTableWidget *table = fixture.table();
    const QRect rect = table->visualRect(table->model()->index(0, column));
    const QImage drawn = table->viewport()->grab().toImage();
    QCOMPARE(drawn.pixelColor(rect.right() - 1, rect.top() + 3), cell);
    // Along the cell's middle to the box's left edge, then down from the
    // cell's top, just inside that edge, to the box's top edge.
    const int middle = rect.center().y();
    int left = rect.left() + 2;
    while (left < rect.right() && drawn.pixelColor(left, middle) == cell)
        ++left;
    const QColor leftEdge = drawn.pixelColor(left, middle);
    const QColor topEdge = firstInk(drawn, QPoint(left + 2, rect.top() + 2), QPoint(0, 1), rect.height() / 2, cell);
    QVERIFY2(standsOut(leftEdge, cell).isEmpty(), standsOut(leftEdge, cell));
    QVERIFY2(standsOut(topEdge, cell).isEmpty(), standsOut(topEdge, cell));
    // The palette changes how cells are drawn, never what they hold.
    QCOMPARE(fixture.cell(0, column)->data(Qt::BackgroundRole).isValid(), column < 2);
}

// A selected cell's text with the focus elsewhere, on Qt's own selection
// colour: black at 5.7:1, not white at 3.7:1; the selection stays as it is.
void AppearanceTest::selectedTextStandsOnTheSelection()
{
    const QColor selection(0x30, 0x8c, 0xc6);
    QStyleOptionViewItem cell;
    cell.state = QStyle::State_Selected | QStyle::State_Enabled;
    cell.palette.setColor(QPalette::Inactive, QPalette::Highlight, selection);
    cell.palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::white);
    readableSelectedText(cell);
    QCOMPARE(cell.palette.color(QPalette::Inactive, QPalette::HighlightedText), QColor(Qt::black));
    QCOMPARE(cell.palette.color(QPalette::Inactive, QPalette::Highlight), selection);
}

// At start the choice has the focus, before any key has moved it: a ring
// two pixels wide shows all around it, standing out from the window at 3:1;
// once the focus leaves, a one-pixel outline that stands out as well stays.
void AppearanceTest::choiceShowsItsFocusFromTheStart()
{
    WindowFixture fixture(decoders);
    fixture.window().show();
    QApplication::setActiveWindow(&fixture.window());
    QVERIFY(QTest::qWaitForWindowActive(&fixture.window()));
    QComboBox *choice = fixture.comboBox();
    QTRY_VERIFY(choice->hasFocus());
    QWidget *holder = choice->parentWidget();
    const QColor window = holder->palette().color(QPalette::Window);
    const QRect around = choice->geometry();
    const int middle = around.center().y();
    const int centre = around.center().x();
    QImage drawn = holder->grab().toImage();
    const QColor ring = drawn.pixelColor(around.left() - 1, middle);
    QVERIFY2(standsOut(ring, window).isEmpty(), standsOut(ring, window));
    for (const QPoint &p : {QPoint(around.left() - 2, middle), QPoint(around.right() + 1, middle),
                            QPoint(around.right() + 2, middle), QPoint(centre, around.top() - 1),
                            QPoint(centre, around.top() - 2), QPoint(centre, around.bottom() + 1),
                            QPoint(centre, around.bottom() + 2), QPoint(around.left() - 2, around.top() - 2),
                            QPoint(around.right() + 2, around.bottom() + 2)})
        QCOMPARE(drawn.pixelColor(p), ring);
    QCOMPARE(drawn.pixelColor(around.left() - 3, middle), window);
    fixture.table()->setFocus();
    drawn = holder->grab().toImage();
    const QColor outline = drawn.pixelColor(around.left() - 1, middle);
    QVERIFY2(standsOut(outline, window).isEmpty(), standsOut(outline, window));
    QCOMPARE(drawn.pixelColor(centre, around.bottom() + 1), outline);
    QCOMPARE(drawn.pixelColor(around.left() - 2, middle), window);
}

// The station dialog's boxes are framed as the choice is: the focused one
// ringed, the others outlined.
void AppearanceTest::stationFieldsStandOut()
{
    StationDialog dialog({StationSettings::DccExNetwork, QStringLiteral("zentrale"), 2560, QString()});
    frameFields(&dialog);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit *host = dialog.findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
    QSpinBox *port = dialog.findChild<QSpinBox *>();
    QVERIFY(host && port);
    host->setFocus();
    QTRY_VERIFY(host->hasFocus());
    const QColor window = dialog.palette().color(QPalette::Window);
    const QImage drawn = dialog.grab().toImage();
    const int w = FocusRingWidth;
    for (const QPoint &p : {QPoint(host->x() - 1, host->geometry().center().y()),
                            QPoint(host->x() - w, host->geometry().center().y()),
                            QPoint(host->geometry().center().x(), host->geometry().bottom() + w)}) {
        const QColor ring = drawn.pixelColor(p);
        QVERIFY2(standsOut(ring, window).isEmpty(), standsOut(ring, window));
    }
    const QColor outline = drawn.pixelColor(port->x() - 1, port->geometry().center().y());
    QVERIFY2(standsOut(outline, window).isEmpty(), standsOut(outline, window));
    QCOMPARE(drawn.pixelColor(port->x() - 2, port->geometry().center().y()), window);
}

void AppearanceTest::cleanup()
{
    QApplication::setPalette(QApplication::style()->standardPalette());
}

QTEST_MAIN(AppearanceTest)
#include "tst_appearance.moc"
