#ifndef VALUESTEP_H
#define VALUESTEP_H

#include "decodertype.h"

#include <QString>
#include <QUndoCommand>

#include <array>
#include <functional>

// The texts of the 14 value cells. The boxes always show their values' low
// eight bits, so these texts are the whole state a step needs to restore.
using ValueTexts = std::array<QString, CvCount>;

// One thing the user did to the grid (a tick, a typed value, a paste), made
// when it is pushed: its redo and undo show the texts after and before it
// through `show`, which writes them as typing would.
class ValueStep : public QUndoCommand
{
public:
    ValueStep(const QString &text, const ValueTexts &before, const ValueTexts &after,
              std::function<void(const ValueTexts &)> show);

    void undo() override { show(before); }
    void redo() override;

private:
    ValueTexts before;
    ValueTexts after;
    std::function<void(const ValueTexts &)> show;
    // The stack redoes a step as it is pushed; by then the grid shows it already.
    bool shown = true;
};

#endif // VALUESTEP_H
