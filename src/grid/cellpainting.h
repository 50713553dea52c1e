#ifndef CELLPAINTING_H
#define CELLPAINTING_H

#include <QColor>
#include <QRect>

class QPainter;
class QPalette;
class QStyleOptionViewItem;
class QWidget;

// How the grid draws what the style leaves faint: a check box whose edge or
// tick would not stand out at 3:1, the mark of a locked box, and the ring
// around the current cell. Colours come from the palette where they stand
// out, from black or white where they do not; sizes are in
// device-independent pixels, so they grow with the display's scale.
constexpr int FocusRingWidth = 2;

// What the cell is drawn on: its own colour, the selection, or the view's.
QColor cellBackground(const QStyleOptionViewItem &option);

// A selected cell's text in black or white, whichever stands better on the
// selection behind it, with the focus in the grid or elsewhere; the selection
// keeps the palette's colour. Palettes pair their selection colours for
// the focused window, not for a view that has lost the focus.
void readableSelectedText(QStyleOptionViewItem &option);

// Whether the style's own box, drawn on the background given, shows its edge
// and, when ticked, its tick at 3:1; measured on a picture of it, as a
// sighted user would see it.
bool styleBoxStandsOut(const QStyleOptionViewItem &option, const QColor &background, const QWidget *widget);

void paintBox(QPainter *painter, const QRect &box, const QPalette &palette, const QColor &background,
              bool checked, bool locked);
// Hatching around a locked box, so that it is told from an open one by more
// than its tint.
void paintLockedMark(QPainter *painter, const QRect &cell, const QRect &box, const QPalette &palette,
                     const QColor &background);
// A ring FocusRingWidth thick along the inside of the rectangle given.
void paintFocusRing(QPainter *painter, const QRect &rect, const QColor &colour);
QColor focusRingColour(const QPalette &palette, const QColor &background);

#endif // CELLPAINTING_H
