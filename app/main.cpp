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
    // `zentrova FILE`, as a double-click on a design file runs it.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        mainWindow.design().OpenPath(arguments.at(1));
    zentrova::QuitWhenBenchmarked(mainWindow);
    return application.exec();
}
