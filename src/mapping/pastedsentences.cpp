#include "pastecollector.h"

// Prose gives a CV's value in words: "Zuständig ist CV 37; ihr Wert ist 4".
// Such a value belongs to the CV of its own sentence, and only where nothing
// stands between them that the value could belong to instead.

namespace {

bool isWord(const QStringRef &word, const char *name)
{
    return word.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// Whether the full stop at `stop` closes an abbreviation: "CV Nr. 35", "z. B. 4".
bool closesAbbreviation(const QString &text, int stop)
{
    int start = stop;
    while (start > 0 && (text.at(start - 1).isLetter() ||
                         (text.at(start - 1) == QLatin1Char('.') && start > 1 && text.at(start - 2).isLetter())))
        --start;
    const QStringRef word(&text, start, stop - start);
    for (const char *abbreviation : {"nr", "no", "z", "ca", "bzw", "evtl", "s", "e.g", "i.e"}) {
        if (isWord(word, abbreviation))
            return true;
    }
    // The "B." of "z. B."
    return isWord(word, "b") && start >= 3 && text.at(start - 1) == QLatin1Char(' ') &&
           text.at(start - 2) == QLatin1Char('.') && (text.at(start - 3).unicode() | 0x20) == 'z';
}

// A word naming what a value could belong to other than the CV: an output
// ("Aux1", "A1", "Lh", "Ausgang 2"), a bit, a key, or a function other than
// `ownFunction`, the CV's own, which may stand there: "CV37 (F3): default 16".
bool namesAnotherOwner(const QStringRef &word, int ownFunction)
{
    int letters = 0;
    while (letters < word.size() && word.at(letters).isLetter())
        ++letters;
    int digits = letters;
    while (digits < word.size() && isDigit(word.at(digits)))
        ++digits;
    const QStringRef name = word.left(letters);
    const QStringRef number = word.mid(letters, digits - letters);
    if (isWord(name, "f") && !number.isEmpty())
        return cvNumber(number) != ownFunction;
    if (isWord(name, "a"))
        return !number.isEmpty() && digits == word.size();
    for (const char *owner : {"aux", "bit", "bits", "taste", "tasten", "key", "keys", "button"}) {
        if (isWord(name, owner))
            return true;
    }
    // "Ausgang", "Ausgänge", "output", "outputs"
    return name.startsWith(QLatin1String("ausg"), Qt::CaseInsensitive) ||
           name.startsWith(QLatin1String("output"), Qt::CaseInsensitive) || isWord(word, "lh") || isWord(word, "lv");
}

} // namespace

int sentenceEnd(const QString &text, int at, int end)
{
    for (int k = at; k < end; ++k) {
        const QChar c = text.at(k);
        if (c != QLatin1Char('.') && c != QLatin1Char('!') && c != QLatin1Char('?'))
            continue;
        if ((k + 1 == end || isBlank(text.at(k + 1))) && (c != QLatin1Char('.') || !closesAbbreviation(text, k)))
            return k;
    }
    return end;
}

bool standsForAnotherOwner(const QString &text, int begin, int end, int cv)
{
    // F0 switches CV33 forwards and CV34 backwards; F1 to F12 follow from CV35 on.
    const int ownFunction = qMax(0, cv - FirstCv - 1);
    for (int k = begin; k < end;) {
        if (!text.at(k).isLetterOrNumber()) {
            ++k;
            continue;
        }
        const int start = k;
        while (k < end && text.at(k).isLetterOrNumber())
            ++k;
        if (namesAnotherOwner(QStringRef(&text, start, k - start), ownFunction))
            return true;
    }
    return false;
}
