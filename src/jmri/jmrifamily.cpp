#include "jmrifamily.h"

#include "decodertype.h"
#include "functionmap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace {

const QLatin1String XIncludeNamespace("http://www.w3.org/2001/XInclude");
const QLatin1String LibraryAddress("http://jmri.org/xml/decoders/");
// Deeper than any library nests its fragments; a chain this long is a loop in disguise.
constexpr int MaxIncludeDepth = 16;
// Real families read a handful; a file that includes the same fragments over
// and over in a tree of them would keep the reader busy for hours.
constexpr int MaxIncludesRead = 1000;
// A decoder definition is tens of kilobytes; a file a thousand times that is no library's.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

enum class Element { Decoder, Family, Model, Output, Label, Variables, Variable, Constant, Other };

QStringList commaList(const QStringRef &text)
{
    QStringList list;
    for (const QStringRef &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringRef trimmed = part.trimmed();
        if (!trimmed.isEmpty())
            list.append(trimmed.toString());
    }
    return list;
}

int wholeNumber(const QStringRef &text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

class FamilyParser
{
public:
    FamilyParser(JmriFamily &family, const QString &root, const QString &language, JmriFileCache &cache)
        : family(family), root(root), language(language), cache(cache)
    {
    }

    // False where the file is not read whole; the reason is in `error`.
    bool parseFile(const QString &path, bool fragment, QString &error);
    bool sawDecoder = false;

private:
    void start(const QXmlStreamReader &xml, const QString &path);
    void end();
    void include(const QString &href, const QString &from);
    Element context(Element kind) const { return stack.contains(kind) ? kind : Element::Other; }
    JmriOutput *openOutput();

    JmriFamily &family;
    const QString &root;
    const QString &language;
    JmriFileCache &cache;
    QVector<Element> stack;
    QVector<JmriFilter> filters; // one for each open group of variables
    QStringList openFiles;
    int model = -1;
    int includesRead = 0;
    bool outputInModel = false;
    // How well the open output's label, and the <label> being read, fit the
    // user: 0 not at all, 1 plain, 2 the attribute, 3 in the user's language.
    int outputLabelRank = 0;
    int labelRank = 0;
    QString labelText;
};

bool FamilyParser::parseFile(const QString &path, bool fragment, QString &error)
{
    QString readError;
    const QByteArray bytes = cache.contents(path, fragment, readError);
    if (!readError.isEmpty()) {
        error = readError;
        return false;
    }
    openFiles.append(QFileInfo(path).absoluteFilePath());
    QXmlStreamReader xml(bytes);
    const int depth = stack.size();
    bool rootSeen = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (!rootSeen && openFiles.size() == 1 && xml.name() != QLatin1String("decoder-config")) {
                error = JmriText::tr("not a JMRI decoder definition: its outermost "
                                                            "element is <%1>, not <decoder-config>")
                            .arg(xml.name().toString());
                openFiles.removeLast();
                return false;
            }
            rootSeen = true;
            start(xml, path);
            break;
        case QXmlStreamReader::EndElement:
            end();
            break;
        case QXmlStreamReader::Characters:
            if (!stack.isEmpty() && stack.last() == Element::Label && labelRank > 0)
                labelText += xml.text();
            break;
        default:
            break;
        }
    }
    // Elements an error left open are closed, so that the including file reads on as it stands.
    while (stack.size() > depth)
        end();
    openFiles.removeLast();
    if (xml.hasError()) {
        error = JmriText::tr("not well-formed XML at line %1, column %2: %3")
                    .arg(xml.lineNumber())
                    .arg(xml.columnNumber())
                    .arg(xml.errorString());
        return false;
    }
    return true;
}

JmriOutput *FamilyParser::openOutput()
{
    QVector<JmriOutput> &outputs = outputInModel ? family.models[model].outputs : family.outputs;
    return outputs.isEmpty() ? nullptr : &outputs.last();
}

