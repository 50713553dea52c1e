#ifndef ACCESSIBLETEXT_H
#define ACCESSIBLETEXT_H

#include <QAccessibleWidget>

class QLineEdit;
class QWidget;

// A piece of a text, from start up to end; both -1 where there is none.
struct TextSpan
{
    int start = -1;
    int end = -1;
};

// Which piece a screen reader asks for: the one at an offset, or the one
// before or after that.
enum class SpanPlace { Before, At, After };

// The character, word, sentence or line of the text at, before or after an
// offset (-1 stands for the end of the text), as screen readers ask for them
// to read by word or by line. Words are the runs a word starts or ends, and
// the runs between them; a whole text is one line. Every offset and boundary
// has an answer, found in one pass over the text.
TextSpan textSpan(const QString &text, int offset, QAccessible::TextBoundaryType boundary, SpanPlace place);

// The pieces of a text by boundary, from textSpan(). The toolkit's own
// answers never come for some texts ("-1", "<Decodertyp wählen>"): asked
// for the word at their start or end it loops for good.
class SpannedText : public QAccessibleTextInterface
{
public:
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                             int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                         int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                            int *endOffset) const override;

private:
    QString piece(int offset, QAccessible::TextBoundaryType boundary, SpanPlace place, int *startOffset,
                  int *endOffset) const;
};

// The text of an object that shows a short text it cannot edit itself: the
// chosen decoder type, or a value cell (its editor has an interface of its
// own). Screen readers read the value through it, and text-change events
// need it.
class ReadOnlyText : public SpannedText
{
public:
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return shownText().size(); }
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

protected:
    virtual QString shownText() const = 0;
    // The widget the text is drawn in, and the area within it where its style
    // draws the text, from the left and centred, as both the choice and the
    // grid's cells draw theirs. Magnifiers follow the caret there.
    virtual const QWidget *textWidget() const = 0;
    virtual QRect textArea() const = 0;
};

// The value editor as screen readers see it, on the line edit's public
// interface: an editable text whose pieces always come (see SpannedText).
class AccessibleLineEdit : public QAccessibleWidget, public SpannedText, public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleLineEdit(QLineEdit *edit);

    QRect rect() const override;
    using SpannedText::text;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

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

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    QLineEdit *edit() const;
    // What the line edit shows in its characters: nothing where it hides them.
    QString shownText() const;
};

#endif // ACCESSIBLETEXT_H
