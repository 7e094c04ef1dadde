// Saves a megabyte-long design file through the program's atomic writer and
// prints "ok" or the reason it gives, for FullDisk.sh.
#include "DesignFileWriter.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return 2;
    const std::optional<QString> failure =
        zentrova::WriteFileAtomically(QString::fromLocal8Bit(argv[1]), QByteArray(1 << 20, 'n'));
    std::puts(failure ? failure->toUtf8().constData() : "ok");
    return 0;
}
