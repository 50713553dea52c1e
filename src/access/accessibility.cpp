#include "accessibility.h"

#include "accessiblechoice.h"
#include "accessiblegrid.h"
#include "accessibletext.h"
#include "choiceframe.h"
#include "griddelegate.h"
#include "gridannouncer.h"
#include "gridkeyboard.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTableWidget>
#include <QtMath>

namespace {

// Later factories come first, so these interfaces stand in for the toolkit's own.
QAccessibleInterface *mappingInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("QTableWidget"))
        return new AccessibleGrid(qobject_cast<QTableWidget *>(object));
    if (className == QLatin1String("QComboBox"))
        return new AccessibleChoice(qobject_cast<QComboBox *>(object));
    if (className == QLatin1String("QLineEdit"))
        return new AccessibleLineEdit(qobject_cast<QLineEdit *>(object));
    return nullptr;
}

// Device pixels per device-independent pixel on the widget's screen, where the
// bridge wants them, and the screen's corner, which both count alike.
struct ScreenScale
{
    qreal factor = 1;
    QPointF origin;
};

ScreenScale assistiveScale(const QWidget *widget)
{
    if (!widget || QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    const QScreen *screen = widget->screen();
    return {screen->devicePixelRatio(), QPointF(screen->geometry().topLeft())};
}

} // namespace

// Both edges are rounded, so that neighbouring cells still meet at 150 %.
QRect toAssistiveTechnology(const QWidget *widget, const QRect &rect)
{
    const ScreenScale scale = assistiveScale(widget);
    if (scale.factor == 1 || !rect.isValid())
        return rect;
    const QPointF topLeft = (QPointF(rect.topLeft()) - scale.origin) * scale.factor + scale.origin;
    const QPointF end = topLeft + QPointF(rect.width(), rect.height()) * scale.factor;
    return QRect(QPoint(qRound(topLeft.x()), qRound(topLeft.y())), QPoint(qRound(end.x()) - 1, qRound(end.y()) - 1));
}

// The device-independent pixel that holds the middle of the device pixel given.
QPoint fromAssistiveTechnology(const QWidget *widget, const QPoint &point)
{
    const ScreenScale scale = assistiveScale(widget);
    if (scale.factor == 1)
        return point;
    const QPointF inside = (QPointF(point) + QPointF(0.5, 0.5) - scale.origin) / scale.factor + scale.origin;
    return QPoint(qFloor(inside.x()), qFloor(inside.y()));
}

void installAccessibleInterfaces()
{
    QAccessible::installFactory(mappingInterface);
}

void makeAccessible(QMainWindow *window, QComboBox *choice, QTableView *grid)
{
    choice->setAccessibleName(QCoreApplication::translate("MainWindow", "Decodertyp"));
    grid->setAccessibleName(QCoreApplication::translate("MainWindow", "Funktionszuordnung"));
    // What the toolkit puts around them is met in object navigation and flat
    // review too, where a thing without a name says nothing of what it is.
    window->menuBar()->setAccessibleName(QCoreApplication::translate("MainWindow", "Menüleiste"));
    window->statusBar()->setAccessibleName(QCoreApplication::translate("MainWindow", "Statusleiste"));
    if (auto *grip = window->statusBar()->findChild<QSizeGrip *>())
        grip->setAccessibleName(QCoreApplication::translate("MainWindow", "Fenstergröße ändern"));
    choice->view()->setAccessibleName(QCoreApplication::translate("MainWindow", "Decodertypen"));
    if (auto *corner = grid->findChild<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly))
        corner->setAccessibleName(QCoreApplication::translate("MainWindow", "Alle Zellen auswählen"));
    // Tab leaves the grid; the arrow keys move inside it.
    grid->setTabKeyNavigation(false);
    grid->installEventFilter(new GridKeyboard(grid));
    grid->setItemDelegate(new GridDelegate(grid));
    new ChoiceFrame(choice);
    new GridAnnouncer(choice, grid);
}
