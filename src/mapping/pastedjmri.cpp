#include "pastecollector.h"

#include "functionmap.h"

// JMRI's files, read by a scanner of their own rather than an XML reader:
// only a few attributes of two elements matter, a roster may be megabytes,
// and a pasted excerpt need not be well-formed XML.

namespace {

// Where the element's tag ends (its '>' outside quotes), or `size` if it does not.
int tagEnd(const QString &text, int k)
{
    QChar quote;
    for (; k < text.size(); ++k) {
        const QChar c = text.at(k);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return k;
        }
    }
    return k;
}

// An attribute's value within the tag [begin, end), or a null reference if it has none.
QStringRef attribute(const QString &text, int begin, int end, QLatin1String name)
{
    QChar quote;
    for (int k = begin; k < end; ++k) {
        const QChar c = text.at(k);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
            continue;
        }
        if (!c.isSpace() || k + 1 + name.size() >= end ||
            QStringRef(&text, k + 1, name.size()) != name)
            continue;
        int v = k + 1 + name.size();
        while (v < end && text.at(v).isSpace())
            ++v;
        if (v >= end || text.at(v) != QLatin1Char('='))
            continue;
        ++v;
        while (v < end && text.at(v).isSpace())
            ++v;
        if (v >= end || (text.at(v) != QLatin1Char('"') && text.at(v) != QLatin1Char('\'')))
            continue;
        const int close = QStringRef(&text, v + 1, end - v - 1).indexOf(text.at(v));
        if (close < 0)
            return QStringRef();
        return QStringRef(&text, v + 1, close);
    }
    return QStringRef();
}

// Calls `visit` with the tag of each element named `name`: its text between the name and '>'.
template<typename Visit>
void forEachElement(const QString &text, QLatin1String name, Visit visit)
{
    for (int at = text.indexOf(name); at >= 0; at = text.indexOf(name, at)) {
        const int begin = at + name.size();
        at = begin;
        if (begin < text.size() && !text.at(begin).isSpace() && text.at(begin) != QLatin1Char('/') &&
            text.at(begin) != QLatin1Char('>'))
            continue;
        const int end = tagEnd(text, begin);
        visit(begin, end);
        at = end;
    }
}

// Where a decoder definition gives a CV's default by its bit fields.
struct DefinedCv
{
    bool seen = false;
    bool ambiguous = false;
    bool undefaulted = false; // some field gives no default
    int bits = 0;             // the bits some field covers
    int value = 0;            // their defaults put together
};

} // namespace

// <CVvalue name="33" value="1"/>: a JMRI user's own saved values.
void readJmriRoster(const QString &text, PasteCollector &collector)
{
    forEachElement(text, QLatin1String("<CVvalue"), [&](int begin, int end) {
        const int cv = cvNumber(attribute(text, begin, end, QLatin1String("name")));
        const QStringRef value = attribute(text, begin, end, QLatin1String("value"));
        if (cv > 0 && !value.isNull())
            collector.offer(cv, value, false);
    });
}

// <variable CV="33" mask="XXXXXXXV" default="1">: a default is certain where
// no two fields of the CV share a bit, and no field belongs to some of the
// definition's models only (include, exclude). Bits that no field covers are
// 0, and so are those of a field without a default, unless no field of the
// map gives one: then the definition leaves the defaults to the decoder.
void readJmriDefinition(const QString &text, PasteCollector &collector)
{
    std::array<DefinedCv, CvCount> defined{};
    bool anyDefault = false;
    forEachElement(text, QLatin1String("<variable"), [&](int begin, int end) {
        const int cv = cvNumber(attribute(text, begin, end, QLatin1String("CV")));
        if (cv < FirstCv || cv >= FirstCv + CvCount)
            return;
        DefinedCv &field = defined[cv - FirstCv];
        field.seen = true;
        const int bits = maskBits(attribute(text, begin, end, QLatin1String("mask")));
        const QStringRef given = attribute(text, begin, end, QLatin1String("default"));
        const bool readable = cvNumber(given) > 0 || given == QLatin1String("0");
        anyDefault = anyDefault || readable;
        field.undefaulted = field.undefaulted || given.isNull();
        const int shifted = fieldDefault(bits, readable ? given.toInt() : -1);
        if (shifted < 0 || (!given.isNull() && !readable) || (field.bits & bits) != 0 ||
            !attribute(text, begin, end, QLatin1String("include")).isNull() ||
            !attribute(text, begin, end, QLatin1String("exclude")).isNull()) {
            field.ambiguous = true;
            return;
        }
        field.bits |= bits;
        field.value |= shifted;
    });
    for (int column = 0; column < CvCount; ++column) {
        const DefinedCv &field = defined[column];
        if (!field.seen)
            continue;
        if (field.ambiguous || (field.undefaulted && !anyDefault))
            collector.problem(PasteProblem::Ambiguous, FirstCv + column, QStringRef());
        else
            collector.offerWorkedOut(FirstCv + column, field.value);
    }
}
