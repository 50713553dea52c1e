#include "jmrifamily.h"
#include "jmrilibrary.h"

#include "decodertype.h"
#include "definitionline.h"
#include "functionmap.h"

#include <QHash>

#include <array>

namespace {


bool matches(const QStringList &names, const JmriFamily &family, const JmriModel &model)
{
    for (const QString &name : names) {
        if (name == model.name || name == family.name || (!model.productId.isEmpty() && name == model.productId))
            return true;
    }
    return false;
}

// Whether the model has what the variable asks for, as JMRI drops variables per model.
bool applies(int minOut, int minFn, const QVector<JmriFilter> &filters, const JmriFamily &family,
             const JmriModel &model)
{
    if ((model.numOuts >= 0 && minOut > model.numOuts) || (model.numFns >= 0 && minFn > model.numFns))
        return false;
    for (const JmriFilter &filter : filters) {
        if (!filter.include.isEmpty() && !matches(filter.include, family, model))
            return false;
        if (matches(filter.exclude, family, model))
            return false;
    }
    return true;
}

bool isOutputNumber(const QString &name)
{
    if (name.isEmpty() || name.size() > 9)
        return false;
    for (const QChar c : name) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

int bitIndex(int bits)
{
    int index = 0;
    while (bits > 1) {
        bits >>= 1;
        ++index;
    }
    return index;
}

// The CV map of one model: each column's value, where the layout allows it.
struct ModelMap
{
    std::array<int, CvCount> value{};
    std::array<bool, CvCount> variable{}, fixed{}, elsewhere{};
    bool any = false;
    bool defaults = false;
    int highestOutput = 0;
    QStringList unplacedFixed;
};

void placeBit(const JmriMapBit &bit, ModelMap &map)
{
    const MapItem &item = bit.mapItem;
    if (item.isMapItem)
        map.highestOutput = qMax(map.highestOutput, item.output);
    map.any = true;
    if (bit.cv == 0) {
        const int window = item.column < 0 ? -1 : item.output - outputWindowStart(item.column) - 1;
        if (item.column < 0 || window < 0 || window >= MapWindowBits) {
            if (bit.defaultValue > 0)
                map.unplacedFixed.append(bit.item);
            return;
        }
        map.fixed[item.column] = true;
        if (bit.defaultValue > 0)
            map.value[item.column] |= 1 << window;
        return;
    }
    const int column = bit.cv - FirstCv;
    map.variable[column] = true;
    const bool oneBit = bit.bits != 0 && (bit.bits & (bit.bits - 1)) == 0;
    if (!oneBit || !item.isMapItem || item.column != column || item.output != outputOfBit(column, bitIndex(bit.bits))) {
        map.elsewhere[column] = true;
        return;
    }
    if (bit.defaultValue >= 0)
        map.defaults = true;
    // A default that does not fit its bit is taken as a missing one: 0.
    map.value[column] |= qMax(0, fieldDefault(bit.bits, bit.defaultValue));
}

QString cvList(const QVector<int> &cvs)
{
    QStringList names;
    for (const int cv : cvs)
        names.append(QStringLiteral("CV%1").arg(cv));
    return names.join(QLatin1String(", "));
}

QString outputName(int output, const QHash<QString, QString> &labels)
{
    const QString label = labels.value(QString::number(output));
    if (!label.isEmpty()) {
        // JMRI shows "a|b" on two lines and "|" as nothing.
        return writableName(QString(label).replace(QLatin1Char('|'), QLatin1Char(' ')));
    }
    static const char *const wires[] = {QT_TRANSLATE_NOOP("JmriLibrary", "White"),
                                        QT_TRANSLATE_NOOP("JmriLibrary", "Yellow"),
                                        QT_TRANSLATE_NOOP("JmriLibrary", "Green"),
                                        QT_TRANSLATE_NOOP("JmriLibrary", "Violet")};
    if (output <= 4)
        return JmriText::tr(wires[output - 1]);
    return JmriText::tr("Output %1").arg(output);
}

} // namespace

QString writableName(const QString &name)
{
    QString line = name;
    for (QChar &c : line) {
        const ushort u = c.unicode();
        if (u < 0x20 || u == 0x7f || u == 0x85 || u == 0x2028 || u == 0x2029)
            c = QLatin1Char(' ');
    }
    return line.trimmed();
}

namespace {

// The outputs' labels, the family's overridden by the model's; how many
// outputs the model has; and what of them the grid has no row for.
struct ModelOutputs
{
    QHash<QString, QString> labels;
    int count = 0;
};

ModelOutputs modelOutputs(const JmriFamily &family, const JmriModel &model, const ModelMap &map,
                          QStringList &notPlaced)
{
    ModelOutputs outputs;
    int highestLabelled = 0;
    QStringList named; // outputs with a name that is no number
    for (const QVector<JmriOutput> *list : {&family.outputs, &model.outputs}) {
        for (const JmriOutput &output : *list) {
            outputs.labels.insert(output.name, output.label);
            if (isOutputNumber(output.name))
                highestLabelled = qMax(highestLabelled, output.name.toInt());
            else if (!named.contains(output.name))
                named.append(output.name);
        }
    }
    outputs.count = model.numOuts >= 0 ? model.numOuts : qMax(highestLabelled, map.highestOutput);
    if (outputs.count == 0)
        notPlaced.append(JmriText::tr("it has no outputs"));
    if (outputs.count > OutputCount)
        notPlaced.append(JmriText::tr("it has %1 outputs; the grid shows outputs 1 to 14, so %2 are left out")
                             .arg(outputs.count)
                             .arg(outputs.count - OutputCount));
    if (!named.isEmpty())
        notPlaced.append(JmriText::tr("%1 outputs named otherwise than by a number are left out: %2")
                             .arg(named.size())
                             .arg(named.mid(0, 5).join(QLatin1String(", ")) +
                                  (named.size() > 5 ? QStringLiteral(", …") : QString())));
    return outputs;
}

void noteMissingIncludes(const JmriFamily &family, const JmriModel &model, QStringList &notPlaced)
{
    for (const JmriMissingInclude &missing : family.missingIncludes) {
        if ((missing.where == JmriMissingInclude::Outputs && missing.model >= 0 &&
             &family.models[missing.model] != &model) ||
            !applies(0, 0, missing.filters, family, model))
            continue;
        const QString sentence =
            missing.where == JmriMissingInclude::Outputs
                ? JmriText::tr("the include of %1 in its outputs could not be read (%2), so what it holds is missing")
            : missing.where == JmriMissingInclude::Variables
                ? JmriText::tr("the include of %1 in its variables could not be read (%2), so what it holds is missing")
                : JmriText::tr("the include of %1 could not be read (%2), so what it holds is missing");
        notPlaced.append(sentence.arg(missing.href, missing.reason));
    }
}

QString outputLines(const ModelOutputs &outputs, QStringList &notPlaced)
{
    QString lines;
    for (int output = 1; output <= qMin(outputs.count, OutputCount); ++output) {
        const QString given = outputs.labels.value(QString::number(output));
        const QString label = outputName(output, outputs.labels);
        const QString line = QStringLiteral("i%1 = \"").arg(output) + label + QLatin1Char('"');
        if (writableName(given) != given.trimmed())
            notPlaced.append(JmriText::tr("the label of output %1 holds a line break or a control character, "
                                          "written as a blank")
                                 .arg(output));
        // What the catalogue would read back is what is meant, or it is said.
        if (parseDefinitionLine(line).text != label)
            notPlaced.append(JmriText::tr("the label of output %1 cannot be written so that it reads back").arg(output));
        lines += line + QLatin1Char('\n');
    }
    return lines;
}

// The CV lines, and a comment where the map leaves the values to the station.
QString cvLines(const ModelMap &map, QStringList &notPlaced)
{
    QVector<int> elsewhere;
    for (int column = 0; column < CvCount; ++column) {
        if (map.elsewhere[column])
            elsewhere.append(FirstCv + column);
    }
    if (!elsewhere.isEmpty())
        notPlaced.append(JmriText::tr("%1 not written: this decoder maps its bits otherwise than the NMRA layout")
                             .arg(cvList(elsewhere)));
    for (const QString &item : map.unplacedFixed)
        notPlaced.append(JmriText::tr("its fixed mapping '%1' has no place in the grid").arg(item));

    QString lines;
    for (int column = 0; column < CvCount; ++column) {
        const bool locked = map.fixed[column] && map.value[column] != 0 && !map.variable[column];
        const bool given = map.variable[column] && map.defaults;
        if (!map.elsewhere[column] && (locked || given))
            lines += QStringLiteral("CV%1 = %2\n").arg(FirstCv + column).arg(locked ? -map.value[column] : map.value[column]);
    }
    return lines;
}

} // namespace

JmriSection jmriSection(const JmriFamily &family, const JmriModel &model, const QString &name)
{
    JmriSection section;
    section.name = name;
    ModelMap map;
    for (const JmriMapBit &bit : family.map) {
        if (applies(bit.minOut, bit.minFn, bit.filters, family, model))
            placeBit(bit, map);
    }
    const ModelOutputs outputs = modelOutputs(family, model, map, section.notPlaced);
    noteMissingIncludes(family, model, section.notPlaced);
    const QString outputPart = outputLines(outputs, section.notPlaced);
    const QString cvPart = cvLines(map, section.notPlaced);

    QString comment;
    if (!map.any) {
        section.notPlaced.append(JmriText::tr("it maps functions to outputs in its own way, not in CV33 to CV46: "
                                              "no CV lines written"));
        comment = JmriText::tr("; maps functions in its own way, not in CV33 to CV46") + QLatin1Char('\n');
    } else if (cvPart.isEmpty() && !map.defaults) {
        comment = JmriText::tr("; JMRI gives no default values: read the decoder from the station to fill them in") +
                  QLatin1Char('\n');
    }
    section.lines = QLatin1Char('[') + name + QLatin1String("]\n") + comment + outputPart + cvPart;
    section.notPlaced.removeDuplicates();
    return section;
}
