#include "accessibletext.h"

#include "accessiblebase.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QValidator>

#include <algorithm>

namespace {

// Where the pieces of the text begin and end: 0 first, the length last.
QVector<int> pieceBounds(const QString &text, QAccessible::TextBoundaryType boundary)
{
    QVector<int> bounds{0};
    if (boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary) {
        for (int feed = text.indexOf(QLatin1Char('\n')); feed >= 0 && feed + 1 < text.size();
             feed = text.indexOf(QLatin1Char('\n'), feed + 1))
            bounds.append(feed + 1);
    } else if (boundary != QAccessible::NoBoundary) {
        const auto type = boundary == QAccessible::CharBoundary     ? QTextBoundaryFinder::Grapheme
                          : boundary == QAccessible::SentenceBoundary ? QTextBoundaryFinder::Sentence
                                                                      : QTextBoundaryFinder::Word;
        QTextBoundaryFinder finder(type, text);
        // Between two characters that are no word ("--") the finder marks a
        // boundary that neither starts nor ends a word: it splits no piece.
        const QTextBoundaryFinder::BoundaryReasons splits =
            type == QTextBoundaryFinder::Word ? QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem
                                              : QTextBoundaryFinder::BoundaryReasons(~0);
        for (int at = finder.toNextBoundary(); at > bounds.last() && at < text.size(); at = finder.toNextBoundary()) {
            if (finder.boundaryReasons() & splits)
                bounds.append(at);
        }
    }
    bounds.append(text.size());
    return bounds;
}

// A text whose end offset is -1 or beyond its end runs to its end.
QString textPart(const QString &all, int startOffset, int endOffset)
{
    if (endOffset < 0 || endOffset > all.size())
        endOffset = all.size();
    if (startOffset < 0 || startOffset > endOffset)
        return QString();
    return all.mid(startOffset, endOffset - startOffset);
}

} // namespace

TextSpan textSpan(const QString &text, int offset, QAccessible::TextBoundaryType boundary, SpanPlace place)
{
    if (offset == -1)
        offset = text.size();
    if (text.isEmpty() || offset < 0 || offset > text.size())
        return {};
    // The whole text is one piece, with nothing before or after it.
    if (boundary == QAccessible::NoBoundary)
        return place == SpanPlace::At ? TextSpan{0, int(text.size())} : TextSpan{};
    const QVector<int> bounds = pieceBounds(text, boundary);
    const int pieces = bounds.size() - 1;
    // The piece the offset lies in. A caret at the end of the text is in its
    // last word or line, but beyond its last character.
    int piece = int(std::upper_bound(bounds.cbegin(), bounds.cend(), offset) - bounds.cbegin()) - 1;
    if (piece == pieces && boundary != QAccessible::CharBoundary)
        --piece;
    if (place == SpanPlace::Before)
        --piece;
    else if (place == SpanPlace::After)
        ++piece;
    if (piece < 0 || piece >= pieces)
        return {};
    return {bounds.at(piece), bounds.at(piece + 1)};
}

QString SpannedText::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                                      int *endOffset) const
{
    return piece(offset, boundary, SpanPlace::Before, startOffset, endOffset);
}

QString SpannedText::textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                                  int *endOffset) const
{
    return piece(offset, boundary, SpanPlace::At, startOffset, endOffset);
}

QString SpannedText::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                                     int *endOffset) const
{
    return piece(offset, boundary, SpanPlace::After, startOffset, endOffset);
}

// Offset -2 stands for the caret.
QString SpannedText::piece(int offset, QAccessible::TextBoundaryType boundary, SpanPlace place, int *startOffset,
                           int *endOffset) const
{
    const QString all = text(0, characterCount());
    const TextSpan span = textSpan(all, offset == -2 ? cursorPosition() : offset, boundary, place);
    *startOffset = span.start;
    *endOffset = span.end;
    return span.start < 0 ? QString() : all.mid(span.start, span.end - span.start);
}

void ReadOnlyText::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString ReadOnlyText::text(int startOffset, int endOffset) const
{
    return textPart(shownText(), startOffset, endOffset);
}

