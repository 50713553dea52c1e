#include "floorwidgets.h"

#include "console.h"
#include "timing.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace fmbench {
namespace {

class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *widget) : widget(widget) { widget->installEventFilter(this); }
    ~PaintWatch() override { widget->removeEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == widget && event->type() == QEvent::Paint)
            painted = true;
        return false;
    }

    QWidget *widget;
    bool painted = false;
};

QStringList functionLabels()
{
    QStringList labels{QStringLiteral("F0 v"), QStringLiteral("F0 r")};
    for (int function = 1; function <= 12; ++function)
        labels << QStringLiteral("F%1").arg(function);
    return labels;
}

} // namespace

void showUntilPainted(QWidget *window)
{
    PaintWatch watch(window);
    window->show();
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
    while (!watch.painted) {
        QCoreApplication::processEvents();
        if (Clock::now() > deadline)
            fail("the window was never painted");
    }
}

QMainWindow *bareWindow()
{
    auto *window = new QMainWindow;
    window->resize(800, 600);
    window->setWindowTitle(QStringLiteral("Function Mapping"));
    window->setWindowIcon(QIcon(QStringLiteral(":/new/icons/resources/oro_flach.ico")));
    auto *central = new QWidget(window);
    auto *column = new QVBoxLayout(central);
    auto *top = new QWidget(central);
    auto *row = new QHBoxLayout(top);
    auto *combo = new QComboBox(top);
    combo->addItem(QStringLiteral("<Decodertyp wählen>"));
    row->addWidget(combo);
    column->addWidget(top);
    auto *table = new QTableWidget(0, GridColumns, central);
    table->setHorizontalHeaderLabels(functionLabels());
    table->horizontalHeader()->setDefaultSectionSize(40);
    column->addWidget(table);
    window->setCentralWidget(central);
    window->setMenuBar(new QMenuBar(window));
    window->setStatusBar(new QStatusBar(window));
    return window;
}

BareTable::BareTable()
{
    table.setHorizontalHeaderLabels(functionLabels());
    table.resize(800, 600);
    showUntilPainted(&table);
}

void BareTable::fill()
{
    table.setRowCount(GridRows);
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < GridColumns; ++column)
            table.setItem(row, column, new QTableWidgetItem);
    }
}

} // namespace fmbench
