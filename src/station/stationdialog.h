#ifndef STATIONDIALOG_H
#define STATIONDIALOG_H

#include "stationsettings.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// Where the command station is: its kind and its network address or serial
// port. Opens and sends nothing; the caller keeps what it returns.
class StationDialog : public QDialog
{
    Q_OBJECT

public:
    explicit StationDialog(const StationSettings &settings, QWidget *parent = nullptr);

    StationSettings settings() const;

private:
    void kindChosen();

    QComboBox *kindBox;
    QLabel *hostLabel;
    QLineEdit *hostEdit;
    QLabel *portLabel;
    QSpinBox *portBox;
    QLabel *serialLabel;
    QComboBox *serialBox;
    StationSettings::Kind shownKind = StationSettings::None;
};

#endif
