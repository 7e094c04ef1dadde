#include "CommandLine.h"

#include "ZentrovaVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>

#include <string_view>

namespace zentrova {

bool AsksForProgramInformation(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "-?" || arg == "--help-all" || arg == "--version" ||
            arg == "-v")
            return true;
    }
    return false;
}

void ProcessCommandLine(const QCoreApplication& application)
{
    QCoreApplication::setApplicationName(QStringLiteral("zentrova"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZENTROVA_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Zentrova: design calculator for boost PFC stages with an average-current-mode controller.\n"
        "Opens the main window; the command-line twin is zentrova-calc."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(application);
}

}  // namespace zentrova
