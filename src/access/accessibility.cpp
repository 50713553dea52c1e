#include "accessibility.h"

#include "accessiblechoice.h"
#include "accessiblegrid.h"
#include "accessibletext.h"
#include "gridannouncer.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTableWidget>

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

} // namespace

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
    new GridAnnouncer(choice, grid);
}
