// Feeds arbitrary bytes to the JMRI library reader as a family file that may
// include itself (as part.xml), and aborts when a section it writes does not
// read back through the decoders.ini reader as one type of the same name, or
// the list checker finds anything in it, or the reading takes unbounded time.
#include "checkersupport.h"
#include "jmrilibrary.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    static const bool made = QDir(folder.path()).mkpath(QStringLiteral("xml/decoders"));
    require(made);
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(qMin<std::size_t>(size, 1 << 20)));
    const QDir decoders(folder.filePath(QStringLiteral("xml/decoders")));
    writeFile(decoders.filePath(QStringLiteral("f.xml")), bytes);
    writeFile(decoders.filePath(QStringLiteral("part.xml")), bytes);

    QElapsedTimer timer;
    timer.start();
    const JmriListing listing = listJmriLibrary(decoders.filePath(QStringLiteral("f.xml")), QString(), "de");
    require(timer.elapsed() < 5000);
    for (const JmriSection &section : listing.sections) {
        const QByteArray lines = section.lines.toUtf8();
        const QVector<DecoderType> types = shownTypes(lines);
        require(types.size() == 1 && types.first().name == section.name);
        require(checkList(lines).findings.isEmpty());
    }
    return 0;
}
