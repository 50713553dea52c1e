#include "jmrifamily.h"
#include "jmrilibrary.h"

#include "decodertype.h"
#include "definitionline.h"
#include "functionmap.h"

#include <QHash>

#include <algorithm>
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
    const MapItem item = parseMapItem(bit.item);
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
    // A default that does not fit its bit is taken as JMRI takes a missing one: 0.
    map.value[column] |= qMax(0, fieldValue(bit.bits, bit.defaultValue));
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

JmriSection jmriSection(const JmriFamily &family, const JmriModel &model, const QString &name)
{
    JmriSection section;
    section.name = name;
    QStringList comments;

    ModelMap map;
    for (const JmriMapBit &bit : family.map) {
        if (applies(bit.minOut, bit.minFn, bit.filters, family, model))
            placeBit(bit, map);
    }

    QHash<QString, QString> labels;
    int highestLabelled = 0;
    QStringList named; // outputs with a name that is no number
    for (const QVector<JmriOutput> *outputs : {&family.outputs, &model.outputs}) {
        for (const JmriOutput &output : *outputs) {
            labels.insert(output.name, output.label);
            if (isOutputNumber(output.name))
                highestLabelled = qMax(highestLabelled, output.name.toInt());
            else if (!named.contains(output.name))
                named.append(output.name);
        }
    }
    const int outputs = model.numOuts >= 0 ? model.numOuts : qMax(highestLabelled, map.highestOutput);
    if (outputs == 0)
        section.notPlaced.append(JmriText::tr("it has no outputs"));
    if (outputs > OutputCount)
        section.notPlaced.append(JmriText::tr("it has %1 outputs; the grid shows outputs 1 to 14, so %2 are left out")
                                     .arg(outputs)
                                     .arg(outputs - OutputCount));
    if (!named.isEmpty())
        section.notPlaced.append(JmriText::tr("%1 outputs named otherwise than by a number are left out: %2")
                                     .arg(named.size())
                                     .arg(named.mid(0, 5).join(QLatin1String(", "))
                                          + (named.size() > 5 ? QStringLiteral(", …") : QString())));

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
        section.notPlaced.append(sentence.arg(missing.href, missing.reason));
    }

    QString lines = QLatin1Char('[') + name + QLatin1String("]\n");
    for (int output = 1; output <= qMin(outputs, OutputCount); ++output) {
        const QString label = outputName(output, labels);
        const QString line = QStringLiteral("i%1 = \"").arg(output) + label + QLatin1String("\"\n");
        if (writableName(labels.value(QString::number(output))) != labels.value(QString::number(output)).trimmed())
            section.notPlaced.append(JmriText::tr("the label of output %1 holds a line break or a control character, "
                                          "written as a blank").arg(output));
        // What the catalogue would read back is what is meant, or it is said.
        if (parseDefinitionLine(line.chopped(1)).text != label)
            section.notPlaced.append(JmriText::tr("the label of output %1 cannot be written so that it reads back").arg(output));
        lines += line;
    }

    QVector<int> elsewhere;
    for (int column = 0; column < CvCount; ++column) {
        if (map.elsewhere[column])
            elsewhere.append(FirstCv + column);
    }
    if (!elsewhere.isEmpty())
        section.notPlaced.append(JmriText::tr("%1 not written: this decoder maps its bits otherwise than the NMRA layout")
                                     .arg(cvList(elsewhere)));
    for (const QString &item : map.unplacedFixed)
        section.notPlaced.append(JmriText::tr("its fixed mapping '%1' has no place in the grid").arg(item));

    if (!map.any) {
        section.notPlaced.append(JmriText::tr("it maps functions to outputs in its own way, not in CV33 to CV46: no CV "
                                      "lines written"));
        comments.append(JmriText::tr("; maps functions in its own way, not in CV33 to CV46"));
    } else if (!map.defaults && std::find(map.fixed.begin(), map.fixed.end(), true) == map.fixed.end()) {
        comments.append(JmriText::tr("; JMRI gives no default values: read the decoder from the station to fill them in"));
    }
    for (int column = 0; column < CvCount; ++column) {
        const bool lockedValue = map.fixed[column] && map.value[column] != 0 && !map.variable[column];
        const bool defaultValue = map.variable[column] && map.defaults;
        if (map.elsewhere[column] || !(lockedValue || defaultValue))
            continue;
        lines += QStringLiteral("CV%1 = %2\n").arg(FirstCv + column).arg(lockedValue ? -map.value[column] : map.value[column]);
    }
    const int headerEnd = lines.indexOf(QLatin1Char('\n')) + 1;
    lines.insert(headerEnd, comments.isEmpty() ? QString() : comments.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    section.lines = lines;
    section.notPlaced.removeDuplicates();
    return section;
}
