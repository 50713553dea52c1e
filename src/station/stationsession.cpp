#include "stationsession.h"

#include "z21protocol.h"

#include <QStringList>

namespace {

QString cvList(const QVector<int> &cvs)
{
    QStringList names;
    for (int cv : cvs)
        names << QStringLiteral("CV%1").arg(cv);
    return names.join(QStringLiteral(", "));
}

// A greeting answered later than this after the open was a board starting.
const int startUpSign = 1000;

} // namespace

StationSession::StationSession(const StationSettings &settings, QObject *parent)
    : QObject(parent)
    , settings(settings)
{
    limitTimer.setSingleShot(true);
    resendTimer.setSingleShot(true);
    connect(&limitTimer, &QTimer::timeout, this, &StationSession::timedOut);
    connect(&resendTimer, &QTimer::timeout, this, &StationSession::resend);
    connect(&greetingTimer, &QTimer::timeout, this, [this] { link->send(DccEx::status()); });
    connect(&keepAliveTimer, &QTimer::timeout, this, [this] { link->send(Z21::getStatus()); });
}

StationSession::~StationSession()
{
    release();
}

const StationSettings &StationSession::station() const
{
    return settings;
}

void StationSession::setPowerOnAfter(bool on)
{
    settings.powerOnAfter = on;
}

void StationSession::setLimits(const Limits &newLimits)
{
    limits = newLimits;
}

bool StationSession::isBusy() const
{
    return state != Idle && state != Holding;
}

bool StationSession::isConnected() const
{
    return link != nullptr;
}

bool StationSession::z21() const
{
    return settings.kind == StationSettings::Z21Network;
}

QVector<StationSession::Step> StationSession::readSteps()
{
    QVector<Step> work;
    for (int cv = FirstCv; cv < FirstCv + CvCount; ++cv)
        work.append({cv, -1, -1});
    return work;
}

void StationSession::readMapping()
{
    start(Read, readSteps());
}

void StationSession::readBeforeWrite()
{
    start(ReadBeforeWrite, readSteps());
}

void StationSession::writeMapping(const QMap<int, int> &newValues)
{
    QVector<Step> work;
    for (auto it = newValues.cbegin(); it != newValues.cend(); ++it) {
        const int column = it.key() - FirstCv;
        const int old = column >= 0 && column < answered.size() && answered[column] ? values[column] : -1;
        work << Step{it.key(), it.value() & 0xff, old} << Step{it.key(), -1, -1};
    }
    start(Write, work);
}

void StationSession::checkConnection()
{
    start(Check, {});
}

void StationSession::cancel()
{
    if (!isBusy())
        return;
    if (state == Waiting) {
        cancelling = true;
        return;
    }
    // Nothing has been asked of the decoder yet.
    end(operation == Write    ? tr("Schreiben abgebrochen; nichts wurde geschrieben.")
            : operation == Check ? tr("Prüfung abgebrochen.")
                                 : tr("Lesen abgebrochen; nichts wurde übernommen."),
        true);
}

QString StationSession::endWrite()
{
    if (state != Holding)
        return QString();
    state = Idle;
    return logOffZ21();
}

QString StationSession::release()
{
    const QString left = endWrite();
    limitTimer.stop();
    greetingTimer.stop();
    resendTimer.stop();
    keepAliveTimer.stop();
    dropLink();
    state = Idle;
    return left;
}

void StationSession::start(Operation next, const QVector<Step> &work)
{
    if (isBusy())
        return;
    if (!settings.isSet()) {
        emit failed(tr("Es ist keine Zentrale eingestellt."));
        return;
    }
    const bool held = state == Holding;
    operation = next;
    steps = work;
    current = 0;
    cancelling = false;
    shorted = false;
    probing = false;
    rewritten = false;
    programmed = held && programmed;
    stopSeen = held && stopSeen;
    if (next != Write) {
        values = QVector<int>(CvCount, -1);
        answered = QVector<bool>(CvCount, false);
    }
    written.clear();
    if (steps.isEmpty() && next == Write) {
        // After a write's fresh read, the write ends here.
        const QString left = endWrite();
        emit finished(left.isEmpty() ? tr("Keine CV weicht ab; nichts wurde geschrieben.")
                                     : tr("Keine CV weicht ab; nichts wurde geschrieben.") + QLatin1Char(' ') + left);
        return;
    }
    if (!link) {
        openLink();
    } else if (!linkUp) {
        state = Opening;
        limitTimer.start(limits.ready);
    } else if (!linkGreeted || next == Check) {
        greet();
    } else {
        state = Waiting;
        sendStep();
    }
}