QRect ReadOnlyText::characterRect(int offset) const
{
    const QString all = shownText();
    const QWidget *widget = textWidget();
    if (!widget || offset < 0 || offset >= all.size())
        return QRect();
    const QFontMetrics metrics(widget->font());
    const QRect line = widget->style()->itemTextRect(metrics, textArea(), Qt::AlignLeft | Qt::AlignVCenter,
                                                     widget->isEnabled(), all);
    const QPoint start(line.x() + metrics.horizontalAdvance(all.left(offset)), line.y());
    return toAssistiveTechnology(widget, QRect(widget->mapToGlobal(start),
                                               QSize(metrics.horizontalAdvance(all.mid(offset, 1)), line.height())));
}

QString ReadOnlyText::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

AccessibleLineEdit::AccessibleLineEdit(QLineEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit *AccessibleLineEdit::edit() const
{
    return static_cast<QLineEdit *>(widget());
}

QRect AccessibleLineEdit::rect() const
{
    return toAssistiveTechnology(edit(), QAccessibleWidget::rect());
}

QString AccessibleLineEdit::shownText() const
{
    return edit()->echoMode() == QLineEdit::Normal ? edit()->text() : QString();
}

QString AccessibleLineEdit::text(QAccessible::Text t) const
{
    QString text;
    if (t == QAccessible::Value)
        text = shownText();
    if (text.isEmpty())
        text = QAccessibleWidget::text(t);
    if (text.isEmpty() && t == QAccessible::Description)
        text = edit()->placeholderText();
    return text;
}

// A value set from outside passes the editor's validator, as typing would.
void AccessibleLineEdit::setText(QAccessible::Text t, const QString &text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    QString checked = text;
    int position = 0;
    if (edit()->validator() && edit()->validator()->validate(checked, position) != QValidator::Acceptable)
        return;
    edit()->setText(checked);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = edit()->isReadOnly();
    state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

void *AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void AccessibleLineEdit::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText())
        return;
    *startOffset = edit()->selectionStart();
    *endOffset = *startOffset + edit()->selectedText().size();
}

int AccessibleLineEdit::selectionCount() const
{
    return edit()->hasSelectedText() ? 1 : 0;
}

void AccessibleLineEdit::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        edit()->deselect();
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        edit()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLineEdit::cursorPosition() const
{
    return edit()->cursorPosition();
}

void AccessibleLineEdit::setCursorPosition(int position)
{
    edit()->setCursorPosition(position);
}

QString AccessibleLineEdit::text(int startOffset, int endOffset) const
{
    return textPart(shownText(), startOffset, endOffset);
}

int AccessibleLineEdit::characterCount() const
{
    return edit()->text().size();
}

// The line edit tells where its caret is drawn, scrolled as it is; a
// character lies as far from it as the text between them is wide.
QRect AccessibleLineEdit::characterRect(int offset) const
{
    const QString character = text(offset, offset + 1);
    if (offset < 0 || character.isEmpty())
        return QRect();
    const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(edit()->font());
    const QString all = shownText();
    const int x = caret.x() + caret.width() / 2 + metrics.horizontalAdvance(all.left(offset))
        - metrics.horizontalAdvance(all.left(edit()->cursorPosition()));
    return toAssistiveTechnology(edit(), QRect(edit()->mapToGlobal(QPoint(x, caret.y())),
                                               QSize(metrics.horizontalAdvance(character), metrics.height())));
}

int AccessibleLineEdit::offsetAtPoint(const QPoint &point) const
{
    return edit()->cursorPositionAt(edit()->mapFromGlobal(fromAssistiveTechnology(edit(), point)));
}

void AccessibleLineEdit::scrollToSubstring(int startIndex, int endIndex)
{
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
}

// A line edit's text has no attributes.
QString AccessibleLineEdit::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return QString();
}

void AccessibleLineEdit::deleteText(int startOffset, int endOffset)
{
    edit()->setText(edit()->text().remove(startOffset, endOffset - startOffset));
}

void AccessibleLineEdit::insertText(int offset, const QString &text)
{
    edit()->setText(edit()->text().insert(offset, text));
}

void AccessibleLineEdit::replaceText(int startOffset, int endOffset, const QString &text)
{
    edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
}
