#include "windowbench.h"

#include "console.h"
#include "floorwidgets.h"
#include "mainwindow.h"
#include "stationsession.h"
#include "teststations.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTableWidget>
#include <QTimer>

#include <functional>

namespace fmbench {
namespace {

void settleEvents()
{
    QCoreApplication::processEvents();
}

void showUntilPaintedAndDelete(QWidget *window)
{
    showUntilPainted(window);
    delete window;
}

// Whether a column's boxes show the low eight bits of its value row's text.
bool inStep(QTableWidget *table, int column)
{
    const int value = table->item(GridRows - 1, column)->text().toInt();
    const int start = column <= 4 ? 0 : column <= 9 ? 3 : 6;
    for (int bit = 0; bit < 8; ++bit) {
        const bool ticked = table->item(start + bit, column)->checkState() == Qt::Checked;
        if (ticked != ((value >> bit & 1) != 0))
            return false;
    }
    return true;
}

TimeAndFloor measureStartUp()
{
    const auto [time, floor] = medianTimes(61, settleEvents,
                                           [] { showUntilPaintedAndDelete(new MainWindow); },
                                           [] { showUntilPaintedAndDelete(bareWindow()); });
    return {time, floor};
}

// Every run on the window is checked to have left the grid in step, so that
// a fast but wrong edit cannot pass.
void measureEditing(WindowTimes &times)
{
    MainWindow window;
    showUntilPainted(&window);
    auto *combo = window.findChild<QComboBox *>(QStringLiteral("comboBox"));
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    if (!combo || !table || combo->count() < 3)
        fail("the window has no combo box, no table or too few decoder types");
    int index = 1;
    times.choosing.time = medianTime(201, [&] { combo->setCurrentIndex(index); }, [&] {
        for (int column = 0; column < GridColumns; ++column) {
            if (table->rowCount() != GridRows || !inStep(table, column))
                fail("choosing a decoder type left a column out of step");
        }
        index = 3 - index;
        settleEvents();
    });
    BareTable bare;
    times.choosing.floor = medianTime(201, [&] { bare.fill(); }, [&] {
        bare.table.setRowCount(0);
        settleEvents();
    });

    // F1 (column 2) of the first type: its first box, and its value.
    combo->setCurrentIndex(1);
    settleEvents();
    QTableWidgetItem *box = table->item(0, 2);
    bool tick = box->checkState() != Qt::Checked;
    times.ticking.time = medianTime(1001, [&] { box->setData(Qt::CheckStateRole, tick ? Qt::Checked : Qt::Unchecked); }, [&] {
        if (!inStep(table, 2) || (box->checkState() == Qt::Checked) != tick)
            fail("ticking a box left its column out of step");
        tick = !tick;
        settleEvents();
    });
    // F4 (column 5): a typed value.
    QTableWidgetItem *value = table->item(GridRows - 1, 5);
    bool first = true;
    times.typing.time = medianTime(1001, [&] { value->setData(Qt::EditRole, first ? QStringLiteral("37") : QStringLiteral("200")); }, [&] {
        if (!inStep(table, 5))
            fail("typing a value left its column out of step");
        first = !first;
        settleEvents();
    });

    // Floors: the same item changes made directly on a plain table.
    bare.fill();
    settleEvents();
    QTableWidgetItem *bareBox = bare.table.item(0, 2);
    QTableWidgetItem *bareValue = bare.table.item(GridRows - 1, 2);
    tick = true;
    times.ticking.floor = medianTime(1001, [&] {
        bareBox->setData(Qt::CheckStateRole, tick ? Qt::Checked : Qt::Unchecked);
        bareValue->setData(Qt::DisplayRole, QString::number(tick ? 5 : 4));
    }, [&] { tick = !tick; settleEvents(); });
    times.typing.floor = medianTime(1001, [&] {
        const int number = first ? 37 : 200;
        bare.table.item(GridRows - 1, 5)->setData(Qt::EditRole, QString::number(number));
        for (int bit = 0; bit < 8; ++bit)
            bare.table.item(3 + bit, 5)->setData(Qt::CheckStateRole, (number >> bit & 1) ? Qt::Checked : Qt::Unchecked);
    }, [&] { first = !first; settleEvents(); });
}

// A paste through the window's action, undone between runs so that each one
// changes the grid alike.
double timePaste(MainWindow &window, QTableWidget *table, const QString &text, int repetitions)
{
    auto *paste = window.findChild<QAction *>(QStringLiteral("pasteAction"));
    auto *undo = window.findChild<QAction *>(QStringLiteral("undoAction"));
    if (!paste || !undo)
        fail("the window has no paste or undo action");
    QApplication::clipboard()->setText(text);
    return medianTime(repetitions, [&] { paste->trigger(); }, [&] {
        for (int column = 0; column < GridColumns; ++column) {
            if (!inStep(table, column))
                fail("pasting left a column out of step");
        }
        undo->trigger();
        settleEvents();
    });
}

// The least work that looks at every character of a text once.
double scanFloor(const QString &text, QChar c)
{
    int found = 0;
    const double floor = medianTime(11, [&] { found = text.count(c); }, [&] {
        if (found == 0)
            fail("the text holds none of what it is scanned for");
    });
    return floor;
}

// Fourteen values as a forum post gives them, and 10 MB of a spreadsheet's
// numbers; floors: the same fourteen values typed, and the text scanned once.
void measurePasting(WindowTimes &times)
{
    MainWindow window;
    showUntilPainted(&window);
    auto *combo = window.findChild<QComboBox *>(QStringLiteral("comboBox"));
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    combo->setCurrentIndex(1);
    table->setCurrentCell(GridRows - 1, 0);
    settleEvents();
    QStringList lines;
    for (int column = 0; column < GridColumns; ++column)
        lines.append(QStringLiteral("CV%1 = %2").arg(33 + column).arg(255 - column));
    times.pastingValues.time = timePaste(window, table, lines.join(QStringLiteral(", ")), 201);
    bool first = true;
    times.pastingValues.floor = medianTime(201, [&] {
        for (int column = 0; column < GridColumns; ++column)
            table->item(GridRows - 1, column)->setData(Qt::EditRole, QString::number(first ? 255 - column : column));
    }, [&] { first = !first; settleEvents(); });

    QString numbers;
    while (numbers.size() < 10 * 1000 * 1000)
        numbers += QStringLiteral("255\t");
    times.pastingText.time = timePaste(window, table, numbers, 11);
    times.pastingText.floor = scanFloor(numbers, QLatin1Char('\t'));

    // 10 MB each of CV lines, of a table and of a JMRI roster entry, the
    // function-mapping CVs among others; floor: the text scanned once for its line ends.
    QString cvLines;
    QString rows = QStringLiteral("CV;Funktion;Werkseinstellung\n");
    QString roster = QStringLiteral("<locomotive id=\"Bench\">\n<values>\n");
    for (int k = 0; cvLines.size() < 10 * 1000 * 1000; ++k)
        cvLines += QStringLiteral("CV%1 = %2\n").arg(1 + k % 256).arg(k % 256 < 46 ? k % 256 : 7);
    for (int k = 0; rows.size() < 10 * 1000 * 1000; ++k)
        rows += QStringLiteral("%1;F%2;%3\n").arg(1 + k % 256).arg(k % 29).arg(k % 256 < 46 ? k % 256 : 7);
    for (int k = 0; roster.size() < 10 * 1000 * 1000; ++k)
        roster += QStringLiteral("    <CVvalue name=\"%1\" value=\"%2\" />\n").arg(1 + k % 1024).arg(k % 1024 < 46 ? k % 1024 : 7);
    roster += QStringLiteral("</values>\n</locomotive>\n");
    times.pastingLines.time = timePaste(window, table, cvLines, 11);
    times.pastingLines.floor = scanFloor(cvLines, QLatin1Char('\n'));
    times.pastingTable.time = timePaste(window, table, rows, 11);
    times.pastingTable.floor = scanFloor(rows, QLatin1Char('\n'));
    times.pastingRoster.time = timePaste(window, table, roster, 11);
    times.pastingRoster.floor = scanFloor(roster, QLatin1Char('\n'));
}

// The longest the event loop was kept from a 1 ms timer while `running` holds.
double longestStall(const std::function<bool()> &running)
{
    QTimer tick;
    tick.setInterval(1);
    Clock::time_point last = Clock::now();
    double longest = 0;
    QObject::connect(&tick, &QTimer::timeout, [&last, &longest] {
        const Clock::time_point now = Clock::now();
        longest = std::max(longest, std::chrono::duration<double, std::nano>(now - last).count());
        last = now;
    });
    tick.start();
    while (running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return longest;
}

// A read from a DCC-EX station answering each request after 50 ms: opening,
// greeting and every request wait in the event loop, never in the window.
TimeAndFloor measureStationRead()
{
    DccExTestStation station;
    station.delayMs = 50;
    StationSession session({StationSettings::DccExNetwork, QStringLiteral("127.0.0.1"), station.listenTcp(), QString()});
    QElapsedTimer reading;
    reading.start();
    session.readMapping();
    const double time = longestStall([&session] { return session.isBusy(); });
    if (station.reads != CvCount)
        fail("the read from the slow station did not read every CV");
    const qint64 took = reading.elapsed();
    reading.restart();
    const double floor = longestStall([&reading, took] { return reading.elapsed() < took; });
    return {time, floor};
}

} // namespace

WindowTimes measureWindow(const QString &listDirectory)
{
    QDir::setCurrent(listDirectory);
    WindowTimes times;
    progress("start-up: window on the sample list, shown until painted, destroyed");
    times.startUp = measureStartUp();
    progress("choosing a decoder type, ticking a box, typing a value");
    measureEditing(times);
    progress("pasting 14 values and 10 MB texts");
    measurePasting(times);
    progress("reading 14 CVs from a station answering after 50 ms each");
    times.stationStall = measureStationRead();
    return times;
}

} // namespace fmbench
