#include "stationdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

// The dialog that sets the command station: what it shows for each kind,
// what it gives back, and that keyboard and screen reader find every box.
class StationDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void showsWhatWasSet_data();
    void showsWhatWasSet();
    void portFollowsTheKindUntilTyped();
    void everyBoxHasItsLabelAndName();
};

namespace {

QComboBox *kindBox(StationDialog &dialog)
{
    return dialog.findChildren<QComboBox *>().value(0);
}

} // namespace

void StationDialogTest::showsWhatWasSet_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("serialPort");
    QTest::addColumn<int>("shownKind");
    QTest::addColumn<int>("shownPort");
    QTest::addColumn<bool>("powerOnAfter");
    QTest::newRow("nothing set: a Z21 on its port") << int(StationSettings::None) << "" << 0 << "" << int(StationSettings::Z21Network) << 21105 << false;
    QTest::newRow("Z21 on another port, power back on") << int(StationSettings::Z21Network) << "z21.local" << 21106 << "" << int(StationSettings::Z21Network) << 21106 << true;
    QTest::newRow("DCC-EX over the network") << int(StationSettings::DccExNetwork) << "10.0.0.2" << 2560 << "" << int(StationSettings::DccExNetwork) << 2560 << false;
#ifdef FM_SERIAL_PORT
    QTest::newRow("DCC-EX over USB, a port not in the list") << int(StationSettings::DccExSerial) << "" << 0 << "/dev/pts/77" << int(StationSettings::DccExSerial) << 0 << false;
#endif
}

void StationDialogTest::showsWhatWasSet()
{
    QFETCH(int, kind);
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, serialPort);
    QFETCH(int, shownKind);
    QFETCH(int, shownPort);
    QFETCH(bool, powerOnAfter);
    StationDialog dialog({StationSettings::Kind(kind), host, quint16(port), serialPort, powerOnAfter});
    const StationSettings shown = dialog.settings();
    QCOMPARE(int(shown.kind), shownKind);
    QCOMPARE(shown.host, host);
    QCOMPARE(int(shown.port), shownPort);
    QCOMPARE(shown.serialPort, serialPort);
    QCOMPARE(shown.powerOnAfter, powerOnAfter);
    dialog.show();
    QCOMPARE(dialog.findChild<QLineEdit *>()->isVisible(), shownKind != StationSettings::DccExSerial);
    QCOMPARE(dialog.findChild<QCheckBox *>()->isVisible(), shownKind == StationSettings::Z21Network);
}

void StationDialogTest::portFollowsTheKindUntilTyped()
{
    StationDialog dialog({StationSettings::Z21Network, QStringLiteral("z21"), 21105, QString()});
    QComboBox *kinds = kindBox(dialog);
    kinds->setCurrentIndex(kinds->findData(StationSettings::DccExNetwork));
    QCOMPARE(int(dialog.settings().port), 2560);
    dialog.findChild<QSpinBox *>()->setValue(3000);
    kinds->setCurrentIndex(kinds->findData(StationSettings::Z21Network));
    QCOMPARE(int(dialog.settings().port), 3000);
    QCOMPARE(dialog.settings().host, QStringLiteral("z21"));
}

void StationDialogTest::everyBoxHasItsLabelAndName()
{
    StationDialog dialog{StationSettings()};
    QStringList names;
    QStringList texts;
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        if (!label->buddy()) {
            texts << label->text();
            continue;
        }
        QVERIFY(label->text().contains(QLatin1Char('&')));
        names << label->buddy()->accessibleName();
    }
    QStringList expected{"Art der Zentrale", "Adresse", "Port", "Serieller Anschluss"};
    names.sort();
    expected.sort();
    QCOMPARE(names, expected);
    // The why beside the check box, and the check's answer, yet empty.
    QCOMPARE(texts, (QStringList{"Züge auf der Anlage fahren dann mit ihrer letzten Geschwindigkeit wieder los.", ""}));
    QCOMPARE(kindBox(dialog)->count(),
#ifdef FM_SERIAL_PORT
             3
#else
             2
#endif
    );
}

QTEST_MAIN(StationDialogTest)
#include "tst_stationdialog.moc"
