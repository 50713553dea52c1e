// Feeds arbitrary bytes to the decoders.ini reader, line by line and as a whole,
// and aborts when a result breaks what the rest of the program relies on or
// differs from a plain restatement of the file rules below. The list checker
// reads the same bytes: its findings must point into the file, and its
// listing of the decoder types must read back to the same types. The paste
// reader reads the bytes as clipboard text: it must keep to its promises in
// bounded time, and read each type's lines back to the type's values.
#include "catalogueloader.h"
#include "checkersupport.h"
#include "definitionline.h"
#include "pastedvalues.h"
#include "textencoding.h"

#include <QBuffer>
#include <QDebug>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTextStream>

#include <cstdint>
#include <cstdlib>

namespace {

QStringList *capturedMessages = nullptr;

// Each CV line read writes a debug message: kept for comparison while a list
// is set, dropped otherwise, so that millions of them never reach the terminal.
void captureMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (capturedMessages && type == QtDebugMsg)
        capturedMessages->append(message);
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// The rules in their plainest form: the number after a prefix runs to the first blank.
int referenceNumber(const QString &line, int prefixLength)
{
    const int blank = line.indexOf(QLatin1Char(' '), prefixLength);
    return blank < 0 ? 0 : line.mid(prefixLength, blank - prefixLength).toInt();
}

DefinitionLine referenceParse(const QString &line)
{
    DefinitionLine parsed;
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
        parsed.kind = DefinitionLine::SectionHeader;
        parsed.text = line.mid(1, line.size() - 2);
    } else if (line.startsWith(QLatin1Char('i'))) {
        const int number = referenceNumber(line, 1);
        if (number >= 1 && number <= OutputCount) {
            parsed.kind = DefinitionLine::OutputName;
            parsed.number = number;
            parsed.text = line.mid(line.indexOf(QLatin1Char('"')) + 1);
            parsed.text.chop(1);
        }
    } else if (line.startsWith(QLatin1String("CV"))) {
        const int number = referenceNumber(line, 2);
        if (number >= FirstCv && number < FirstCv + CvCount) {
            parsed.kind = DefinitionLine::CvValue;
            parsed.number = number;
            parsed.text = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
            parsed.value = parsed.text.toInt();
        }
    }
    return parsed;
}

void checkLine(const QString &line)
{
    const DefinitionLine parsed = parseDefinitionLine(line);
    const DefinitionLine expected = referenceParse(line);
    require(parsed.kind == expected.kind);
    require(parsed.number == expected.number);
    require(parsed.text == expected.text);
    require(parsed.value == expected.value);
}

// Sections in file order, each starting afresh; record 0 holds the preamble
// once a section exists; unnamed sections are dropped.
QVector<DecoderType> referenceCatalogue(QTextStream &stream)
{
    QVector<DecoderType> catalogue;
    DecoderType pending;
    bool inPreamble = true;
    while (!stream.atEnd()) {
        const QString line = stream.readLine();
        const DefinitionLine parsed = referenceParse(line);
        if (parsed.kind == DefinitionLine::SectionHeader) {
            if (inPreamble || !pending.name.isEmpty())
                catalogue.append(pending);
            inPreamble = false;
            pending = DecoderType();
            pending.name = parsed.text;
            pending.outputNames = defaultOutputNames();
        } else if (parsed.kind == DefinitionLine::OutputName && !inPreamble) {
            pending.outputNames[parsed.number - 1] = parsed.text;
        } else if (parsed.kind == DefinitionLine::CvValue) {
            qDebug() << parsed.number - FirstCv << parsed.text;
            pending.cvValues[parsed.number - FirstCv] = parsed.value;
        }
    }
    if (!pending.name.isEmpty())
        catalogue.append(pending);
    return catalogue;
}

// Record 0 is the unnamed preamble without labels; every later record is a
// named section whose labels fill all fourteen output rows plus "CV" and "Wert".
void checkCatalogue(const QVector<DecoderType> &catalogue, const QVector<DecoderType> &expected)
{
    require(catalogue.size() == expected.size());
    for (int k = 0; k < catalogue.size(); ++k) {
        const DecoderType &type = catalogue.at(k);
        require(type.name == expected.at(k).name);
        require(type.outputNames == expected.at(k).outputNames);
        require(type.cvValues == expected.at(k).cvValues);
        if (k == 0) {
            require(type.name.isEmpty() && type.outputNames.isEmpty());
            continue;
        }
        require(!type.name.isEmpty());
        require(type.outputNames.size() == OutputCount + 2);
        require(type.outputNames.at(OutputCount) == QLatin1String("CV"));
        require(type.outputNames.at(OutputCount + 1) == QLatin1String("Wert"));
    }
}

// Reads the bytes through two streams that openStream makes alike, once with
// the reader and once with the reference, and compares records and messages.
template<typename OpenStream>
void checkReader(OpenStream openStream)
{
    QStringList messages;
    QStringList expectedMessages;
    capturedMessages = &messages;
    const QVector<DecoderType> catalogue = openStream([](QTextStream &stream) { return readCatalogue(stream); });
    capturedMessages = &expectedMessages;
    const QVector<DecoderType> expected =
        openStream([](QTextStream &stream) { return referenceCatalogue(stream); });
    capturedMessages = nullptr;
    checkCatalogue(catalogue, expected);
    require(messages == expectedMessages);
}