void StationSession::openLink()
{
    state = Opening;
    linkUp = false;
    linkGreeted = false;
    bootSeen = false;
    lines = DccEx::LineReader();
    link = new StationLink(settings, this);
    connect(link, &StationLink::opened, this, &StationSession::opened);
    connect(link, &StationLink::received, this, &StationSession::received);
    connect(link, &StationLink::faulted, this, &StationSession::linkFaulted);
    limitTimer.start(limits.ready);
    emit progress(tr("Verbindung zur Zentrale wird aufgebaut …"));
    link->open();
}

void StationSession::opened()
{
    linkUp = true;
    sinceOpen.start();
    if (state == Opening)
        greet();
}

void StationSession::greet()
{
    state = Greeting;
    if (z21()) {
        link->send(Z21::setBroadcastFlags());
        link->send(Z21::getStatus());
        limitTimer.start(limits.ready);
        return;
    }
    // A board that restarts as its USB port opens misses what comes before
    // its start-up line: ask again until it answers.
    const bool startingUp = settings.kind == StationSettings::DccExSerial && !linkGreeted;
    if (startingUp)
        emit progress(tr("Die Zentrale startet …"));
    limitTimer.start(startingUp ? limits.startUp : limits.ready);
    link->send(DccEx::status());
    greetingTimer.start(limits.greeting);
}

void StationSession::received(const QByteArray &bytes)
{
    const QVector<StationReply> replies = z21() ? Z21::parse(bytes) : lines.feed(bytes);
    for (const StationReply &reply : replies) {
        if (!isBusy())
            return;
        handle(reply);
    }
}

void StationSession::handle(const StationReply &reply)
{
    if (state == Greeting) {
        greeted(reply);
        return;
    }
    if (state != Waiting || passedOver(reply))
        return;
    const int cv = steps[current].cv;
    if ((reply.kind == StationReply::Value || reply.kind == StationReply::NoDecoder) && reply.cv != -1
        && reply.cv != cv) {
        fail(tr("Die Zentrale hat für CV%1 geantwortet, gefragt war CV%2.").arg(reply.cv).arg(cv));
        return;
    }
    if (reply.kind == StationReply::PowerOn || reply.kind == StationReply::Stopped) {
        fail(operation == Write ? faultText(reply.kind) : faultText(reply.kind) + QLatin1Char(' ') + readDone());
        return;
    }
    shorted = reply.kind == StationReply::ShortCircuit;
    if (probing && reply.kind == StationReply::Value) {
        probing = false;
        const Step &write = steps[current];
        if (reply.value == write.value) {
            ++current; // the probe is the read-back
            stepDone(reply);
        } else if (reply.value == write.old && !rewritten) {
            rewritten = true;
            sendStep();
        } else {
            fail(tr("CV%1 hält nach dem Schreiben %2 statt %3.").arg(cv).arg(reply.value).arg(write.value));
        }
        return;
    }
    if (reply.kind == StationReply::Value || (reply.kind == StationReply::NoDecoder && operation != Write))
        stepDone(reply);
    else
        fail(QStringLiteral("CV%1: %2").arg(cv).arg(faultText(reply.kind)));
}

void StationSession::greeted(const StationReply &reply)
{
    switch (reply.kind) {
    case StationReply::Text: // what a starting board says
        bootSeen = bootSeen || settings.kind == StationSettings::DccExSerial;
        return;
    case StationReply::Ready:
        break;
    case StationReply::ShortCircuit:
    case StationReply::Stopped:
        fail(faultText(reply.kind));
        return;
    default: // what an earlier client left behind
        return;
    }
    greetingTimer.stop();
    if (!linkGreeted && settings.kind == StationSettings::DccExSerial && sinceOpen.elapsed() > startUpSign)
        bootSeen = true;
    linkGreeted = true;
    if (z21() && (reply.value & Z21::ShortCircuit)) {
        fail(faultText(StationReply::ShortCircuit));
        return;
    }
    if (operation == Check) {
        end(checkSummary(reply), true);
        return;
    }
    if (z21() && (reply.value & Z21::EmergencyStop)) {
        // Programming may work in emergency stop: try, and tell.
        stopSeen = true;
        emit progress(tr("Die Zentrale ist im Nothalt; es wird trotzdem versucht."));
    }
    state = Waiting;
    if (z21())
        keepAliveTimer.start(limits.keepAlive);
    sendStep();
}

// Keep-alive answers, a board's own text, replies to earlier requests and
// a Z21's repeated result for a CV already done.
bool StationSession::passedOver(const StationReply &reply) const
{
    switch (reply.kind) {
    case StationReply::Ready:
    case StationReply::Text:
        return true;
    case StationReply::Value:
    case StationReply::NoDecoder:
    case StationReply::NoCurrentSense:
    case StationReply::NoProgrammingTrack:
        if (!z21())
            return reply.callbackNumber != callback || reply.callbackSub != callback + 1;
        for (int i = 0; i < current; ++i) {
            if (steps[i].cv == reply.cv && reply.cv != steps[current].cv)
                return true;
        }
        return false;
    default:
        return false;
    }
}

