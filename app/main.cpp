#include "BenchmarkExit.h"
#include "CommandLine.h"
#include "Fonts.h"
#include "MainWindow.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char** argv)
{
    if (zentrova::AsksForProgramInformation(argc, argv)) {
        const QCoreApplication information(argc, argv);
        zentrova::ProcessCommandLine(information);
    }
    QApplication application(argc, argv);
    zentrova::ProcessCommandLine(application);
    // Lets a Wayland desktop match the windows to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.pfc.Zentrova"));
    zentrova::InstallChineseFontSubstitutes();
    zentrova::MainWindow mainWindow;
    mainWindow.show();
    // `zentrova FILE`, as a double-click on a design file runs it.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        mainWindow.design().OpenPath(arguments.at(1));
    zentrova::QuitWhenBenchmarked(mainWindow);
    return application.exec();
}
