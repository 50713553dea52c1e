#ifndef DECODERTRANSFER_H
#define DECODERTRANSFER_H

#include "mappingchanges.h"
#include "stationsettings.h"
#include "valueseditor.h"

#include <QObject>
#include <QPointer>
#include <QVector>

#include <optional>

class QAction;
class QWidget;
class StationDialog;
class StationSession;

// Reading the decoder on the programming track into the values on show and
// writing them back, as entries of the grid's context menu. The station is
// neither opened nor looked up in the settings until the user asks for a
// read, a write or the connection dialog. The session, and with it a DCC-EX
// link, lasts until the window closes, the connection changes or the user
// disconnects.
class DecoderTransfer : public QObject
{
    Q_OBJECT

public:
    DecoderTransfer(ValuesEditor *editor, QWidget *window);

    // Where the station's settings are kept: this program's own, under the name it runs as.
    static const char *const settingsOrganization;

    // A close of the window during a transfer waits for the CV under way;
    // then the link closes.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum Stage { Idle, Reading, ReadingBeforeWrite, Writing, Checking };

    void read();
    void write();
    void loadStation();
    bool chooseStation();
    void check(StationDialog *dialog);
    void disconnectStation();
    void keepOnlyLinkTo(const StationSettings &settings);
    // The station is set and the user knows what a transfer does: asked once a run.
    bool readyFor(const QString &what);
    bool canStart() const;
    bool mayStart(const QString &noType);
    StationSession *start(Stage stage, const StationSettings &settings);
    void progress(const QString &message);
    void finished(const QString &message);
    void failed(const QString &message);
    void applyRead(const QString &message);
    void confirmWrite(const QString &readMessage);
    // A write that ends before writing: the session lets the station go.
    void writeNothing(const QString &message);
    // The session's end: the stage it was in.
    Stage end();
    bool ask(const QString &title, const QString &text, const QString &go);

    ValuesEditor *editor;
    QWidget *window;
    QAction *cancelAction;
    std::optional<StationSettings> station;
    bool warned = false;
    bool closeWhenDone = false;
    Stage stage = Idle;
    StationSession *session = nullptr;
    QPointer<StationDialog> checkingDialog;
    QVector<int> decoderValues;
    QVector<bool> answered;
};

#endif // DECODERTRANSFER_H
