#include "Fonts.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    zentrova::InstallChineseFontSubstitutes();
    zentrova::MainWindow mainWindow;
    mainWindow.show();
    return application.exec();
}
