#include "decodertransfer.h"

#include "choiceframe.h"
#include "stationdialog.h"
#include "stationsession.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QWidget>

const char *const DecoderTransfer::settingsOrganization = "function-mapping";

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("MainWindow", source);
}

} // namespace

DecoderTransfer::DecoderTransfer(ValuesEditor *valuesEditor, QWidget *mainWindow)
    : QObject(valuesEditor), editor(valuesEditor), window(mainWindow), cancelAction(new QAction(this))
{
    editor->addMenuSeparator();
    editor->addAction(QStringLiteral("readDecoderAction"), QT_TRANSLATE_NOOP("MainWindow", "Vom Decoder lesen"),
                      {QKeySequence(Qt::CTRL | Qt::Key_R)}, [this] { read(); }, [this] { return canStart(); });
    editor->addAction(QStringLiteral("writeDecoderAction"),
                      QT_TRANSLATE_NOOP("MainWindow", "In den Decoder schreiben …"), {}, [this] { write(); },
                      [this] { return canStart(); });
    editor->addAction(QStringLiteral("stationAction"), QT_TRANSLATE_NOOP("MainWindow", "Verbindung zur Zentrale …"),
                      {}, [this] { chooseStation(); }, [this] { return stage == Idle; });
    editor->addAction(QStringLiteral("disconnectStationAction"), QT_TRANSLATE_NOOP("MainWindow", "Verbindung trennen"),
                      {}, [this] { disconnectStation(); },
                      [this] { return stage == Idle && session && session->isConnected(); });
    // Esc is the value editor's and the menus' own but while a transfer runs.
    cancelAction->setObjectName(QStringLiteral("cancelTransferAction"));
    cancelAction->setText(text(QT_TRANSLATE_NOOP("MainWindow", "Lesen oder Schreiben abbrechen")));
    cancelAction->setShortcut(Qt::Key_Escape);
    cancelAction->setShortcutContext(Qt::WindowShortcut);
    cancelAction->setEnabled(false);
    connect(cancelAction, &QAction::triggered, this, [this] {
        if (stage == Idle)
            return;
        session->cancel();
        editor->tell(text(QT_TRANSLATE_NOOP("MainWindow", "Wird abgebrochen, sobald die laufende CV fertig ist.")));
    });
    window->addAction(cancelAction);
    window->installEventFilter(this);
}

bool DecoderTransfer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window || event->type() != QEvent::Close || !session)
        return false;
    if (stage == Idle) {
        // The port goes free for other programs as the window goes.
        session->release();
        return false;
    }
    event->ignore();
    closeWhenDone = true;
    session->cancel();
    editor->tell(text(QT_TRANSLATE_NOOP("MainWindow", "Das Fenster schließt, sobald die laufende CV fertig ist.")));
    return true;
}

bool DecoderTransfer::canStart() const
{
    return stage == Idle && editor->isTypeOnShow();
}

// The keys answer even where the menu would not offer the entry, and say why nothing happens.
bool DecoderTransfer::mayStart(const QString &noType)
{
    if (stage != Idle) {
        editor->tell(text(QT_TRANSLATE_NOOP("MainWindow", "Die Zentrale ist noch bei der Arbeit; Esc bricht ab.")));
        return false;
    }
    if (!editor->isTypeOnShow()) {
        editor->tell(noType);
        return false;
    }
    return true;
}

void DecoderTransfer::read()
{
    if (!mayStart(text(QT_TRANSLATE_NOOP("MainWindow", "Nichts gelesen: es ist kein Decodertyp gewählt."))))
        return;
    if (!readyFor(text(QT_TRANSLATE_NOOP("MainWindow", "Jeder Decoder auf dem Programmiergleis wird gelesen.")))) {
        editor->tell(text(QT_TRANSLATE_NOOP("MainWindow", "Nichts gelesen.")));
        return;
    }
    start(Reading, *station)->readMapping();
}

void DecoderTransfer::write()
{
    if (!mayStart(text(QT_TRANSLATE_NOOP("MainWindow", "Nichts geschrieben: es ist kein Decodertyp gewählt."))))
        return;
    if (!readyFor(text(QT_TRANSLATE_NOOP("MainWindow",
                                         "Jeder Decoder auf dem Programmiergleis wird gelesen und beschrieben.")))) {
        editor->tell(text(QT_TRANSLATE_NOOP("MainWindow", "Nichts geschrieben.")));
        return;
    }
    // The locomotive on the track may have changed since the last read.
    start(ReadingBeforeWrite, *station)->readBeforeWrite();
}

