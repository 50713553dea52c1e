#ifndef MAINWINDOWUI_H
#define MAINWINDOWUI_H

#include "ui_mainwindow.h"

// The form's class carries the window's name so that its texts are translated
// in the "MainWindow" context; this is the name the window's code uses for it.
class MainWindowUi : public Ui_MainWindow
{
};

#endif // MAINWINDOWUI_H
