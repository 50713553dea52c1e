#include "catalogueloader.h"

#include "textencoding.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QStringBuilder>
#include <QTextCodec>
#include <QTextStream>

#include <utility>

namespace {

// Quoting leaves such a text as it stands; any other character may be escaped.
bool isPlainAscii(const QStringRef &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e || c == QLatin1Char('"') || c == QLatin1Char('\\'))
            return false;
    }
    return true;
}

// Writes the message `qDebug() << position << text` writes, to the same
// handler with the same context. A plain text is quoted here, in a buffer
// kept from line to line: a QDebug stream per message costs more than
// reading the line it reports.
void reportCvValue(int position, const QStringRef &text, QString &buffer)
{
    // Each position with the blank and the opening quote that follow it.
    static const char *const starts[] = {"0 \"", "1 \"", "2 \"", "3 \"", "4 \"", "5 \"", "6 \"",
                                         "7 \"", "8 \"", "9 \"", "10 \"", "11 \"", "12 \"", "13 \""};
    static_assert(sizeof starts / sizeof *starts == CvCount, "one start for each CV");
    if (position < 0 || position >= CvCount || !isPlainAscii(text)) {
        qDebug() << position << text.toString();
        return;
    }
    buffer.resize(0);
    buffer += QLatin1String(starts[position]) % text % QLatin1Char('"');
    const QMessageLogContext context(QT_MESSAGELOG_FILE, QT_MESSAGELOG_LINE, QT_MESSAGELOG_FUNC, "default");
    qt_message_output(QtDebugMsg, context, buffer);
}

// Looks at the whole file before its first line is read. Mapped, it is not
// copied, and it is let go before the reading that builds the catalogue.
DefinitionEncoding encodingOfFile(QFile &file)
{
    const qint64 size = file.size();
    if (uchar *bytes = file.map(0, size)) {
        const DefinitionEncoding encoding = definitionEncoding(reinterpret_cast<const char *>(bytes), size);
        file.unmap(bytes);
        return encoding;
    }
    // Empty, or on a file system that cannot map it.
    const QByteArray bytes = file.readAll();
    file.seek(0);
    return definitionEncoding(bytes.constData(), bytes.size());
}

} // namespace

CatalogueReader::CatalogueReader(QTextStream &stream)
    : stream(stream)
{
}

bool CatalogueReader::readLine()
{
    if (!stream.readLineInto(&current))
        return false;
    ++number;
    parsed = parseDefinitionLineInPlace(current);
    switch (parsed.kind) {
    case DefinitionLine::SectionHeader:
        // An unnamed section gets no combo entry, so keeping its record
        // would pair every later entry with the wrong decoder type.
        if (inPreamble || !pending.name.isEmpty())
            catalogue.append(std::move(pending));
        inPreamble = false;
        pending.name = parsed.text.toString();
        pending.outputNames = defaultOutputNames();
        pending.cvValues.fill(0);
        break;
    case DefinitionLine::OutputName:
        // The preamble has no labels to name.
        if (parsed.number <= pending.outputNames.size())
            pending.outputNames[parsed.number - 1] = outputNames.name(parsed.text);
        break;
    case DefinitionLine::CvValue:
        reportCvValue(parsed.number - FirstCv, parsed.text, message);
        pending.cvValues[parsed.number - FirstCv] = parsed.value;
        break;
    case DefinitionLine::Ignored:
        break;
    }
    return true;
}

QVector<DecoderType> CatalogueReader::finish()
{
    if (!pending.name.isEmpty())
        catalogue.append(std::move(pending));
    pending = DecoderType();
    return std::move(catalogue);
}

QVector<DecoderType> readCatalogue(QTextStream &stream)
{
    CatalogueReader reader(stream);
    while (reader.readLine()) {
    }
    return reader.finish();
}

DefinitionFile::DefinitionFile(const QString &path)
    : file(path)
{
    const QFileInfo info(path);
    // A pipe or a device would block start-up or never end.
    if (!info.exists())
        openState = Missing;
    else if (info.isDir())
        openState = Folder;
    else if (!info.isFile())
        openState = NotRegular;
    else if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        openState = Unreadable;
    else
        openState = Opened;
    if (openState != Opened)
        return;
    decided = encodingOfFile(file);
    text.setDevice(&file);
    text.setCodec(decided.codec);
}

QString DefinitionFile::errorString() const
{
    return file.errorString();
}

QVector<DecoderType> readCatalogueFile(const QString &path)
{
    DefinitionFile file(path);
    if (file.state() != DefinitionFile::Opened)
        return {};
    return readCatalogue(file.stream());
}
