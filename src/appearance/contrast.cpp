#include "contrast.h"

#include <QtMath>

namespace {

double channelLuminance(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : qPow((channel + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &colour)
{
    return 0.2126 * channelLuminance(colour.redF()) + 0.7152 * channelLuminance(colour.greenF())
        + 0.0722 * channelLuminance(colour.blueF());
}

} // namespace

double contrastRatio(const QColor &one, const QColor &other)
{
    const double a = relativeLuminance(one);
    const double b = relativeLuminance(other);
    return (qMax(a, b) + 0.05) / (qMin(a, b) + 0.05);
}

QColor firstContrasting(const QColor &against, std::initializer_list<QColor> candidates, double bar)
{
    QColor best;
    double bestRatio = 0;
    for (const QColor &candidate : candidates) {
        const double ratio = contrastRatio(candidate, against);
        if (ratio >= bar)
            return candidate;
        if (ratio > bestRatio) {
            best = candidate;
            bestRatio = ratio;
        }
    }
    // Black or white always reaches 4.58:1 against one colour.
    const QColor black(Qt::black), white(Qt::white);
    const QColor extreme = contrastRatio(black, against) >= contrastRatio(white, against) ? black : white;
    return contrastRatio(extreme, against) > bestRatio ? extreme : best;
}
