#include "dropreader.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace {

// A web link is no file of the user's; plain text counts only where no link comes with it.
bool canRead(const QMimeData *data)
{
    if (!data)
        return false;
    if (!data->hasUrls())
        return data->hasText();
    const QList<QUrl> urls = data->urls();
    return !urls.isEmpty() &&
           std::all_of(urls.cbegin(), urls.cend(), [](const QUrl &url) { return url.isLocalFile(); });
}

DroppedFile dropped(const QMimeData *data)
{
    if (!data->hasUrls())
        return {data->text(), QString()};
    const QList<QUrl> urls = data->urls();
    if (urls.size() > 1)
        return {QString(), QCoreApplication::translate("MainWindow", "Nichts eingefügt: das sind %1 Dateien; "
                                                                     "gelesen wird nur eine auf einmal.")
                               .arg(urls.size())};
    return readDroppedFile(urls.first().toLocalFile());
}

} // namespace

DropReader::DropReader(QAbstractItemView *grid, std::function<void(const DroppedFile &)> read)
    : QObject(grid), read(std::move(read))
{
    for (QWidget *target : {grid->window(), static_cast<QWidget *>(grid), grid->viewport()}) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }
}

bool DropReader::eventFilter(QObject *, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    if (!(drop->possibleActions() & Qt::CopyAction) || !canRead(drop->mimeData())) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        read(dropped(drop->mimeData()));
    return true;
}
