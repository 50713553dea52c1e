#include "accessibility.h"

#include "accessiblechoice.h"
#include "accessiblegrid.h"
#include "griddelegate.h"
#include "gridannouncer.h"
#include "gridkeyboard.h"

#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QTableWidget>

namespace {

// Later factories come first, so these interfaces stand in for the toolkit's own.
QAccessibleInterface *mappingInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("QTableWidget"))
        return new AccessibleGrid(qobject_cast<QTableWidget *>(object));
    if (className == QLatin1String("QComboBox"))
        return new AccessibleChoice(qobject_cast<QComboBox *>(object));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(mappingInterface);
}

void makeAccessible(QComboBox *choice, QTableView *grid)
{
    choice->setAccessibleName(QCoreApplication::translate("MainWindow", "Decodertyp"));
    grid->setAccessibleName(QCoreApplication::translate("MainWindow", "Funktionszuordnung"));
    // Tab leaves the grid; the arrow keys move inside it.
    grid->setTabKeyNavigation(false);
    grid->installEventFilter(new GridKeyboard(grid));
    grid->setItemDelegate(new GridDelegate(grid));
    new GridAnnouncer(choice, grid);
}
