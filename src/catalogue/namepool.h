#ifndef NAMEPOOL_H
#define NAMEPOOL_H

#include <QHash>
#include <QString>
#include <QStringView>

// Decoder lists give the same output names over and over ("Licht
// vorwärts"): equal names share one string. Only the first names met are
// kept for sharing, so a list of names that all differ costs no more.
class NamePool
{
public:
    QString name(const QStringRef &text)
    {
        const auto known = names.constFind(QStringView(text));
        if (known != names.constEnd())
            return *known;
        const QString name = text.toString();
        // The key looks at the kept string's own characters, which never move.
        if (names.size() < MaxShared)
            names.insert(QStringView(name), name);
        return name;
    }

private:
    static constexpr int MaxShared = 1024;
    QHash<QStringView, QString> names;
};

#endif // NAMEPOOL_H