void FamilyParser::start(const QXmlStreamReader &xml, const QString &path)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringRef name = xml.name();
    Element kind = Element::Other;
    const bool inDecoder = context(Element::Decoder) == Element::Decoder;
    if (xml.namespaceUri() == XIncludeNamespace && name == QLatin1String("include")) {
        stack.append(kind);
        // Panes and the like, outside the decoder, matter nothing here.
        if (inDecoder)
            include(attributes.value(QLatin1String("href")).toString(), path);
        return;
    }
    if (name == QLatin1String("decoder")) {
        kind = Element::Decoder;
        sawDecoder = true;
    } else if (!inDecoder) {
        kind = Element::Other;
    } else if (name == QLatin1String("family") && context(Element::Family) == Element::Other) {
        kind = Element::Family;
        family.name = attributes.value(QLatin1String("name")).toString();
        family.manufacturer = attributes.value(QLatin1String("mfg")).toString();
    } else if (name == QLatin1String("model") && context(Element::Family) == Element::Family) {
        kind = Element::Model;
        JmriModel found;
        found.name = attributes.value(QLatin1String("model")).toString();
        found.productId = attributes.value(QLatin1String("productID")).toString();
        found.numOuts = wholeNumber(attributes.value(QLatin1String("numOuts")), -1);
        found.numFns = wholeNumber(attributes.value(QLatin1String("numFns")), -1);
        found.shown = attributes.value(QLatin1String("show")) != QLatin1String("no");
        family.models.append(found);
        model = family.models.size() - 1;
    } else if (name == QLatin1String("output") && context(Element::Family) == Element::Family) {
        kind = Element::Output;
        outputInModel = context(Element::Model) == Element::Model;
        JmriOutput output;
        output.name = attributes.value(QLatin1String("name")).toString().trimmed();
        output.label = attributes.value(QLatin1String("label")).toString();
        outputLabelRank = attributes.hasAttribute(QLatin1String("label")) ? 2 : 0;
        (outputInModel ? family.models[model].outputs : family.outputs).append(output);
    } else if (name == QLatin1String("label") && !stack.isEmpty() && stack.last() == Element::Output) {
        kind = Element::Label;
        const QStringRef lang = attributes.value(QLatin1String("http://www.w3.org/XML/1998/namespace"),
                                                 QLatin1String("lang"));
        // "de" and "de-AT" are both German.
        int dash = 0;
        while (dash < lang.size() && lang.at(dash) != QLatin1Char('-') && lang.at(dash) != QLatin1Char('_'))
            ++dash;
        const QStringRef primary = lang.left(dash);
        labelRank = lang.isEmpty() ? 1 : primary.compare(language, Qt::CaseInsensitive) == 0 ? 3 : 0;
        labelText.clear();
    } else if (name == QLatin1String("variables")) {
        kind = Element::Variables;
        filters.append({commaList(attributes.value(QLatin1String("include"))),
                        commaList(attributes.value(QLatin1String("exclude")))});
    } else if (name == QLatin1String("variable") || name == QLatin1String("constant")) {
        kind = name == QLatin1String("variable") ? Element::Variable : Element::Constant;
        JmriMapBit bit;
        const QStringRef cv = attributes.value(QLatin1String("CV"));
        bit.cv = kind == Element::Constant ? 0 : wholeNumber(cv, -1);
        bit.item = attributes.value(QLatin1String("item")).toString();
        if (bit.item.isEmpty())
            bit.item = attributes.value(QLatin1String("label")).toString();
        // A maker's own range of function-map CVs is not the NMRA layout.
        if (kind == Element::Constant || (bit.cv >= FirstCv && bit.cv < FirstCv + CvCount))
            bit.mapItem = parseMapItem(bit.item);
        const bool ours = kind == Element::Constant ? bit.mapItem.isMapItem
                                                    : bit.cv >= FirstCv && bit.cv < FirstCv + CvCount;
        if (ours) {
            bit.bits = maskBits(attributes.value(QLatin1String("mask")));
            bit.defaultValue = wholeNumber(attributes.value(QLatin1String("default")), -1);
            bit.minOut = wholeNumber(attributes.value(QLatin1String("minOut")), 0);
            bit.minFn = wholeNumber(attributes.value(QLatin1String("minFn")), 0);
            bit.filters = filters;
            bit.filters.append({commaList(attributes.value(QLatin1String("include"))),
                                commaList(attributes.value(QLatin1String("exclude")))});
            family.map.append(bit);
        }
    }
    stack.append(kind);
}

