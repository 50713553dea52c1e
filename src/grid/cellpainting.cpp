#include "cellpainting.h"

#include "contrast.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

QColor activeColour(const QPalette &palette, QPalette::ColorRole role)
{
    return palette.color(QPalette::Active, role);
}

// The median contrast along a line of pixels against the colour given.
double lineContrast(const QImage &image, QPoint from, QPoint step, int length, const QColor &against)
{
    std::vector<double> ratios;
    for (QPoint p = from; length-- > 0; p += step) {
        if (image.rect().contains(p))
            ratios.push_back(contrastRatio(image.pixelColor(p), against));
    }
    if (ratios.empty())
        return 1;
    std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 2, ratios.end());
    return ratios[ratios.size() / 2];
}

// The weakest side of the box's edge: on each side the best of the lines
// one device pixel outside to two inside, corners left out.
double edgeContrast(const QImage &image, const QRect &box, const QColor &background)
{
    double weakest = 21;
    const int inset = 2;
    for (int side = 0; side < 4; ++side) {
        double best = 1;
        for (int depth = -1; depth <= 1; ++depth) {
            const bool horizontal = side < 2;
            const int length = (horizontal ? box.width() : box.height()) - 2 * inset;
            QPoint start;
            switch (side) {
            case 0: start = {box.left() + inset, box.top() + depth}; break;
            case 1: start = {box.left() + inset, box.bottom() - depth}; break;
            case 2: start = {box.left() + depth, box.top() + inset}; break;
            default: start = {box.right() - depth, box.top() + inset}; break;
            }
            best = qMax(best, lineContrast(image, start, horizontal ? QPoint(1, 0) : QPoint(0, 1), length,
                                           background));
        }
        weakest = qMin(weakest, best);
    }
    return weakest;
}

// The strongest contrast inside the box against its fill, taken at the
// inner corner where no tick reaches.
double tickContrast(const QImage &image, const QRect &box)
{
    const QRect inside = box.adjusted(3, 3, -3, -3);
    const QColor fill = image.pixelColor(inside.topLeft());
    double strongest = 1;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            strongest = qMax(strongest, contrastRatio(image.pixelColor(x, y), fill));
    }
    return strongest;
}

bool measureStyleBox(const QStyleOptionViewItem &option, const QColor &background, const QWidget *widget)
{
    const QStyle *style = widget ? widget->style() : nullptr;
    if (!style)
        return false;
    const qreal ratio = widget->devicePixelRatioF();
    QStyleOptionViewItem box = option;
    // As the style draws the box inside a cell: never with the cell's focus.
    box.state &= ~QStyle::State_HasFocus;
    const QRect indicator = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, widget);
    const int margin = 2;
    box.rect = QRect(QPoint(margin, margin), indicator.size());
    QImage image((indicator.size() + QSize(2 * margin, 2 * margin)) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    {
        QPainter painter(&image);
        style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, &painter, widget);
    }
    const QRect device(QPointF(box.rect.topLeft() * ratio).toPoint(), QSizeF(box.rect.size() * ratio).toSize());
    if (edgeContrast(image, device, background) < NonTextContrast)
        return false;
    return option.checkState == Qt::Unchecked || tickContrast(image, device) >= NonTextContrast;
}

} // namespace

QColor cellBackground(const QStyleOptionViewItem &option)
{
    if (option.state.testFlag(QStyle::State_Selected))
        return activeColour(option.palette, QPalette::Highlight);
    if (option.backgroundBrush.style() != Qt::NoBrush)
        return option.backgroundBrush.color();
    return activeColour(option.palette, QPalette::Base);
}

void readableSelectedText(QStyleOptionViewItem &option)
{
    if (!option.state.testFlag(QStyle::State_Selected))
        return;
    // The group the style draws the selection from.
    const QPalette::ColorGroup group = !option.state.testFlag(QStyle::State_Enabled) ? QPalette::Disabled
                                       : option.state.testFlag(QStyle::State_Active) ? QPalette::Active
                                                                                     : QPalette::Inactive;
    const QColor behind = option.palette.color(group, QPalette::Highlight);
    const QColor black(Qt::black), white(Qt::white);
    option.palette.setColor(group, QPalette::HighlightedText,
                            contrastRatio(black, behind) >= contrastRatio(white, behind) ? black : white);
}

bool styleBoxStandsOut(const QStyleOptionViewItem &option, const QColor &background, const QWidget *widget)
{
    // A handful of cases per palette and scale: each is measured once.
    static QHash<QString, bool> measured;
    const QString key = QStringLiteral("%1 %2 %3 %4 %5 %6")
                            .arg(widget ? widget->style()->metaObject()->className() : "")
                            .arg(option.palette.cacheKey())
                            .arg(background.rgba())
                            .arg(int(option.checkState))
                            .arg(int(option.state))
                            .arg(widget ? widget->devicePixelRatioF() : 1.0);
    auto known = measured.constFind(key);
    if (known != measured.cend())
        return *known;
    const bool standsOut = measureStyleBox(option, background, widget);
    measured.insert(key, standsOut);
    return standsOut;
}

void paintBox(QPainter *painter, const QRect &box, const QPalette &palette, const QColor &background, bool checked,
              bool locked)
{
    // A locked box is hollow: its cell's tint shows through, as it cannot be ticked.
    const QColor fill = locked ? background : activeColour(palette, QPalette::Base);
    const QColor edge = firstContrasting(
        background, {activeColour(palette, QPalette::Text), activeColour(palette, QPalette::WindowText)});
    const QColor tick = firstContrasting(fill, {activeColour(palette, QPalette::Text), edge});
    painter->save();
    painter->fillRect(box, edge);
    painter->fillRect(box.adjusted(1, 1, -1, -1), fill);
    if (checked) {
        const qreal w = box.width(), h = box.height();
        QPainterPath mark(QPointF(box.left() + 0.2 * w, box.top() + 0.52 * h));
        mark.lineTo(box.left() + 0.42 * w, box.top() + 0.74 * h);
        mark.lineTo(box.left() + 0.8 * w, box.top() + 0.28 * h);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(tick, qMax(1.6, w / 6.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(mark);
    }
    painter->restore();
}

void paintLockedMark(QPainter *painter, const QRect &cell, const QRect &box, const QPalette &palette,
                     const QColor &background)
{
    const QColor colour = firstContrasting(
        background, {activeColour(palette, QPalette::Text), activeColour(palette, QPalette::WindowText)});
    painter->save();
    painter->setClipRegion(QRegion(cell.adjusted(FocusRingWidth, FocusRingWidth, -FocusRingWidth, -FocusRingWidth))
                           - QRegion(box.adjusted(-2, -2, 2, 2)));
    painter->setPen(QPen(colour, 1));
    const int spacing = 6;
    for (int x = cell.left() - cell.height(); x < cell.right(); x += spacing)
        painter->drawLine(x, cell.bottom(), x + cell.height(), cell.top());
    painter->restore();
}

void paintFocusRing(QPainter *painter, const QRect &rect, const QColor &colour)
{
    const int w = FocusRingWidth;
    painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), w), colour);
    painter->fillRect(QRect(rect.left(), rect.bottom() - w + 1, rect.width(), w), colour);
    painter->fillRect(QRect(rect.left(), rect.top() + w, w, rect.height() - 2 * w), colour);
    painter->fillRect(QRect(rect.right() - w + 1, rect.top() + w, w, rect.height() - 2 * w), colour);
}

QColor focusRingColour(const QPalette &palette, const QColor &background)
{
    return firstContrasting(background,
                            {activeColour(palette, QPalette::Highlight), activeColour(palette, QPalette::Text)});
}