void DecoderTransfer::loadStation()
{
    if (!station)
        station = StationSettings::load(QSettings(settingsOrganization, QCoreApplication::applicationName()));
}

bool DecoderTransfer::chooseStation()
{
    loadStation();
    StationDialog dialog(*station, window);
    frameFields(&dialog);
    connect(&dialog, &StationDialog::checkRequested, this, [this, &dialog] { check(&dialog); });
    const int result = dialog.exec();
    if (stage == Checking)
        session->cancel();
    if (result == QDialog::Accepted) {
        station = dialog.settings();
        QSettings store(settingsOrganization, QCoreApplication::applicationName());
        station->save(store);
    }
    // A changed connection, or a check of one not kept, leaves no link open.
    keepOnlyLinkTo(*station);
    return result == QDialog::Accepted;
}

void DecoderTransfer::keepOnlyLinkTo(const StationSettings &settings)
{
    if (session && !session->station().reachesSameAs(settings)) {
        delete session;
        session = nullptr;
    }
}

// The link a check opens stays open for the reads and writes that follow.
void DecoderTransfer::check(StationDialog *dialog)
{
    const StationSettings wanted = dialog->settings();
    if (stage != Idle || !wanted.isSet())
        return;
    checkingDialog = dialog;
    dialog->setChecking(true);
    start(Checking, wanted)->checkConnection();
}

void DecoderTransfer::disconnectStation()
{
    if (stage != Idle || !session)
        return;
    session->release();
    editor->tell(text(QT_TRANSLATE_NOOP("MainWindow", "Die Verbindung zur Zentrale ist getrennt.")));
}

bool DecoderTransfer::readyFor(const QString &what)
{
    loadStation();
    if (!station->isSet())
        chooseStation();
    if (!station->isSet())
        return false;
    if (!warned) {
        const QString warning = text(QT_TRANSLATE_NOOP(
            "MainWindow", "Die Zentrale schaltet dazu auf ihr Programmiergleis. Bei vielen Zentralen, auch bei "
                          "der Z21, hält das jeden Zug auf der Anlage an."));
        QString afterwards;
        if (station->kind == StationSettings::Z21Network)
            afterwards = QLatin1Char(' ')
                + (station->powerOnAfter
                       ? text(QT_TRANSLATE_NOOP("MainWindow", "Danach wird die Gleisspannung wieder eingeschaltet; "
                                                              "Züge fahren dann mit ihrer letzten Geschwindigkeit weiter."))
                       : text(QT_TRANSLATE_NOOP("MainWindow", "Danach bleibt die Gleisspannung aus, bis Sie sie "
                                                              "wieder einschalten.")));
        warned = ask(text(QT_TRANSLATE_NOOP("MainWindow", "Programmiergleis")),
                     warning + afterwards + QLatin1Char(' ') + what, text(QT_TRANSLATE_NOOP("MainWindow", "&Weiter")));
    }
    return warned;
}

StationSession *DecoderTransfer::start(Stage next, const StationSettings &settings)
{
    stage = next;
    keepOnlyLinkTo(settings);
    if (!session) {
        session = new StationSession(settings, this);
        connect(session, &StationSession::progress, this, &DecoderTransfer::progress);
        connect(session, &StationSession::mappingRead, this,
                [this](const QVector<int> &values, const QVector<bool> &got) {
                    decoderValues = values;
                    answered = got;
                });
        // Handled once the session has returned: a question asked then must not run inside its reply.
        connect(session, &StationSession::finished, this, &DecoderTransfer::finished, Qt::QueuedConnection);
        connect(session, &StationSession::failed, this, &DecoderTransfer::failed, Qt::QueuedConnection);
    }
    session->setPowerOnAfter(settings.powerOnAfter);
    decoderValues.clear();
    answered.clear();
    cancelAction->setEnabled(true);
    return session;
}

void DecoderTransfer::progress(const QString &message)
{
    if (stage == Checking && checkingDialog)
        checkingDialog->showCheck(message);
    else
        editor->tell(message);
}