void FamilyParser::end()
{
    if (stack.isEmpty())
        return;
    const Element kind = stack.takeLast();
    if (kind == Element::Variables)
        filters.removeLast();
    if (kind != Element::Label || labelRank == 0)
        return;
    JmriOutput *output = openOutput();
    if (output && labelRank > outputLabelRank) {
        output->label = labelText;
        outputLabelRank = labelRank;
    }
}

void FamilyParser::include(const QString &href, const QString &from)
{
    JmriMissingInclude missing;
    missing.href = href;
    missing.where = context(Element::Variables) == Element::Variables ? JmriMissingInclude::Variables
                    : context(Element::Family) == Element::Family   ? JmriMissingInclude::Outputs
                                                                    : JmriMissingInclude::Elsewhere;
    missing.model = context(Element::Model) == Element::Model ? model : -1;
    missing.filters = filters;
    QString target;
    if (href.startsWith(LibraryAddress))
        target = QDir(root).filePath(href.mid(LibraryAddress.size()));
    else if (!href.contains(QLatin1String("://")))
        target = QFileInfo(from).dir().filePath(href);
    if (target.isEmpty()) {
        missing.reason = JmriText::tr("not in JMRI's decoder library");
    } else if (openFiles.contains(QFileInfo(target).absoluteFilePath())) {
        missing.reason = JmriText::tr("an include loop: the file is already being read");
    } else if (openFiles.size() > MaxIncludeDepth) {
        missing.reason = JmriText::tr("includes nested more than %1 deep").arg(MaxIncludeDepth);
    } else if (++includesRead > MaxIncludesRead) {
        missing.reason = JmriText::tr("more than %1 includes in one family").arg(MaxIncludesRead);
    } else {
        QString error;
        if (parseFile(target, true, error))
            return;
        missing.reason = error;
    }
    // Past a hundred, more of them tell the user nothing new.
    if (family.missingIncludes.size() < 100)
        family.missingIncludes.append(missing);
}

} // namespace

QByteArray JmriFileCache::contents(const QString &path, bool keep, QString &error)
{
    const QString key = QFileInfo(path).absoluteFilePath();
    const auto known = files.constFind(key);
    if (known != files.constEnd()) {
        error = errors.value(key);
        return *known;
    }
    QFile file(path);
    const QFileInfo info(path);
    QByteArray bytes;
    if (!info.exists())
        error = JmriText::tr("no such file");
    else if (!info.isFile())
        error = JmriText::tr("not a regular file");
    else if (info.size() > MaxFileBytes)
        error = JmriText::tr("%1 bytes, too large for a decoder definition").arg(info.size());
    else if (!file.open(QIODevice::ReadOnly))
        error = file.errorString();
    else
        bytes = file.readAll();
    if (keep) {
        files.insert(key, bytes);
        errors.insert(key, error);
    }
    return bytes;
}

JmriFamily readJmriFamily(const QString &path, const QString &decodersRoot, const QString &language,
                          JmriFileCache &cache)
{
    JmriFamily family;
    family.file = path;
    FamilyParser parser(family, decodersRoot, language, cache);
    QString error;
    if (parser.parseFile(path, false, error) && !parser.sawDecoder)
        error = JmriText::tr("not a JMRI decoder definition: it holds no <decoder>");
    if (!error.isEmpty())
        family.error = JmriText::tr("%1: %2").arg(QDir::toNativeSeparators(path), error);
    return family;
}
