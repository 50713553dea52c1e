#ifndef STATIONSESSION_H
#define STATIONSESSION_H

#include "dccexprotocol.h"
#include "decodertype.h"
#include "stationlink.h"
#include "stationsettings.h"

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QTimer>
#include <QVector>

// Reads CV33 to CV46 from the decoder on the programming track, or writes
// some of them, each written CV read back to verify. A DCC-EX link is opened
// at the first read, write or check and kept until release() or a fault of
// its own: opening a USB port restarts many boards. A Z21 is logged on for one
// operation, a write's fresh read and its writes counting as one. Nothing is
// sent between operations but the Z21's keep-alive while a write is asked
// for. Every wait has a time limit, and every fault ends the operation with
// one sentence.
class StationSession : public QObject
{
    Q_OBJECT

public:
    // Time limits in milliseconds. The programming track takes seconds per
    // CV; a board that resets when its USB port opens takes seconds to start.
    struct Limits
    {
        int ready = 8000;      // for the greeting's answer over the network
        int startUp = 30000;   // for a USB board's start-up after its port opened
        int greeting = 1500;   // between repeats of DCC-EX's <s>
        int reply = 30000;     // for each CV's reply
        int resend = 5000;     // a Z21 read without result is sent once more after this
        int keepAlive = 20000; // between a Z21's keep-alives: it drops clients silent for a minute
    };

    explicit StationSession(const StationSettings &settings, QObject *parent = nullptr);
    ~StationSession() override;

    const StationSettings &station() const;
    // Only whether track power goes back on may change for a session's link.
    void setPowerOnAfter(bool on);
    void setLimits(const Limits &limits);
    bool isBusy() const;
    bool isConnected() const;

    void readMapping();
    // A write's fresh read: the Z21 stays logged on, and kept alive, for the
    // writeMapping() or release() that follows.
    void readBeforeWrite();
    // Writes each CV of the map (CV number to a byte) in CV order, each read
    // back; the caller leaves out locked columns and unchanged values.
    void writeMapping(const QMap<int, int> &values);
    // Opens the link, greets, and says what answered, programming nothing.
    void checkConnection();
    // Finishes the CV under way, then stops and says what was done.
    void cancel();
    // After a write's fresh read, ends the write without writing: the Z21 is
    // logged off. Returns what the station is left in, or nothing.
    QString endWrite();
    // Closes the link, ending a write as endWrite() does.
    QString release();

signals:
    void progress(const QString &message);
    // All 14 values, where answered says which the decoder gave; values of
    // unanswered CVs are -1.
    void mappingRead(const QVector<int> &values, const QVector<bool> &answered);
    void finished(const QString &message);
    void failed(const QString &message);

private:
    enum Operation { Read, ReadBeforeWrite, Write, Check };
    enum State { Idle, Opening, Greeting, Waiting, Holding };
    struct Step
    {
        int cv;
        int value; // -1 for a read
        int old;   // a write's value in the decoder before, -1 if unknown
    };

    static QVector<Step> readSteps();
    bool z21() const;
    void start(Operation next, const QVector<Step> &work);
    void openLink();
    void opened();
    void greet();
    void received(const QByteArray &bytes);
    void handle(const StationReply &reply);
    void greeted(const StationReply &reply);
    bool passedOver(const StationReply &reply) const;
    void stepDone(const StationReply &reply);
    void sendStep();
    void resend();
    void linkFaulted(StationLink::Fault fault);
    void timedOut();
    void fail(const QString &reason);
    void end(const QString &message, bool success);
    QString logOffZ21();
    void dropLink();
    QString readSummary() const;
    QString writeSummary() const;
    QString readDone() const;
    QString checkSummary(const StationReply &reply) const;
    QString faultText(StationReply::Kind kind) const;

    StationSettings settings;
    Limits limits;
    StationLink *link = nullptr;
    bool linkUp = false;     // the link has opened
    bool linkGreeted = false; // the station has answered a greeting on it
    bool bootSeen = false;   // a board start-up after the open, not yet told
    QElapsedTimer sinceOpen;
    DccEx::LineReader lines;
    QTimer limitTimer;
    QTimer greetingTimer;
    QTimer resendTimer;
    QTimer keepAliveTimer;
    State state = Idle;
    Operation operation = Read;
    QVector<Step> steps;
    int current = 0;
    int callback = 0;        // DCC-EX: the request's callback number; its sub is one more
    bool cancelling = false;
    bool programmed = false; // a CV request reached the station
    bool shorted = false;    // a short circuit ended the operation
    bool stopSeen = false;   // the Z21 was in emergency stop at the greeting
    bool probing = false;    // a Z21 write went unanswered: the CV is read
    bool rewritten = false;  // and the write sent once more
    QVector<int> values;
    QVector<bool> answered;
    QVector<int> written;
};

#endif