bool hasUnpairedSurrogate(const QString &text)
{
    for (int k = 0; k < text.size(); ++k) {
        if (text.at(k).isHighSurrogate() && k + 1 < text.size() && text.at(k + 1).isLowSurrogate())
            ++k;
        else if (text.at(k).isSurrogate())
            return true;
    }
    return false;
}

// Half a surrogate pair has no UTF-8 form, so a listing cannot hold it; the
// checker must have said so.
bool writableAsUtf8(const QVector<DecoderType> &catalogue)
{
    for (const DecoderType &type : catalogue) {
        if (hasUnpairedSurrogate(type.name) || hasUnpairedSurrogate(type.outputNames.join(QString())))
            return false;
    }
    return true;
}

void checkChecker(const QByteArray &bytes)
{
    const CheckResult result = checkList(bytes);
    const int lines = int(bytes.count('\n')) + 1;
    for (const Finding &finding : result.findings) {
        require(finding.line >= 1 && finding.line <= lines);
        require(finding.column >= 1);
        require(!finding.message.isEmpty());
        require(finding.overridesLine < finding.line);
    }
    const QVector<DecoderType> shown = shownTypes(bytes);
    require(result.shownTypes() == shown.size());
    if (!writableAsUtf8(shown)) {
        require(!result.findings.isEmpty());
        return;
    }
    require(sameTypes(shownTypes(result.listing().toUtf8()), shown));
}

// An optional sign, then decimal digits.
bool isWholeNumber(const QString &text)
{
    static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    return whole.match(text).hasMatch();
}

// Values only for unlocked columns, in column order, each a whole number
// standing where the reader says the text gives it; a form named for them;
// no more problems named than a status line holds.
void checkPaste(const QString &text, int startColumn, const std::array<bool, CvCount> &locked)
{
    QElapsedTimer timer;
    timer.start();
    const PastedValues pasted = readPastedValues(text, startColumn, locked);
    const QString message = pasteMessage(pasted);
    require(timer.elapsed() < 2000);
    int previous = -1;
    for (const PastedValue &value : pasted.values) {
        require(value.column > previous && value.column < CvCount && !locked[value.column]);
        require(isWholeNumber(value.text));
        require(value.at < 0 || text.midRef(value.at, value.text.size()) == value.text);
        previous = value.column;
    }
    require(pasted.values.isEmpty() == (pasted.form == PastedValues::Nothing));
    require(pasted.problems.size() <= NamedPasteProblems);
    require(pasted.unlistedProblems == 0 || pasted.problems.size() == NamedPasteProblems);
    require(!message.isEmpty());
}

// A copy's text is a type's lines: pasted back, they give each unlocked column its value.
void checkPasteOfCopy(const DecoderType &type)
{
    std::array<bool, CvCount> locked{};
    for (int column = 0; column < CvCount; ++column)
        locked[column] = type.isLocked(column);
    const PastedValues pasted = readPastedValues(definitionLines(type), 0, locked);
    int next = 0;
    for (int column = 0; column < CvCount; ++column) {
        if (locked[column])
            continue;
        require(next < pasted.values.size() && pasted.values.at(next).column == column);
        require(pasted.values.at(next).text == QString::number(type.cvValues[column]));
        ++next;
    }
    require(next == pasted.values.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QtMessageHandler previous = qInstallMessageHandler(captureMessages);
    (void)previous;
    if (size > std::size_t(INT32_MAX))
        return 0;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));

    for (const QString &line : QString::fromUtf8(bytes).split(QLatin1Char('\n')))
        checkLine(line);

    // Valid UTF-8 is what Qt's own decoder reads without a flaw or a byte left over.
    QTextCodec::ConverterState state;
    QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
    require(isValidUtf8(bytes.constData(), bytes.size()) == (state.invalidChars == 0 && state.remainingChars == 0));

    // As the tests read it: a stream straight over the bytes.
    checkReader([&](auto read) {
        QTextStream stream(bytes);
        return read(stream);
    });
    // As the program reads a file: through a device in text mode.
    checkReader([&](auto read) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly | QIODevice::Text);
        QTextStream stream(&buffer);
        return read(stream);
    });
    checkChecker(bytes);

    // Which columns are locked, and where a run starts, taken from the first bytes.
    std::array<bool, CvCount> locked{};
    const quint16 pattern = size >= 2 ? quint16(data[0] | data[1] << 8) : 0;
    for (int column = 0; column < CvCount; ++column)
        locked[column] = pattern & (1 << column);
    const QString text = QString::fromUtf8(bytes);
    for (const int startColumn : {0, 7, 13})
        checkPaste(text, startColumn, locked);
    for (const DecoderType &type : shownTypes(bytes))
        checkPasteOfCopy(type);
    return 0;
}
