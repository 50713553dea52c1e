#ifndef SETTINGSPORTAL_H
#define SETTINGSPORTAL_H

#include "palettechoice.h"

#include <QObject>
#include <QVariant>

class QDBusPendingCallWatcher;
class QDBusVariant;

// Takes a setting of the desktop settings portal into the appearance given;
// false for a setting that says nothing about it. Older portals hand a
// value wrapped in a second variant, newer ones in one.
bool takeSetting(DesktopAppearance &appearance, const QString &group, const QString &key, const QVariant &value);

// The desktop's appearance as the settings portal on the session bus tells
// it: asked once without waiting for the answer, so that a desktop without a
// portal starts the window as fast as ever, then followed as it changes.
class SettingsPortal : public QObject
{
    Q_OBJECT

public:
    explicit SettingsPortal(QObject *parent = nullptr);

signals:
    void appearanceChanged(const DesktopAppearance &appearance);

private slots:
    void takeAllSettings(QDBusPendingCallWatcher *call);
    void takeOneSetting(QDBusPendingCallWatcher *call);
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void readEach();
    void take(const QString &group, const QString &key, const QVariant &value);

    DesktopAppearance appearance;
};

#endif // SETTINGSPORTAL_H
