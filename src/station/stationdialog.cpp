#include "stationdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#ifdef Q_OS_WIN
#include "winserialport.h"
#elif defined(FM_SERIAL_PORT)
#include <QSerialPortInfo>
#endif

StationDialog::StationDialog(const StationSettings &settings, QWidget *parent)
    : QDialog(parent)
    , kindBox(new QComboBox(this))
    , hostLabel(new QLabel(tr("&Adresse:"), this))
    , hostEdit(new QLineEdit(this))
    , portLabel(new QLabel(tr("&Port:"), this))
    , portBox(new QSpinBox(this))
    , serialLabel(new QLabel(tr("&Serieller Anschluss:"), this))
    , serialBox(new QComboBox(this))
    , powerOnBox(new QCheckBox(tr("Danach &Gleisspannung wieder einschalten"), this))
    , powerOnWhy(new QLabel(tr("Züge auf der Anlage fahren dann mit ihrer letzten Geschwindigkeit wieder los."), this))
    , checkButton(new QPushButton(tr("&Verbindung prüfen"), this))
    , checkResult(new QLabel(this))
{
    setWindowTitle(tr("Zentrale"));
    kindBox->addItem(tr("Z21 im Netzwerk"), StationSettings::Z21Network);
    kindBox->addItem(tr("DCC-EX im Netzwerk"), StationSettings::DccExNetwork);
#ifdef FM_SERIAL_PORT
    kindBox->addItem(tr("DCC-EX über USB"), StationSettings::DccExSerial);
    // A pseudo-terminal, a port Windows does not list or an unusual device is typed.
    serialBox->setEditable(true);
#ifdef Q_OS_WIN
    serialBox->addItems(WinSerialPort::portNames());
#else
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &port : ports)
        serialBox->addItem(port.systemLocation());
#endif
#endif
    kindBox->setAccessibleName(tr("Art der Zentrale"));
    hostEdit->setAccessibleName(tr("Adresse"));
    hostEdit->setPlaceholderText(tr("Name oder IP-Adresse"));
    portBox->setAccessibleName(tr("Port"));
    portBox->setRange(1, 65535);
    serialBox->setAccessibleName(tr("Serieller Anschluss"));
    hostLabel->setBuddy(hostEdit);
    portLabel->setBuddy(portBox);
    serialLabel->setBuddy(serialBox);
    auto *kindLabel = new QLabel(tr("&Zentrale:"), this);
    kindLabel->setBuddy(kindBox);

    powerOnBox->setAccessibleDescription(powerOnWhy->text());
    powerOnWhy->setWordWrap(true);
    checkResult->setWordWrap(true);
    checkResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(checkButton, &QPushButton::clicked, this, &StationDialog::checkRequested);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout(this);
    form->addRow(kindLabel, kindBox);
    form->addRow(hostLabel, hostEdit);
    form->addRow(portLabel, portBox);
    form->addRow(serialLabel, serialBox);
    form->addRow(powerOnBox);
    form->addRow(powerOnWhy);
    form->addRow(checkButton);
    form->addRow(checkResult);
    form->addRow(buttons);

    const int index = kindBox->findData(settings.kind);
    kindBox->setCurrentIndex(index < 0 ? 0 : index);
    hostEdit->setText(settings.host);
    serialBox->setCurrentText(settings.serialPort);
    powerOnBox->setChecked(settings.powerOnAfter);
    shownKind = StationSettings::Kind(kindBox->currentData().toInt());
    portBox->setValue(settings.port ? settings.port : StationSettings::defaultPort(shownKind));
    connect(kindBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &StationDialog::kindChosen);
    kindChosen();
}

void StationDialog::kindChosen()
{
    const auto kind = StationSettings::Kind(kindBox->currentData().toInt());
    // A port left at one kind's default follows the kind.
    if (portBox->value() == StationSettings::defaultPort(shownKind))
        portBox->setValue(StationSettings::defaultPort(kind));
    shownKind = kind;
    const bool serial = kind == StationSettings::DccExSerial;
    for (QWidget *widget : {static_cast<QWidget *>(hostLabel), static_cast<QWidget *>(hostEdit),
                            static_cast<QWidget *>(portLabel), static_cast<QWidget *>(portBox)})
        widget->setVisible(!serial);
    serialLabel->setVisible(serial);
    serialBox->setVisible(serial);
    // Only a Z21 stays in programming mode, its main track dead, until track power is switched on.
    powerOnBox->setVisible(kind == StationSettings::Z21Network);
    powerOnWhy->setVisible(kind == StationSettings::Z21Network);
}

void StationDialog::showCheck(const QString &message)
{
    checkResult->setText(message);
}

void StationDialog::setChecking(bool checking)
{
    checkButton->setEnabled(!checking);
}

StationSettings StationDialog::settings() const
{
    StationSettings result;
    result.kind = shownKind;
    if (shownKind == StationSettings::DccExSerial) {
        result.serialPort = serialBox->currentText().trimmed();
    } else {
        result.host = hostEdit->text().trimmed();
        result.port = quint16(portBox->value());
    }
    result.powerOnAfter = shownKind == StationSettings::Z21Network && powerOnBox->isChecked();
    return result;
}
