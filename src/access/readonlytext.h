#ifndef READONLYTEXT_H
#define READONLYTEXT_H

#include <QAccessibleTextInterface>

// The text interface of an object that shows a short text it cannot edit
// itself (a grid cell: its editor has an interface of its own). Screen readers
// read a cell's number through it, and text-change events need it.
class ReadOnlyText : public QAccessibleTextInterface
{
public:
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

protected:
    virtual QString shownText() const = 0;
};

#endif // READONLYTEXT_H
