#include "console.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace fmbench {
namespace {

QtMessageHandler previousHandler = nullptr;
long droppedDebugMessages = 0;

// The offscreen platform's notice, at every window shown, that it ignores
// size hints is dropped too; everything else goes where it would have gone.
void countAndDropDebugMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg)
        ++droppedDebugMessages;
    else if (!message.contains(QLatin1String("does not support propagateSizeHints")) && previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void fail(const char *what)
{
    std::fprintf(stderr, "fm-bench: %s\n", what);
    std::exit(1);
}

void progress(const char *what)
{
    std::fprintf(stderr, "    %s\n", what);
}

void dropDebugMessages()
{
    previousHandler = qInstallMessageHandler(countAndDropDebugMessages);
}

long debugMessagesDropped()
{
    return droppedDebugMessages;
}

} // namespace fmbench
