#include "readonlytext.h"

#include <QRect>

void ReadOnlyText::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int ReadOnlyText::selectionCount() const
{
    return 0;
}

void ReadOnlyText::addSelection(int, int)
{
}

void ReadOnlyText::removeSelection(int)
{
}

void ReadOnlyText::setSelection(int, int, int)
{
}

int ReadOnlyText::cursorPosition() const
{
    return 0;
}

void ReadOnlyText::setCursorPosition(int)
{
}

// An end offset of -1 means the end of the text.
QString ReadOnlyText::text(int startOffset, int endOffset) const
{
    const QString all = shownText();
    if (endOffset < 0 || endOffset > all.size())
        endOffset = all.size();
    if (startOffset < 0 || startOffset > endOffset)
        return QString();
    return all.mid(startOffset, endOffset - startOffset);
}

int ReadOnlyText::characterCount() const
{
    return shownText().size();
}

QRect ReadOnlyText::characterRect(int) const
{
    return QRect();
}

int ReadOnlyText::offsetAtPoint(const QPoint &) const
{
    return -1;
}

void ReadOnlyText::scrollToSubstring(int, int)
{
}

QString ReadOnlyText::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}
