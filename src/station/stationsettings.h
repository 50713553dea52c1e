#ifndef STATIONSETTINGS_H
#define STATIONSETTINGS_H

#include <QString>

class QSettings;

// How the command station is reached: the one thing the program keeps, in
// the user's settings. Nothing is set until the user sets it.
struct StationSettings
{
    enum Kind { None, Z21Network, DccExNetwork, DccExSerial };
    Kind kind = None;
    QString host;
    quint16 port = 0;
    QString serialPort;
    // Z21: track power back on after reading or writing; trains move again then.
    bool powerOnAfter = false;

    bool isSet() const;
    // The same station by the same way: a link open to one serves the other.
    bool reachesSameAs(const StationSettings &other) const;
    static quint16 defaultPort(Kind kind);
    static StationSettings load(const QSettings &settings);
    void save(QSettings &settings) const;
};

#endif
