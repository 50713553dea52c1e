#ifndef STATIONDIALOG_H
#define STATIONDIALOG_H

#include "stationsettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// Where the command station is: its kind and its network address or serial
// port, and for a Z21 whether track power goes back on afterwards. Opens and
// sends nothing itself: "Verbindung prüfen" asks the caller to check, and the
// caller keeps what it returns.
class StationDialog : public QDialog
{
    Q_OBJECT

public:
    explicit StationDialog(const StationSettings &settings, QWidget *parent = nullptr);

    StationSettings settings() const;
    // What the check found, or how far it has come.
    void showCheck(const QString &message);
    void setChecking(bool checking);

signals:
    void checkRequested();

private:
    void kindChosen();

    QComboBox *kindBox;
    QLabel *hostLabel;
    QLineEdit *hostEdit;
    QLabel *portLabel;
    QSpinBox *portBox;
    QLabel *serialLabel;
    QComboBox *serialBox;
    QCheckBox *powerOnBox;
    QLabel *powerOnWhy;
    QPushButton *checkButton;
    QLabel *checkResult;
    StationSettings::Kind shownKind = StationSettings::None;
};

#endif
