#include "BenchmarkExit.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

// The yardstick for Zentrova's start: a bare Qt Widgets program showing one
// empty dialog, and built once more with one Chinese label in it, which
// tells how much of the difference is the CJK font alone. It quits under
// ZENTROVA_BENCH_EXIT by the very hook Zentrova's own start uses, so all are
// timed to the same moment.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QDialog dialog;
#ifdef BARE_QT_CHINESE_LABEL
    new QLabel(QStringLiteral("主功率元件计算"), &dialog);
#endif
    dialog.show();
    zentrova::QuitWhenBenchmarked(dialog);
    return application.exec();
}
