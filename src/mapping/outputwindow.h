#ifndef OUTPUTWINDOW_H
#define OUTPUTWINDOW_H

#include <Qt>
#include <QString>

#include <array>

// Each function column switches a window of eight consecutive outputs:
// bit k of its CV value belongs to output row windowStart(column) + k.
constexpr int WindowBits = 8;

// Row 0 for "F0 v" to "F3", row 3 for "F4" to "F8", row 6 for "F9" to "F12".
int windowStart(int column);
bool isWindowRow(int column, int row);

Qt::CheckState boxStateForBit(qint32 value, int bit);
// Any state other than unchecked counts as a set bit.
int valueOfBoxes(const std::array<int, WindowBits> &checkStates);

// The stored value's magnitude as the value row shows it; exact even for the
// most negative 32-bit number.
QString magnitudeText(qint32 value);

#endif // OUTPUTWINDOW_H
