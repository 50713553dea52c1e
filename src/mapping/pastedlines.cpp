#include "definitionline.h"
#include "pastecollector.h"

#include <QVarLengthArray>

// CV lines and tables, as manuals, forum posts and spreadsheets give them.
// A number is a value only where the words around it say whose: after
// "CV33 =" or "CV33 ... default", or in a table's value column.

namespace {

template<typename Word>
bool startsWithWord(const QString &text, int at, int end, const Word &word)
{
    if (end - at < word.size() || QStringRef(&text, at, word.size()).compare(word, Qt::CaseInsensitive) != 0)
        return false;
    return at + word.size() == end || !text.at(at + word.size()).isLetter();
}

int skipSpaces(const QString &text, int k, int end)
{
    while (k < end && isBlank(text.at(k)))
        ++k;
    return k;
}

struct Mention
{
    int start = 0; // the C of "CV"
    int cv = 0;
    QStringRef number;
};

// "CV" as a word of its own, then "#", "Nr." or "No." if the text likes,
// then the CV's number: "CV33", "cv 33", "CV #41", "CV-Nr. 35", "CV No. 36".
// A number that runs on into letters or decimals ("CV33a", "CV16.33") is none.
bool cvMentionAt(const QString &text, int at, int end, Mention &mention)
{
    if (at + 2 >= end || (text.at(at).unicode() | 0x20) != 'c' || (text.at(at + 1).unicode() | 0x20) != 'v')
        return false;
    if (at > 0 && text.at(at - 1).isLetterOrNumber())
        return false;
    int k = at + 2;
    if (k < end && text.at(k) == QLatin1Char('-'))
        ++k;
    k = skipSpaces(text, k, end);
    if (k < end && text.at(k) == QLatin1Char('#')) {
        k = skipSpaces(text, k + 1, end);
    } else if (k < end && (text.at(k).unicode() | 0x20) == 'n' &&
               (startsWithWord(text, k, end, QLatin1String("nr")) || startsWithWord(text, k, end, QLatin1String("no")))) {
        k += 2;
        if (k < end && text.at(k) == QLatin1Char('.'))
            ++k;
        k = skipSpaces(text, k, end);
    }
    const int digits = k;
    while (k < end && isDigit(text.at(k)))
        ++k;
    if (k == digits || (k < end && text.at(k).isLetter()))
        return false;
    if (k + 1 < end && text.at(k) == QLatin1Char('.') && isDigit(text.at(k + 1)))
        return false;
    mention.start = at;
    mention.number = QStringRef(&text, digits, k - digits);
    mention.cv = cvNumber(mention.number);
    return mention.cv > 0;
}

// Where a range ends whose first number ends at `k`, or -1 where none does:
// "0-255", "0 – 255", "1 bis 8", "0...255". Such a number is a bound, not a value.
int rangeEnd(const QString &text, int k, int end)
{
    k = skipSpaces(text, k, end);
    if (k >= end)
        return -1;
    const QChar c = text.at(k);
    if (c == QLatin1Char('-') || c == QChar(0x2013) || c == QChar(0x2014) || c == QChar(0x2026)) {
        ++k;
    } else if (startsWithWord(text, k, end, QLatin1String("bis")) || startsWithWord(text, k, end, QLatin1String("to"))) {
        k += c.unicode() == 'b' || c.unicode() == 'B' ? 3 : 2;
    } else if (QStringRef(&text, k, qMin(3, end - k)) == QLatin1String("...")) {
        k += 3;
    } else {
        return -1;
    }
    k = skipSpaces(text, k, end);
    if (k == end || !isDigit(text.at(k)))
        return -1;
    while (k < end && isDigit(text.at(k)))
        ++k;
    return k;
}

// Whether a number ending at `k` is itself explained: "Wert 1 = Ausgang A"
// is a legend of what values mean, not a CV's value.
bool legendFollows(const QString &text, int k, int end)
{
    k = skipSpaces(text, k, end);
    return k < end && (text.at(k) == QLatin1Char('=') || text.at(k) == QLatin1Char(':') || text.at(k) == QChar(0x2192));
}

// The value's token after a separator: up to the next blank, comma,
// semicolon or bar, without a full stop or bracket that closes a sentence.
QStringRef valueToken(const QString &text, int k, int end)
{
    const int start = k;
    while (k < end && !isSeparator(text.at(k)) && text.at(k) != QLatin1Char('|'))
        ++k;
    while (k > start && (text.at(k - 1) == QLatin1Char('.') || text.at(k - 1) == QLatin1Char(')') ||
                         text.at(k - 1) == QLatin1Char('!') || text.at(k - 1) == QLatin1Char('?')))
        --k;
    return QStringRef(&text, start, k - start);
}

// After "CV33" and an optional "(F0 vorwärts)": "=", ":", "->", "→", "|" or a
// tab, then the value. Returns where the value starts, or -1.
int directValueStart(const QString &text, int k, int end)
{
    k = skipSpaces(text, k, end);
    if (k < end && text.at(k) == QLatin1Char('(')) {
        const int close = QStringRef(&text, k, end - k).indexOf(QLatin1Char(')'));
        if (close < 0)
            return -1;
        // "(bit 3) = 1" gives a bit, not the CV's value.
        const QStringRef inside(&text, k + 1, close - 1);
        if (inside.contains(QLatin1String("bit"), Qt::CaseInsensitive))
            return -1;
        k = k + close + 1;
    }
    const int afterNumber = k;
    k = skipSpaces(text, k, end);
    const bool tab = QStringRef(&text, afterNumber, k - afterNumber).contains(QLatin1Char('\t'));
    if (k < end) {
        const QChar c = text.at(k);
        if (c == QLatin1Char('=') || c == QLatin1Char(':') || c == QLatin1Char('|') || c == QChar(0x2192)) {
            ++k;
            if (c == QLatin1Char('=') && k < end && text.at(k) == QLatin1Char('>'))
                ++k;
            return skipSpaces(text, k, end);
        }
        if (c == QLatin1Char('-') && k + 1 < end && text.at(k + 1) == QLatin1Char('>'))
            return skipSpaces(text, k + 2, end);
    }
    return tab ? k : -1;
}

// Words that say a number is a CV's value, and words that may stand between
// them and it: "default value is 1", "Wert: 4", "Werkseinstellung beträgt 8".
const QStringList &valueWords()
{
    static const QStringList words{QStringLiteral("value"), QStringLiteral("wert"), QStringLiteral("default"),
                                   QStringLiteral("standardwert"), QStringLiteral("standard"),
                                   QStringLiteral("werkseinstellung"), QStringLiteral("factory setting"),
                                   QStringLiteral("ab werk")};
    return words;
}

const QStringList &fillerWords()
{
    static const QStringList words{QStringLiteral("value"), QStringLiteral("wert"), QStringLiteral("is"),
                                   QStringLiteral("ist"), QStringLiteral("of"), QStringLiteral("von"),
                                   QStringLiteral("betr\u00e4gt"), QStringLiteral("setting")};
    return words;
}

int skipFiller(const QString &text, int k, int end)
{
    for (bool skipped = true; skipped;) {
        skipped = false;
        k = skipSpaces(text, k, end);
        if (k < end && (text.at(k) == QLatin1Char('=') || text.at(k) == QLatin1Char(':') ||
                        text.at(k) == QChar(0x2192))) {
            ++k;
            skipped = true;
            continue;
        }
        for (const QString &word : fillerWords()) {
            if (startsWithWord(text, k, end, word)) {
                k += word.size();
                skipped = true;
                break;
            }
        }
    }
    return k;
}

// "CV33 ... default value is 1", "CV35 (F1) Wert 4": the number that a value
// word introduces, where no range follows it; `wordAt` gets where that word starts.
QStringRef wordedValue(const QString &text, int k, int end, int &wordAt)
{
    for (; k < end; ++k) {
        if (k > 0 && text.at(k - 1).isLetter())
            continue;
        for (const QString &value : valueWords()) {
            if (!startsWithWord(text, k, end, value))
                continue;
            const int start = skipFiller(text, k + value.size(), end);
            int stop = start;
            while (stop < end && isDigit(text.at(stop)))
                ++stop;
            if (stop == start || (stop < end && (text.at(stop).isLetterOrNumber() || text.at(stop) == QLatin1Char('%'))))
                break;
            if (stop + 1 < end && text.at(stop) == QLatin1Char('.') && isDigit(text.at(stop + 1)))
                break;
            if (rangeEnd(text, stop, end) >= 0 || legendFollows(text, stop, end))
                break;
            wordAt = k;
            return QStringRef(&text, start, stop - start);
        }
    }
    return QStringRef();
}

void readCvLine(const QString &text, int begin, int end, PasteCollector &collector)
{
    QVarLengthArray<Mention, 8> mentions;
    for (int k = begin; k < end; ++k) {
        Mention mention;
        if ((text.at(k).unicode() | 0x20) == 'c' && cvMentionAt(text, k, end, mention)) {
            mentions.append(mention);
            k = mention.number.position() + mention.number.size() - 1;
        }
    }
    bool namesOneCv = true;
    for (const Mention &mention : mentions)
        namesOneCv = namesOneCv && mention.cv == mentions.first().cv;
    for (int m = 0; m < mentions.size(); ++m) {
        const Mention &mention = mentions.at(m);
        const int stop = m + 1 < mentions.size() ? mentions.at(m + 1).start : end;
        const int after = mention.number.position() + mention.number.size();
        const int start = directValueStart(text, after, stop);
        QStringRef range;
        if (start >= 0) {
            const QStringRef token = valueToken(text, start, stop);
            const QChar first = token.isEmpty() ? QChar() : token.at(0);
            const bool numberLike = token.isEmpty() || isDigit(first) || first == QLatin1Char('-') ||
                                    first == QLatin1Char('+') || first == QLatin1Char('.');
            const int rangeStop = token.isEmpty() ? -1 : rangeEnd(text, token.position() + token.size(), stop);
            if (numberLike && rangeStop < 0) {
                collector.offer(mention.cv, token, true);
                continue;
            }
            if (numberLike)
                range = QStringRef(&text, start, rangeStop - start);
        }
        // One CV and one value on a line, the value introduced by a word in
        // the CV's sentence: "CV35 = 0 – 255, default 4" gives its range first.
        if (namesOneCv) {
            const int sentence = sentenceEnd(text, after, stop);
            int wordAt = 0;
            const QStringRef value = wordedValue(text, after, sentence, wordAt);
            if (!value.isNull() && !standsForAnotherOwner(text, after, wordAt, mention.cv)) {
                collector.offer(mention.cv, value, true);
                return;
            }
            // A value that may be another's, or the next sentence's, is no value of this CV's.
            if (!value.isNull() || !wordedValue(text, sentence, stop, wordAt).isNull()) {
                collector.offer(mention.cv, QStringRef(), true);
                continue;
            }
        }
        if (!range.isNull())
            collector.problem(PasteProblem::NotANumber, mention.cv, range);
    }
}

// Lines that name a decoder type or an output, as a copy writes them, hold no values.
bool namesTypeOrOutput(const QString &text, int begin, int end)
{
    if (begin == end || (text.at(begin) != QLatin1Char('[') && text.at(begin) != QLatin1Char('i')))
        return false;
    return parseDefinitionLineInPlace(text.mid(begin, end - begin)).kind != DefinitionLine::Ignored;
}

// A table's header, as far as reading it goes: which separator parts its
// cells, and which cells hold the CV and the value.
struct Table
{
    QChar separator;
    int cvColumn = -1;
    int valueColumn = -1;
    QString valueName;
};

const char *const CvHeaders[] = {"cv", "cv-nr.", "cv nr.", "cv #"};
// In order of preference: what the user set, then the maker's default.
const char *const ValueHeaders[] = {"value", "wert", "default", "default value", "standard", "standardwert",
                                    "werkseinstellung", "factory setting", "ab werk"};
const char TableSeparators[] = {'|', '\t', ';', ','};

bool containsIn(const QString &text, int begin, int end, QChar c)
{
    for (int k = begin; k < end; ++k) {
        if (text.at(k) == c)
            return true;
    }
    return false;
}

// Calls `visit` with each cell of the line and its index, untrimmed.
template<typename Visit>
void forEachCell(const QString &text, int begin, int end, QChar separator, Visit visit)
{
    int index = 0;
    int start = begin;
    for (int k = begin; k <= end; ++k) {
        if (k == end || text.at(k) == separator) {
            visit(index++, QStringRef(&text, start, k - start));
            start = k + 1;
        }
    }
}

int headerRank(const QStringRef &cell, const char *const *names, int count)
{
    for (int k = 0; k < count; ++k) {
        if (cell.compare(QLatin1String(names[k]), Qt::CaseInsensitive) == 0)
            return k;
    }
    return -1;
}

constexpr int ValueHeaderCount = int(sizeof ValueHeaders / sizeof *ValueHeaders);

bool namesRangeOrBase(const QStringRef &cell)
{
    for (int k = 0; k < cell.size();) {
        const int start = k;
        while (k < cell.size() && cell.at(k).isLetter())
            ++k;
        const QStringRef word = cell.mid(start, k - start);
        for (const char *name : {"range", "bereich", "min", "max", "hex"}) {
            if (word.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return true;
        }
        k = qMax(k, start + 1);
    }
    return false;
}

// A value column's preference, lower first, or -1: "Value" and "Wert" before
// the maker's default words, and within each a whole header word before one
// that only begins the cell, followed by "/", "(", "[" or a blank and more
// ("Default/Fix", "Wert [dez]"). A range's or a base's column never counts.
int valueHeaderRank(const QStringRef &cell)
{
    const int exact = headerRank(cell, ValueHeaders, ValueHeaderCount);
    const int userValues = 2; // "value", "wert"
    if (exact >= 0)
        return (exact < userValues ? 0 : 2 * ValueHeaderCount) + exact;
    for (int k = 0; k < ValueHeaderCount; ++k) {
        const QLatin1String name(ValueHeaders[k]);
        if (cell.size() <= name.size() + 1 || !cell.startsWith(name, Qt::CaseInsensitive))
            continue;
        const QChar after = cell.at(name.size());
        if (after != QLatin1Char('/') && after != QLatin1Char('(') && after != QLatin1Char('[') && after != QLatin1Char(' '))
            continue;
        if (namesRangeOrBase(cell))
            return -1;
        return (k < userValues ? 0 : 2 * ValueHeaderCount) + ValueHeaderCount + k;
    }
    return -1;
}

// A header counts only where a cell is one of the names above, or begins
// with one: "Wertebereich" is no "Wert", and "Nr." alone numbers rows.
bool readHeader(const QString &text, int begin, int end, Table &table)
{
    for (const char separator : TableSeparators) {
        if (!containsIn(text, begin, end, QLatin1Char(separator)))
            continue;
        Table found;
        found.separator = QLatin1Char(separator);
        int best = -1;
        forEachCell(text, begin, end, found.separator, [&](int index, const QStringRef &untrimmed) {
            if (untrimmed.size() > 40)
                return;
            const QStringRef cell = untrimmed.trimmed();
            if (found.cvColumn < 0 && headerRank(cell, CvHeaders, 4) >= 0)
                found.cvColumn = index;
            const int rank = valueHeaderRank(cell);
            if (rank >= 0 && (best < 0 || rank < best)) {
                best = rank;
                found.valueColumn = index;
                found.valueName = cell.toString();
            }
        });
        if (found.cvColumn >= 0 && found.valueColumn >= 0) {
            table = found;
            return true;
        }
    }
    return false;
}

// A row's CV cell: "33", "CV33", "CV 33"; anything else ("---", "33-40") is no row of values.
int rowCv(const QStringRef &cell)
{
    QStringRef digits = cell.trimmed();
    if (digits.size() > 2 && (digits.at(0).unicode() | 0x20) == 'c' && (digits.at(1).unicode() | 0x20) == 'v')
        digits = digits.mid(2).trimmed();
    return cvNumber(digits);
}

enum class Row { None, OtherCv, OurCv };

// What the row gave: nothing, where its CV cell holds no number (a separator
// row, or a CV line standing after the table), or a value for some CV.
Row readTableRow(const QString &text, int begin, int end, const Table &table, PasteCollector &collector)
{
    int cv = 0;
    QStringRef value;
    forEachCell(text, begin, end, table.separator, [&](int index, const QStringRef &cell) {
        if (index == table.cvColumn)
            cv = rowCv(cell);
        if (index == table.valueColumn)
            value = cell.trimmed();
    });
    if (cv == 0 || value.isNull())
        return Row::None;
    collector.offer(cv, value, false);
    return cv >= FirstCv && cv < FirstCv + CvCount ? Row::OurCv : Row::OtherCv;
}

// What one look at a line tells: where it ends, which table separators and
// whether a V (of "CV") it holds, and whether it is blank.
struct LineScan
{
    int end = 0;
    int separators = 0; // bit k: TableSeparators[k]
    bool hasV = false;
    bool blank = true;
};

LineScan scanLine(const QString &text, int begin)
{
    LineScan line;
    const QChar *const data = text.constData();
    int k = begin;
    for (; k < text.size(); ++k) {
        const ushort c = data[k].unicode();
        if (c == '\n' || c == '\r')
            break;
        if (c == '|')
            line.separators |= 1;
        else if (c == '\t')
            line.separators |= 2;
        else if (c == ';')
            line.separators |= 4;
        else if (c == ',')
            line.separators |= 8;
        else if ((c | 0x20) == 'v')
            line.hasV = true;
        if (c != ' ' && c != '\t')
            line.blank = false;
    }
    line.end = k;
    return line;
}

int separatorBit(QChar separator)
{
    for (int k = 0; k < int(sizeof TableSeparators); ++k) {
        if (separator == QLatin1Char(TableSeparators[k]))
            return 1 << k;
    }
    return 0;
}

} // namespace

LinesRead readCvLinesAndTables(const QString &text, PasteCollector &collector)
{
    LinesRead read;
    Table table;
    bool inTable = false;
    for (int begin = 0; begin < text.size();) {
        const LineScan line = scanLine(text, begin);
        const int end = line.end;
        if (namesTypeOrOutput(text, begin, end)) {
            inTable = false;
        } else if (inTable && (line.separators & separatorBit(table.separator))) {
            const Row row = readTableRow(text, begin, end, table, collector);
            if (row == Row::OurCv) {
                read.fromTable = true;
                read.column = table.valueName;
            } else if (row == Row::None) {
                readCvLine(text, begin, end, collector);
            }
        } else if (line.separators && line.hasV && end - begin < 1000 && readHeader(text, begin, end, table)) {
            inTable = true;
        } else {
            // A table ends at its first line of other text; a blank line does not end it.
            if (!line.blank)
                inTable = false;
            readCvLine(text, begin, end, collector);
        }
        begin = end + 1;
    }
    return read;
}
