#include "teststations.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

// The DCC-EX test station on a pseudo-terminal, for a Windows program under
// Wine to reach through a COM port linked to it. Prints the terminal's path,
// serves until its input closes or the seconds given pass, then prints what
// it was asked.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int seconds = QCoreApplication::arguments().value(1).toInt();
    DccExTestStation station;
    const QString path = station.openPty(0);
    if (seconds <= 0 || path.isEmpty()) {
        std::fputs("usage: ptystation SECONDS (on Linux)\n", stderr);
        return 2;
    }
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&input] {
        char byte;
        if (::read(STDIN_FILENO, &byte, 1) <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    std::printf("%d reads, %d writes\n", station.reads, station.writes);
    return 0;
}
