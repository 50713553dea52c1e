#include "stationsettings.h"

#include "dccexprotocol.h"
#include "z21protocol.h"

#include <QSettings>

namespace {

const char *const kindNames[] = {"", "z21", "dcc-ex-network", "dcc-ex-usb"};

} // namespace

bool StationSettings::isSet() const
{
    switch (kind) {
    case Z21Network:
    case DccExNetwork:
        return !host.trimmed().isEmpty() && port != 0;
    case DccExSerial:
        return !serialPort.trimmed().isEmpty();
    case None:
        break;
    }
    return false;
}

bool StationSettings::reachesSameAs(const StationSettings &other) const
{
    return kind == other.kind && host == other.host && port == other.port && serialPort == other.serialPort;
}

quint16 StationSettings::defaultPort(Kind kind)
{
    return kind == Z21Network ? Z21::defaultPort : DccEx::defaultPort;
}

StationSettings StationSettings::load(const QSettings &settings)
{
    StationSettings station;
    const QString kind = settings.value(QStringLiteral("station/kind")).toString();
    for (int k = Z21Network; k <= DccExSerial; ++k) {
        if (kind == QLatin1String(kindNames[k]))
            station.kind = Kind(k);
    }
    station.host = settings.value(QStringLiteral("station/host")).toString();
    const uint port = settings.value(QStringLiteral("station/port")).toUInt();
    station.port = port <= 65535 ? quint16(port) : 0;
    station.serialPort = settings.value(QStringLiteral("station/serialPort")).toString();
    station.powerOnAfter = settings.value(QStringLiteral("station/powerOnAfter"), false).toBool();
    return station;
}

void StationSettings::save(QSettings &settings) const
{
    settings.setValue(QStringLiteral("station/kind"), QLatin1String(kindNames[kind]));
    settings.setValue(QStringLiteral("station/host"), host);
    settings.setValue(QStringLiteral("station/port"), port);
    settings.setValue(QStringLiteral("station/serialPort"), serialPort);
    settings.setValue(QStringLiteral("station/powerOnAfter"), powerOnAfter);
}
