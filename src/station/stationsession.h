#ifndef STATIONSESSION_H
#define STATIONSESSION_H

#include "dccexprotocol.h"
#include "decodertype.h"
#include "stationlink.h"
#include "stationsettings.h"

#include <QMap>
#include <QObject>
#include <QTimer>
#include <QVector>

// Reads CV33 to CV46 from the decoder on the programming track, or writes
// some of them, each written CV read back to verify. One connection per read
// or write, opened at its start and closed at its end; nothing is sent
// between them. Every wait has a time limit, and every fault ends the work
// with one sentence, after which nothing more is sent but the Z21's log-off.
class StationSession : public QObject
{
    Q_OBJECT

public:
    // Time limits in milliseconds. The programming track takes seconds per
    // CV; a board that resets when its USB port opens takes seconds to start.
    struct Limits
    {
        int ready = 8000;     // for the greeting's answer
        int greeting = 1500;  // between repeats of DCC-EX's <s>
        int reply = 15000;    // for each CV's reply
        int keepAlive = 20000; // between a Z21's keep-alives: it drops clients silent for a minute
    };

    explicit StationSession(const StationSettings &settings, QObject *parent = nullptr);

    void setLimits(const Limits &limits);
    bool isBusy() const;

    void readMapping();
    // Writes each CV of the map (CV number to a byte) in CV order, each read
    // back; the caller leaves out locked columns and unchanged values.
    void writeMapping(const QMap<int, int> &values);
    // Finishes the CV under way, then stops and says what was done.
    void cancel();

signals:
    void progress(const QString &message);
    // All 14 values, where answered says which the decoder gave; values of
    // unanswered CVs are -1.
    void mappingRead(const QVector<int> &values, const QVector<bool> &answered);
    void finished(const QString &message);
    void failed(const QString &message);

private:
    enum State { Idle, Opening, Greeting, Waiting };
    struct Step
    {
        int cv;
        int value; // -1 for a read
    };

    void start(const QVector<Step> &work);
    void opened();
    void received(const QByteArray &bytes);
    void handle(const StationReply &reply);
    void stepDone(const StationReply &reply);
    void sendStep();
    void linkFaulted(StationLink::Fault fault);
    void timedOut();
    void fail(const QString &reason);
    void end(const QString &message, bool success);
    QString readSummary() const;
    QString writeSummary() const;
    QString stationState() const;
    QString faultText(StationReply::Kind kind) const;

    StationSettings settings;
    Limits limits;
    StationLink *link = nullptr;
    DccEx::LineReader lines;
    QTimer limitTimer;
    QTimer greetingTimer;
    QTimer keepAliveTimer;
    State state = Idle;
    QVector<Step> steps;
    int current = 0;
    bool writing = false;
    bool cancelling = false;
    bool programmed = false; // a CV request reached the station
    QVector<int> values;
    QVector<bool> answered;
    QVector<int> written;
};

#endif
