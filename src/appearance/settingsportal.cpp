#include "settingsportal.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString SettingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString AppearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString GnomeAccessibilityGroup = QStringLiteral("org.gnome.desktop.a11y.interface");

struct Setting
{
    QString group;
    QString key;
};

const Setting Watched[] = {
    {AppearanceGroup, QStringLiteral("contrast")},
    {AppearanceGroup, QStringLiteral("color-scheme")},
    {GnomeAccessibilityGroup, QStringLiteral("high-contrast")},
};

QVariant unwrapped(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    if (value.userType() == qMetaTypeId<QDBusArgument>()) {
        QDBusVariant inner;
        value.value<QDBusArgument>() >> inner;
        return unwrapped(inner.variant());
    }
    return value;
}

QDBusMessage settingsCall(const QString &method)
{
    return QDBusMessage::createMethodCall(PortalService, PortalPath, SettingsInterface, method);
}

} // namespace

bool takeSetting(DesktopAppearance &appearance, const QString &group, const QString &key, const QVariant &value)
{
    const QVariant plain = unwrapped(value);
    if (group == AppearanceGroup && key == QLatin1String("contrast"))
        appearance.highContrast = plain.toUInt() == 1;
    else if (group == AppearanceGroup && key == QLatin1String("color-scheme"))
        appearance.dark = plain.toUInt() == 1;
    else if (group == GnomeAccessibilityGroup && key == QLatin1String("high-contrast"))
        appearance.gnomeHighContrast = plain.toBool();
    else
        return false;
    return true;
}

SettingsPortal::SettingsPortal(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(PortalService, PortalPath, SettingsInterface, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QString, QString, QDBusVariant)));
    QDBusMessage readAll = settingsCall(QStringLiteral("ReadAll"));
    readAll << QStringList{AppearanceGroup, GnomeAccessibilityGroup};
    connect(new QDBusPendingCallWatcher(bus.asyncCall(readAll), this), &QDBusPendingCallWatcher::finished, this,
            &SettingsPortal::takeAllSettings);
}

void SettingsPortal::takeAllSettings(QDBusPendingCallWatcher *call)
{
    call->deleteLater();
    const QDBusPendingReply<> reply = *call;
    if (reply.isError()) {
        // No portal at all: the window stays as it started.
        if (reply.error().type() != QDBusError::ServiceUnknown)
            readEach();
        return;
    }
    const QDBusArgument groups = reply.reply().arguments().value(0).value<QDBusArgument>();
    DesktopAppearance read = appearance;
    groups.beginMap();
    while (!groups.atEnd()) {
        QString group;
        QVariantMap values;
        groups.beginMapEntry();
        groups >> group >> values;
        groups.endMapEntry();
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            takeSetting(read, group, value.key(), value.value());
    }
    groups.endMap();
    if (!(read == appearance)) {
        appearance = read;
        emit appearanceChanged(appearance);
    }
}

// A portal that lacks ReadAll still answers Read, setting by setting.
void SettingsPortal::readEach()
{
    for (const Setting &setting : Watched) {
        QDBusMessage read = settingsCall(QStringLiteral("Read"));
        read << setting.group << setting.key;
        auto *call = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(read), this);
        call->setProperty("group", setting.group);
        call->setProperty("key", setting.key);
        connect(call, &QDBusPendingCallWatcher::finished, this, &SettingsPortal::takeOneSetting);
    }
}

void SettingsPortal::takeOneSetting(QDBusPendingCallWatcher *call)
{
    call->deleteLater();
    const QDBusPendingReply<> reply = *call;
    if (!reply.isError())
        take(call->property("group").toString(), call->property("key").toString(),
             reply.reply().arguments().value(0));
}

void SettingsPortal::settingChanged(const QString &group, const QString &key, const QDBusVariant &value)
{
    take(group, key, value.variant());
}

void SettingsPortal::take(const QString &group, const QString &key, const QVariant &value)
{
    DesktopAppearance changed = appearance;
    if (!takeSetting(changed, group, key, value) || changed == appearance)
        return;
    appearance = changed;
    emit appearanceChanged(appearance);
}
