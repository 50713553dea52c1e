#ifndef FUNCTIONMAP_H
#define FUNCTIONMAP_H

#include <QString>
#include <QStringRef>

// What a bit of CV33 to CV46 means in the NMRA layout: each CV belongs to one
// function (the column of the grid, 0 "F0 v", 1 "F0 r", 2 "F1" .. 13 "F12")
// and switches a window of eight consecutive outputs, bit 0 the first:
//
//   CV              33 .. 37         38 .. 42        43 .. 46
//   outputs          1 .. 8           4 .. 11         7 .. 14
//
// The grid draws its boxes by it, and JMRI's decoder definitions are read by it.
constexpr int MapWindowBits = 8;

// The 0-based output that bit 0 of the column's CV switches.
int outputWindowStart(int column);
// The 1-based output that `bit` of the column's CV switches.
inline int outputOfBit(int column, int bit)
{
    return outputWindowStart(column) + bit + 1;
}

// A mask as JMRI writes one, "XXXXXXVV": the V's mark the field, the last
// character bit 0. No mask is the whole byte. Returns the field's bits, or 0
// for a mask read in no certain way.
int maskBits(const QStringRef &mask);

// What a field's default adds to its CV: `value` moved into the field's
// `bits`; a field without a default (`value` -1) counts 0, as in JMRI.
// -1 where the value does not fit the bits, or there is no field.
int fieldDefault(int bits, int value);

// JMRI's name for one bit of a function map, "F3 controls output 5",
// "FL(r) controls output 2": the function's grid column (-1 for a function
// the grid has no column for, as F13 or F2(r)) and the output. `isMapItem`
// is false for any other text.
struct MapItem
{
    bool isMapItem = false;
    int column = -1;
    int output = 0;
};

MapItem parseMapItem(const QString &item);

#endif // FUNCTIONMAP_H
