#ifndef FINDING_H
#define FINDING_H

#include <QString>
#include <QVector>

// One thing the window does with a line of a decoder list that the line does
// not show: it ignores the line, or reads it otherwise than it looks.
struct Finding
{
    enum Effect {
        Ignored,       // nothing the window shows depends on the line
        ReadOtherwise, // the line takes effect, but not the one it looks like
    };

    int line = 0;
    int column = 1; // 1-based, in characters of the line as read
    Effect effect = ReadOtherwise;
    QString message;
    // For a line that sets an output or CV again: the line it overrides.
    int overridesLine = 0;
};

using Findings = QVector<Finding>;

#endif // FINDING_H
