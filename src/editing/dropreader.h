#ifndef DROPREADER_H
#define DROPREADER_H

#include "droppedfile.h"

#include <QObject>

#include <functional>

class QAbstractItemView;

// Text and files dropped onto the window, handed on to be read as a paste.
// The window, the grid and its viewport accept drops, so that one lands
// wherever it is let go; the window keeps its handlers, the drop is caught
// here. Only one local file or plain text is taken, and only as a copy: a
// file moved here would be gone from where the user keeps it.
class DropReader : public QObject
{
    Q_OBJECT

public:
    DropReader(QAbstractItemView *grid, std::function<void(const DroppedFile &)> read);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const DroppedFile &)> read;
};

#endif // DROPREADER_H