void StationSession::stepDone(const StationReply &reply)
{
    const Step step = steps[current];
    if (operation != Write) {
        const int column = step.cv - FirstCv;
        answered[column] = reply.kind == StationReply::Value;
        values[column] = answered[column] ? reply.value : -1;
        emit progress(answered[column] ? tr("CV%1 gelesen, %2 von %3").arg(step.cv).arg(current + 1).arg(CvCount)
                                       : tr("CV%1 nicht beantwortet, %2 von %3").arg(step.cv).arg(current + 1).arg(CvCount));
    } else if (step.value < 0) {
        const int wanted = steps[current - 1].value;
        if (reply.value != wanted) {
            fail(tr("CV%1 hält nach dem Schreiben %2 statt %3.").arg(step.cv).arg(reply.value).arg(wanted));
            return;
        }
        written.append(step.cv);
        emit progress(tr("CV%1 geschrieben und geprüft, %2 von %3").arg(step.cv).arg(written.size()).arg(steps.size() / 2));
    }
    ++current;
    rewritten = false;
    if (current == steps.size()) {
        if (operation == Write)
            end(writeSummary(), true);
        else if (!answered.contains(true))
            fail(faultText(StationReply::NoDecoder));
        else {
            emit mappingRead(values, answered);
            end(readSummary(), true);
        }
        return;
    }
    if (cancelling && (operation != Write || steps[current].value >= 0)) {
        end(operation == Write ? tr("Schreiben abgebrochen.") + QLatin1Char(' ') + writeSummary()
                               : tr("Lesen abgebrochen; nichts wurde übernommen."),
            true);
        return;
    }
    sendStep();
}

void StationSession::sendStep()
{
    const Step step = steps[current];
    callback = (callback + 2) % (DccEx::largestCallback + 1);
    if (step.value >= 0)
        link->send(z21() ? Z21::cvWrite(step.cv, step.value) : DccEx::cvWrite(step.cv, step.value, callback, callback + 1));
    else
        link->send(z21() ? Z21::cvRead(step.cv) : DccEx::cvRead(step.cv, callback, callback + 1));
    programmed = true;
    limitTimer.start(limits.reply);
    // A lost datagram is made up for by asking again; a write is never sent blindly twice.
    if (z21() && step.value < 0)
        resendTimer.start(limits.resend);
    else
        resendTimer.stop();
}

void StationSession::resend()
{
    if (state == Waiting && z21())
        link->send(Z21::cvRead(steps[current].cv));
}

void StationSession::linkFaulted(StationLink::Fault fault)
{
    dropLink();
    if (!isBusy()) {
        state = Idle;
        keepAliveTimer.stop();
        return;
    }
    const QString where = settings.kind == StationSettings::DccExSerial
        ? settings.serialPort
        : QStringLiteral("%1:%2").arg(settings.host).arg(settings.port);
    switch (fault) {
    case StationLink::Unreachable:
        fail(tr("Die Zentrale unter %1 ist nicht erreichbar.").arg(where));
        break;
    case StationLink::PortMissing:
        fail(tr("Den Anschluss %1 gibt es nicht.").arg(where));
        break;
    case StationLink::PortTaken:
        fail(tr("Den Anschluss %1 hält ein anderes Programm.").arg(where));
        break;
    case StationLink::Lost:
        fail(tr("Die Verbindung zur Zentrale (%1) ist abgerissen.").arg(where));
        break;
    }
}

void StationSession::timedOut()
{
    if (state != Waiting) {
        fail(tr("Die Zentrale antwortet nicht."));
        return;
    }
    const Step &step = steps[current];
    if (z21() && step.value >= 0 && !probing) {
        // Whether the write arrived, the decoder tells.
        probing = true;
        link->send(Z21::cvRead(step.cv));
        limitTimer.start(limits.reply);
        resendTimer.start(limits.resend);
        return;
    }
    fail(QStringLiteral("CV%1: %2").arg(step.cv).arg(tr("Die Zentrale antwortet nicht.")));
}

void StationSession::fail(const QString &reason)
{
    end(operation == Write ? reason + QLatin1Char(' ') + writeSummary() : reason, false);
}

void StationSession::end(const QString &message, bool success)
{
    limitTimer.stop();
    greetingTimer.stop();
    resendTimer.stop();
    QStringList text{message};
    if (link && z21()) {
        if (operation == ReadBeforeWrite && success) {
            // The write goes on once the user has answered; the keep-alive too.
            state = Holding;
            emit finished(message);
            return;
        }
        text << logOffZ21();
    }
    keepAliveTimer.stop();
    if (bootSeen) {
        text << tr("Die Zentrale ist beim Öffnen des USB-Anschlusses neu gestartet; die Gleisspannung bleibt aus, "
                   "bis Sie sie wieder einschalten.");
        bootSeen = false;
    }
    state = Idle;
    text.removeAll(QString());
    if (success)
        emit finished(text.join(QLatin1Char(' ')));
    else
        emit failed(text.join(QLatin1Char(' ')));
}

