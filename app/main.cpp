#include "BenchmarkExit.h"
#include "Fonts.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    zentrova::InstallChineseFontSubstitutes();
    zentrova::MainWindow mainWindow;
    mainWindow.show();
    zentrova::QuitWhenBenchmarked(mainWindow);
    return application.exec();
}
