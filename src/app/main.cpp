#include "desktopappearance.h"
#include "mainwindow.h"
#include "windowlanguage.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // Sizes follow the display's scale, 150 % as 1.5 rather than rounded to 2.
    // Both must be set before the application object exists.
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    QTranslator translator;
    if (loadWindowTranslation(translator))
        application.installTranslator(&translator);
    followDesktopAppearance(application);
    MainWindow window;
    window.show();
    return application.exec();
}
