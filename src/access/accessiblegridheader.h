#ifndef ACCESSIBLEGRIDHEADER_H
#define ACCESSIBLEGRIDHEADER_H

#include "accessiblegridleaf.h"

// A column header ("F0 v" to "F12") or a row header (an output's name, "CV",
// "Wert") of the mapping grid, for screen readers that announce the headers
// of the cell they read.
class AccessibleGridHeader : public AccessibleGridLeaf
{
public:
    AccessibleGridHeader(QTableView *view, Qt::Orientation orientation, int section);

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    Qt::Orientation orientation;
    int section;
};

#endif // ACCESSIBLEGRIDHEADER_H
