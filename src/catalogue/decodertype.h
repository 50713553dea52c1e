#ifndef DECODERTYPE_H
#define DECODERTYPE_H

#include <QString>
#include <QStringList>

#include <array>

// Outputs 1..14 and the function-mapping CVs 33..46 of a decoder.
constexpr int OutputCount = 14;
constexpr int FirstCv = 33;
constexpr int CvCount = 14;

struct DecoderType
{
    QString name;
    // Row labels: the 14 output names, then "CV" and "Wert".
    QStringList outputNames;
    // Position p holds the default of CV 33 + p.
    std::array<qint32, CvCount> cvValues{};

    // A negative stored value marks a function whose outputs the user may
    // look at but not change.
    bool isLocked(int position) const { return cvValues[position] < 0; }
};

// Fourteen unnamed outputs followed by the labels of the CV and value rows.
QStringList defaultOutputNames();

#endif // DECODERTYPE_H
