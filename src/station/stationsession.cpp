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

} // namespace

StationSession::StationSession(const StationSettings &settings, QObject *parent)
    : QObject(parent)
    , settings(settings)
{
    limitTimer.setSingleShot(true);
    connect(&limitTimer, &QTimer::timeout, this, &StationSession::timedOut);
    connect(&greetingTimer, &QTimer::timeout, this, [this] { link->send(DccEx::status()); });
    connect(&keepAliveTimer, &QTimer::timeout, this, [this] { link->send(Z21::getStatus()); });
}

void StationSession::setLimits(const Limits &newLimits)
{
    limits = newLimits;
}

bool StationSession::isBusy() const
{
    return state != Idle;
}

void StationSession::readMapping()
{
    QVector<Step> work;
    for (int cv = FirstCv; cv < FirstCv + CvCount; ++cv)
        work.append({cv, -1});
    writing = false;
    start(work);
}

void StationSession::writeMapping(const QMap<int, int> &newValues)
{
    QVector<Step> work;
    for (auto it = newValues.cbegin(); it != newValues.cend(); ++it)
        work << Step{it.key(), it.value() & 0xff} << Step{it.key(), -1};
    writing = true;
    start(work);
}

void StationSession::cancel()
{
    if (state == Idle)
        return;
    if (state == Waiting) {
        cancelling = true;
        return;
    }
    // Nothing has been asked of the decoder yet.
    end(writing ? tr("Schreiben abgebrochen; nichts wurde geschrieben.")
                : tr("Lesen abgebrochen; nichts wurde übernommen."),
        true);
}

void StationSession::start(const QVector<Step> &work)
{
    if (state != Idle)
        return;
    if (!settings.isSet()) {
        emit failed(tr("Es ist keine Zentrale eingestellt."));
        return;
    }
    steps = work;
    current = 0;
    cancelling = false;
    programmed = false;
    values = QVector<int>(CvCount, -1);
    answered = QVector<bool>(CvCount, false);
    written.clear();
    lines = DccEx::LineReader();
    if (steps.isEmpty()) {
        emit finished(tr("Keine CV weicht ab; nichts wurde geschrieben."));
        return;
    }
    state = Opening;
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
    state = Greeting;
    if (settings.kind == StationSettings::Z21Network) {
        link->send(Z21::setBroadcastFlags());
        link->send(Z21::getStatus());
    } else {
        // A board that restarts as its USB port opens misses what comes
        // before its start-up line: ask again until it answers.
        link->send(DccEx::status());
        greetingTimer.start(limits.greeting);
    }
}

void StationSession::received(const QByteArray &bytes)
{
    const QVector<StationReply> replies = settings.kind == StationSettings::Z21Network
        ? Z21::parse(bytes)
        : lines.feed(bytes);
    for (const StationReply &reply : replies) {
        if (state == Idle)
            return;
        handle(reply);
    }
}

void StationSession::handle(const StationReply &reply)
{
    if (state == Greeting) {
        switch (reply.kind) {
        case StationReply::Ready:
            state = Waiting;
            greetingTimer.stop();
            if (settings.kind == StationSettings::Z21Network)
                keepAliveTimer.start(limits.keepAlive);
            sendStep();
            return;
        case StationReply::ShortCircuit:
        case StationReply::Stopped:
            fail(faultText(reply.kind));
            return;
        default: // what a starting board or an earlier client left behind
            return;
        }
    }
    if (state != Waiting || reply.kind == StationReply::Ready)
        return;
    const int cv = steps[current].cv;
    if ((reply.kind == StationReply::Value || reply.kind == StationReply::NoDecoder) && reply.cv != -1
        && reply.cv != cv) {
        fail(tr("Die Zentrale hat für CV%1 geantwortet, gefragt war CV%2.").arg(reply.cv).arg(cv));
        return;
    }
    if (reply.kind == StationReply::Value || (reply.kind == StationReply::NoDecoder && !writing))
        stepDone(reply);
    else
        fail(QStringLiteral("CV%1: %2").arg(cv).arg(faultText(reply.kind)));
}

void StationSession::stepDone(const StationReply &reply)
{
    const Step step = steps[current];
    if (!writing) {
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
    if (current == steps.size()) {
        if (writing)
            end(writeSummary(), true);
        else if (!answered.contains(true))
            fail(faultText(StationReply::NoDecoder));
        else {
            emit mappingRead(values, answered);
            end(readSummary(), true);
        }
        return;
    }
    if (cancelling && (!writing || steps[current].value >= 0)) {
        end(writing ? tr("Schreiben abgebrochen.") + QLatin1Char(' ') + writeSummary()
                    : tr("Lesen abgebrochen; nichts wurde übernommen."),
            true);
        return;
    }
    sendStep();
}

void StationSession::sendStep()
{
    const Step step = steps[current];
    const bool z21 = settings.kind == StationSettings::Z21Network;
    if (step.value >= 0)
        link->send(z21 ? Z21::cvWrite(step.cv, step.value) : DccEx::cvWrite(step.cv, step.value));
    else
        link->send(z21 ? Z21::cvRead(step.cv) : DccEx::cvRead(step.cv));
    programmed = true;
    limitTimer.start(limits.reply);
}

void StationSession::linkFaulted(StationLink::Fault fault)
{
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
    if (state == Waiting)
        fail(QStringLiteral("CV%1: %2").arg(steps[current].cv).arg(tr("Die Zentrale antwortet nicht.")));
    else
        fail(tr("Die Zentrale antwortet nicht."));
}

void StationSession::fail(const QString &reason)
{
    end(writing ? reason + QLatin1Char(' ') + writeSummary() : reason, false);
}

void StationSession::end(const QString &message, bool success)
{
    limitTimer.stop();
    greetingTimer.stop();
    keepAliveTimer.stop();
    if (link) {
        if (settings.kind == StationSettings::Z21Network && state != Opening)
            link->send(Z21::logoff());
        link->disconnect(this);
        link->close();
        link->deleteLater();
        link = nullptr;
    }
    state = Idle;
    const QString stateText = stationState();
    const QString text = stateText.isEmpty() ? message : message + QLatin1Char(' ') + stateText;
    if (success)
        emit finished(text);
    else
        emit failed(text);
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

QString StationSession::stationState() const
{
    if (settings.kind == StationSettings::Z21Network && programmed)
        return tr("Die Z21 bleibt im Programmiermodus: das Hauptgleis bleibt ohne Spannung, bis Sie die "
                  "Gleisspannung an der Zentrale oder am Handregler wieder einschalten.");
    if (settings.kind == StationSettings::DccExSerial)
        return tr("Das Öffnen des USB-Anschlusses startet viele DCC-EX-Zentralen neu; dann bleibt die "
                  "Gleisspannung aus, bis Sie sie wieder einschalten.");
    return QString();
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
    case StationReply::Refused:
        return tr("Die Zentrale ist beschäftigt oder kennt den Befehl nicht.");
    case StationReply::Ready:
    case StationReply::Value:
    case StationReply::Broken:
        break;
    }
    return tr("Die Zentrale hat eine unverständliche Antwort geschickt.");
}
