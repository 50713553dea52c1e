#include "desktopappearance.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Sizes follow the display's scale, 150 % as 1.5 rather than rounded to 2.
    // Both must be set before the application object exists.
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    followDesktopAppearance(application);
    MainWindow window;
    window.show();
    return application.exec();
}
