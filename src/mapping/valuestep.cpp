#include "valuestep.h"

#include <utility>

ValueStep::ValueStep(const QString &text, const ValueTexts &before, const ValueTexts &after,
                     std::function<void(const ValueTexts &)> show)
    : QUndoCommand(text), before(before), after(after), show(std::move(show))
{
}

void ValueStep::redo()
{
    if (shown) {
        shown = false;
        return;
    }
    show(after);
}
