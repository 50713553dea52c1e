#include "jmrilibrary.h"

#include "definitionline.h"
#include "jmrifamily.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

namespace {

// A JMRI library holds about 2,500 family files; a folder with many more is
// some other folder, and reading it all would keep the user waiting for nothing.
constexpr int MaxFamilyFiles = 5000;

// JMRI's xml/decoders folder at or above `folder`, which includes name; the
// folder itself where there is none.
QString decodersRoot(const QString &folder)
{
    QDir dir(folder);
    do {
        if (dir.dirName() == QLatin1String("decoders")) {
            QDir parent = dir;
            if (parent.cdUp() && parent.dirName() == QLatin1String("xml"))
                return dir.absolutePath();
        }
    } while (dir.cdUp());
    return QDir(folder).absolutePath();
}

// The family files that `path` stands for, or a sentence why there are none.
QStringList familyFiles(const QString &path, QString &trouble)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        trouble = JmriText::tr("%1: no such file or folder").arg(path);
        return {};
    }
    if (info.isFile()) {
        // The index lists what the decoders folder beside it holds.
        if (info.fileName() == QLatin1String("decoderIndex.xml"))
            return familyFiles(info.dir().filePath(QStringLiteral("decoders")), trouble);
        return {path};
    }
    QDir folder(path);
    // An installation or its xml folder stands for the library inside it.
    for (const QString &inside : {QStringLiteral("xml/decoders"), QStringLiteral("decoders")}) {
        if (QFileInfo(folder.filePath(inside)).isDir())
            return familyFiles(folder.filePath(inside), trouble);
    }
    const QStringList names = folder.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
    if (names.size() > MaxFamilyFiles) {
        trouble = JmriText::tr("%1: holds %2 XML files, more than the %3 a decoder library has: name one family file "
                       "or JMRI's xml/decoders folder")
                      .arg(path)
                      .arg(names.size())
                      .arg(MaxFamilyFiles);
        return {};
    }
    if (names.isEmpty()) {
        trouble = JmriText::tr("%1: holds no decoder definitions (.xml files)").arg(path);
        return {};
    }
    QStringList files;
    for (const QString &name : names)
        files.append(folder.filePath(name));
    return files;
}

bool contains(const QString &text, const QString &filter)
{
    return text.contains(filter, Qt::CaseInsensitive);
}

// The files read on every core: a library is thousands of files, each read
// alone. Each thread keeps the fragments it has read for itself.
QVector<JmriFamily> readFamilies(const QStringList &files, const QString &root, const QString &language)
{
    QVector<JmriFamily> families(files.size());
    JmriFamily *const read = families.data(); // detached here, before the threads write to it
    std::atomic<int> next{0};
    const auto readSome = [&] {
        JmriFileCache cache;
        for (int file = next++; file < files.size(); file = next++)
            read[file] = readJmriFamily(files.at(file), root, language, cache);
    };
    std::vector<std::unique_ptr<QThread>> helpers;
    const int threads = qBound(1, files.size() / 64, QThread::idealThreadCount());
    for (int helper = 1; helper < threads; ++helper) {
        helpers.emplace_back(QThread::create(readSome));
        helpers.back()->start();
    }
    readSome();
    for (const auto &helper : helpers)
        helper->wait();
    return families;
}

} // namespace

JmriListing listJmriLibrary(const QString &path, const QString &filter, const QString &language)
{
    JmriListing listing;
    QString trouble;
    const QStringList files = familyFiles(path, trouble);
    if (!trouble.isEmpty())
        listing.troubles.append(trouble);
    if (files.isEmpty())
        return listing;
    const QString root = decodersRoot(QFileInfo(files.first()).absolutePath());

    struct Chosen
    {
        int family, model;
        QString name;
    };
    QVector<JmriFamily> families;
    QVector<Chosen> chosen;
    QHash<QString, int> plainNames;
    for (JmriFamily &family : readFamilies(files, root, language)) {
        if (!family.error.isEmpty()) {
            listing.troubles.append(family.error);
            continue;
        }
        for (int model = 0; model < family.models.size(); ++model) {
            const JmriModel &found = family.models.at(model);
            if (!found.shown)
                continue;
            QStringList words{writableName(family.manufacturer), writableName(found.name)};
            words.removeAll(QString());
            const QString name = words.join(QLatin1Char(' '));
            // Named alike or not is decided on the whole library, so that lists
            // made with different filters can be appended to one another.
            ++plainNames[name];
            if (contains(family.manufacturer, filter) || contains(family.name, filter) || contains(found.name, filter))
                chosen.append({int(families.size()), model, name});
        }
        families.append(std::move(family));
    }

    // The same model in two families, or a name left empty, takes its family's name.
    QHash<QString, int> taken;
    for (Chosen &type : chosen) {
        const JmriFamily &family = families.at(type.family);
        if (plainNames.value(type.name) > 1 || type.name.isEmpty()) {
            const QString familyName = writableName(family.name);
            type.name = type.name.isEmpty() ? familyName : QStringLiteral("%1 (%2)").arg(type.name, familyName);
        }
        if (type.name.isEmpty())
            type.name = JmriText::tr("JMRI decoder");
        const int before = taken[type.name]++;
        QString name = type.name;
        if (before > 0)
            name = QStringLiteral("%1 %2").arg(type.name).arg(before + 1);
        JmriSection section = jmriSection(family, family.models.at(type.model), name);
        if (before > 0)
            section.notPlaced.append(JmriText::tr("another model is also named '%1', so this one is called '%2'")
                                         .arg(type.name, name));
        if (parseDefinitionLine(QLatin1Char('[') + name + QLatin1Char(']')).text != name)
            section.notPlaced.append(JmriText::tr("its name cannot be written so that it reads back"));
        listing.sections.append(section);
    }
    return listing;
}