// Ends the Z21's part: track power back on if the user asked for it, the
// log-off, and what the station is left in.
QString StationSession::logOffZ21()
{
    QStringList left;
    if (stopSeen)
        left << tr("Die Zentrale war beim Verbindungsaufbau im Nothalt.");
    if (programmed && settings.powerOnAfter && !shorted) {
        link->send(Z21::trackPowerOn());
        left << tr("Die Gleisspannung ist wieder eingeschaltet.");
    } else if (programmed) {
        left << tr("Die Z21 bleibt im Programmiermodus: das Hauptgleis bleibt ohne Spannung, bis Sie die "
                   "Gleisspannung an der Zentrale oder am Handregler wieder einschalten.");
    }
    if (state != Opening)
        link->send(Z21::logoff());
    keepAliveTimer.stop();
    dropLink();
    programmed = false;
    stopSeen = false;
    return left.join(QLatin1Char(' '));
}

void StationSession::dropLink()
{
    if (!link)
        return;
    link->disconnect(this);
    link->close();
    link->deleteLater();
    link = nullptr;
    linkUp = false;
    linkGreeted = false;
}

QString StationSession::readSummary() const
{
    QVector<int> unanswered;
    for (int column = 0; column < CvCount; ++column) {
        if (!answered[column])
            unanswered.append(FirstCv + column);
    }
    if (unanswered.isEmpty())
        return tr("CV33 bis CV46 gelesen.");
    if (unanswered.size() == 1)
        return tr("Gelesen; keine Antwort für %1, sie bleibt, wie sie war.").arg(cvList(unanswered));
    return tr("Gelesen; keine Antwort für %1, diese bleiben, wie sie waren.").arg(cvList(unanswered));
}

QString StationSession::writeSummary() const
{
    QVector<int> left;
    for (int i = 0; i < steps.size(); i += 2) {
        if (!written.contains(steps[i].cv))
            left.append(steps[i].cv);
    }
    QStringList parts;
    parts << (written.isEmpty() ? tr("Nichts wurde geschrieben.")
                                : tr("Geschrieben und geprüft: %1.").arg(cvList(written)));
    if (!left.isEmpty() && !written.isEmpty())
        parts << tr("Nicht geschrieben: %1.").arg(cvList(left));
    return parts.join(QLatin1Char(' '));
}

// A read cut short: the CVs it had, none of them taken.
QString StationSession::readDone() const
{
    QVector<int> read;
    for (int i = 0; i < current; ++i)
        read.append(steps[i].cv);
    if (read.isEmpty())
        return tr("Nichts wurde gelesen.");
    return tr("Gelesen waren %1; nichts wurde übernommen.").arg(cvList(read));
}

QString StationSession::checkSummary(const StationReply &reply) const
{
    if (!z21())
        return tr("Die Zentrale antwortet: %1").arg(QString::fromLatin1(reply.text));
    QStringList status;
    status << (reply.value & Z21::TrackVoltageOff ? tr("Gleisspannung aus") : tr("Gleisspannung ein"));
    if (reply.value & Z21::EmergencyStop)
        status << tr("Nothalt");
    if (reply.value & Z21::ProgrammingMode)
        status << tr("Programmiermodus");
    return tr("Die Z21 antwortet: %1.").arg(status.join(QStringLiteral(", ")));
}

QString StationSession::faultText(StationReply::Kind kind) const
{
    switch (kind) {
    case StationReply::NoDecoder:
        return tr("Kein Decoder antwortet auf dem Programmiergleis.");
    case StationReply::ShortCircuit:
        return tr("Die Zentrale meldet einen Kurzschluss.");
    case StationReply::Stopped:
        return tr("Die Zentrale ist im Nothalt.");
    case StationReply::PowerOn:
        return tr("Die Gleisspannung wurde eingeschaltet; damit hat die Zentrale das Programmieren beendet.");
    case StationReply::Refused:
        return tr("Die Zentrale ist beschäftigt oder kennt den Befehl nicht.");
    case StationReply::NoCurrentSense:
        return tr("Das Programmiergleis kann keinen Strom messen: prüfen Sie seine Verdrahtung und die "
                  "Strommessung der Zentrale.");
    case StationReply::NoProgrammingTrack:
        return tr("Die Zentrale hat kein Programmiergleis eingerichtet.");
    case StationReply::Ready:
    case StationReply::Value:
    case StationReply::Text:
    case StationReply::Broken:
        break;
    }
    return tr("Die Zentrale hat eine unverständliche Antwort geschickt.");
}
