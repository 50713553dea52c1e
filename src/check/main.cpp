#include "checkcommand.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The reader reports each CV line it takes as a debug message, for the
// window's developers; here it would bury the findings.
void dropDebugMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg)
        defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    defaultHandler = qInstallMessageHandler(dropDebugMessages);
    // Messages in the user's language where a translation is built in.
    QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("function-mapping-check"), QStringLiteral("_"),
                        QStringLiteral(":/translations")))
        application.installTranslator(&translator);
    return CheckCommand::run(application.arguments().mid(1));
}
