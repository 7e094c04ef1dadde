#pragma once

class QCoreApplication;

namespace zentrova {

// Whether the arguments ask only for --help or --version. Those are
// answered before any window system is opened, so that they work without
// a display.
bool AsksForProgramInformation(int argc, char** argv);

// Checks the command line of the running application against the program's
// options (Qt's own, such as -platform, are taken out by QApplication
// before): prints the help or the version and ends the program when asked,
// and ends it with a message on an unknown option.
void ProcessCommandLine(const QCoreApplication& application);

}  // namespace zentrova
