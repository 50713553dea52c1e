#include "windowfixture.h"

#include <QHeaderView>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

namespace {

QStringList connectionWarnings;

void collectConnectionWarnings(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("connectSlotsByName")))
        connectionWarnings.append(message);
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void windowHasTitleSizeAndName();
    void widgetsCarryTheirObjectNames_data();
    void widgetsCarryTheirObjectNames();
    void comboBoxHoldsOnlyThePlaceholderWithoutFile();
    void tableShowsFunctionColumnsAndNoRows();
    void tableKeepsTheFormsViewSettings();
    void menuBarAndStatusBarAreEmpty();
    void everySlotFindsItsSignal();
    void choosingAnEntryReachesTheSelectionSlot();
    void closingTheWindowEndsTheEventLoop();
};

void MainWindowTest::windowHasTitleSizeAndName()
{
    WindowFixture fixture;
    QCOMPARE(fixture.window().windowTitle(), QStringLiteral("Function Mapping"));
    QCOMPARE(fixture.window().size(), QSize(800, 600));
    QCOMPARE(fixture.window().objectName(), QStringLiteral("MainWindow"));
}

void MainWindowTest::widgetsCarryTheirObjectNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::newRow("central widget") << "centralWidget" << "QWidget";
    QTest::newRow("vertical layout") << "verticalLayout" << "QVBoxLayout";
    QTest::newRow("top row") << "widget" << "QWidget";
    QTest::newRow("horizontal layout") << "horizontalLayout" << "QHBoxLayout";
    QTest::newRow("combo box") << "comboBox" << "QComboBox";
    QTest::newRow("table") << "tableWidget" << "QTableWidget";
    QTest::newRow("menu bar") << "menuBar" << "QMenuBar";
    QTest::newRow("status bar") << "statusBar" << "QStatusBar";
}

void MainWindowTest::widgetsCarryTheirObjectNames()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    WindowFixture fixture;
    const QObject *object = fixture.window().findChild<QObject *>(name);
    QVERIFY(object);
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
}

void MainWindowTest::comboBoxHoldsOnlyThePlaceholderWithoutFile()
{
    WindowFixture fixture;
    QCOMPARE(fixture.comboBox()->count(), 1);
    QCOMPARE(fixture.comboBox()->itemText(0), QStringLiteral("<Decodertyp wählen>"));
    QCOMPARE(fixture.comboBox()->currentIndex(), 0);
}

void MainWindowTest::tableShowsFunctionColumnsAndNoRows()
{
    const QStringList expected = {"F0 v", "F0 r", "F1", "F2", "F3", "F4", "F5",
                                  "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
    WindowFixture fixture;
    QTableWidget *table = fixture.table();
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(table->columnCount(), expected.size());
    for (int column = 0; column < expected.size(); ++column) {
        QCOMPARE(table->horizontalHeaderItem(column)->text(), expected.at(column));
        QCOMPARE(table->horizontalHeader()->sectionSize(column), 40);
    }
}

void MainWindowTest::tableKeepsTheFormsViewSettings()
{
    WindowFixture fixture;
    QTableWidget *table = fixture.table();
    QVERIFY(table->showGrid());
    QVERIFY(!table->alternatingRowColors());
    QVERIFY(!table->showDropIndicator());
    QVERIFY(!table->dragDropOverwriteMode());
    QVERIFY(!table->isSortingEnabled());
    QCOMPARE(table->horizontalHeader()->defaultSectionSize(), 40);
}

void MainWindowTest::menuBarAndStatusBarAreEmpty()
{
    WindowFixture fixture;
    QCOMPARE(fixture.window().menuBar()->objectName(), QStringLiteral("menuBar"));
    QVERIFY(fixture.window().menuBar()->actions().isEmpty());
    QCOMPARE(fixture.window().statusBar()->objectName(), QStringLiteral("statusBar"));
    QVERIFY(fixture.window().statusBar()->currentMessage().isEmpty());
}

// A slot whose name matches no signal is only reported as a warning, and
// then never runs.
void MainWindowTest::everySlotFindsItsSignal()
{
    connectionWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectConnectionWarnings);
    {
        WindowFixture fixture;
    }
    qInstallMessageHandler(previous);
    QVERIFY2(connectionWarnings.isEmpty(), qPrintable(connectionWarnings.join('\n')));
}

void MainWindowTest::choosingAnEntryReachesTheSelectionSlot()
{
    WindowFixture fixture("[Decoder A]\nCV33 = 1\n");
    QCOMPARE(fixture.comboBox()->count(), 2);
    fixture.choose(1);
    QCOMPARE(fixture.table()->rowCount(), 16);
    fixture.choose(0);
    QCOMPARE(fixture.table()->rowCount(), 0);
}

void MainWindowTest::closingTheWindowEndsTheEventLoop()
{
    WindowFixture fixture;
    fixture.window().show();
    QTimer::singleShot(0, &fixture.window(), &QWidget::close);
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
