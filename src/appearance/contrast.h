#ifndef CONTRAST_H
#define CONTRAST_H

#include <QColor>

#include <initializer_list>

// What low-vision users need to tell a thing from what lies around it: the
// WCAG contrast ratio, 1 (none) to 21 (black on white), and its bar for the
// edges of controls and focus indicators.
constexpr double NonTextContrast = 3.0;

double contrastRatio(const QColor &one, const QColor &other);

// The first candidate that reaches the bar against the colour given, or
// failing all, the one that comes closest: a palette's own colour where it
// serves, black or white where it does not.
QColor firstContrasting(const QColor &against, std::initializer_list<QColor> candidates,
                        double bar = NonTextContrast);

#endif // CONTRAST_H