void DecoderTransfer::finished(const QString &message)
{
    const Stage was = end();
    if (was == Checking && checkingDialog)
        checkingDialog->showCheck(message);
    else if (was == Reading)
        applyRead(message);
    else if (was == ReadingBeforeWrite && !closeWhenDone)
        confirmWrite(message);
    else
        editor->tell(message);
    if (closeWhenDone)
        window->close();
}

void DecoderTransfer::failed(const QString &message)
{
    const Stage was = end();
    if (was == Checking && checkingDialog) {
        checkingDialog->showCheck(message);
        return;
    }
    editor->tell(was == ReadingBeforeWrite
                     ? text(QT_TRANSLATE_NOOP("MainWindow", "Nichts geschrieben.")) + QLatin1Char(' ') + message
                     : message);
    if (closeWhenDone)
        window->close();
}

DecoderTransfer::Stage DecoderTransfer::end()
{
    const Stage was = stage;
    stage = Idle;
    cancelAction->setEnabled(false);
    if (checkingDialog)
        checkingDialog->setChecking(false);
    return was;
}

// As a paste: locked columns keep what they show, unanswered CVs too.
void DecoderTransfer::applyRead(const QString &message)
{
    if (!editor->isTypeOnShow() || decoderValues.size() != CvCount) {
        editor->tell(message);
        return;
    }
    const std::array<bool, CvCount> locked = editor->lockedColumns();
    ValueTexts values = editor->valuesOnShow();
    QStringList kept;
    for (int column = 0; column < CvCount; ++column) {
        if (!answered[column])
            continue;
        const QString value = QString::number(decoderValues[column]);
        if (!locked[column])
            values[column] = value;
        else if (values[column] != value)
            kept << QStringLiteral("CV%1").arg(FirstCv + column);
    }
    QString notice = message;
    if (!kept.isEmpty())
        notice += QLatin1Char(' ') + text(QT_TRANSLATE_NOOP("MainWindow", "Gesperrt und nicht übernommen: %1."))
                                         .arg(kept.join(QStringLiteral(", ")));
    editor->applyValues(values, text(QT_TRANSLATE_NOOP("MainWindow", "Vom Decoder lesen")), notice);
}

void DecoderTransfer::confirmWrite(const QString &readMessage)
{
    if (!editor->isTypeOnShow()) {
        writeNothing(text(QT_TRANSLATE_NOOP("MainWindow", "Nichts geschrieben.")) + QLatin1Char(' ') + readMessage);
        return;
    }
    const std::array<bool, CvCount> locked = editor->lockedColumns();
    QVector<int> typed;
    for (const QString &value : editor->valuesOnShow())
        typed.append(value.toInt());
    const MappingChanges changes = mappingChanges(decoderValues, answered, typed,
                                                  QVector<bool>(locked.cbegin(), locked.cend()));
    if (changes.changes.isEmpty()) {
        writeNothing(text(QT_TRANSLATE_NOOP("MainWindow", "Nichts geschrieben: keine CV weicht ab.")) + QLatin1Char(' ')
                     + readMessage);
        return;
    }
    const QString question = text(QT_TRANSLATE_NOOP("MainWindow", "Diese CVs werden geschrieben:")) + QLatin1Char('\n')
        + changes.lines().join(QLatin1Char('\n'));
    if (!ask(text(QT_TRANSLATE_NOOP("MainWindow", "In den Decoder schreiben")), question,
             text(QT_TRANSLATE_NOOP("MainWindow", "&Schreiben")))) {
        writeNothing(text(QT_TRANSLATE_NOOP("MainWindow", "Nichts geschrieben.")) + QLatin1Char(' ') + readMessage);
        return;
    }
    start(Writing, *station)->writeMapping(changes.toWrite());
}

void DecoderTransfer::writeNothing(const QString &message)
{
    const QString left = session->endWrite();
    editor->tell(left.isEmpty() ? message : message + QLatin1Char(' ') + left);
}

// A question the keyboard answers: Enter goes ahead, Esc does nothing.
bool DecoderTransfer::ask(const QString &title, const QString &question, const QString &go)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, window);
    QPushButton *goButton = box.addButton(go, QMessageBox::AcceptRole);
    box.addButton(text(QT_TRANSLATE_NOOP("MainWindow", "Abbrechen")), QMessageBox::RejectRole);
    box.setDefaultButton(goButton);
    box.exec();
    return box.clickedButton() == goButton;
}
