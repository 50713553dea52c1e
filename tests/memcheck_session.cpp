// One scripted session with the real main window, for the memcheck_session test
// to run under Valgrind: start in the current directory (reading its decoders.ini),
// choose a decoder type, tick a box, type values, switch type, close.
// Exits 0 when the window did what was asked, 1 otherwise.
#include "gridshape.h"
#include "mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>

namespace {

bool session(MainWindow &window)
{
    auto *combo = window.findChild<QComboBox *>(QStringLiteral("comboBox"));
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    if (!combo || !table || combo->count() < 3)
        return false;

    combo->setCurrentIndex(1);
    const int valueRow = GridShape(table->rowCount()).valueRow();
    table->item(7, 2)->setCheckState(Qt::Checked);
    table->item(valueRow, 3)->setText(QStringLiteral("300"));
    table->item(valueRow, 12)->setText(QStringLiteral("kein Wert"));
    const bool inStep = table->item(valueRow, 2)->text() == QLatin1String("132")
        && table->item(5, 3)->checkState() == Qt::Checked;

    combo->setCurrentIndex(2);
    combo->setCurrentIndex(0);
    return inStep && table->rowCount() == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    MainWindow window;
    window.show();
    bool ok = false;
    // Run once the event loop is up, as a user's clicks would, then close as the user would.
    QTimer::singleShot(0, &window, [&] {
        ok = session(window);
        window.close();
    });
    application.exec();
    std::puts(ok ? "session done" : "session FAILED");
    return ok ? 0 : 1;
}
