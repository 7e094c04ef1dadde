#include "BenchmarkExit.h"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QWidget>

namespace zentrova {
namespace {

// Quits once every visible top-level window has painted, the moment the
// engineer would see it; a window that is only shown may not have been
// drawn yet.
class BenchmarkExit : public QObject {
public:
    BenchmarkExit(QWidget& mainWindow, bool openAll)
        : QObject(&mainWindow), mainWindow_(mainWindow), openAll_(openAll)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow()) {
                painted_.insert(widget);
                // After the paint event, once the window is drawn.
                QTimer::singleShot(0, this, [this] { Next(); });
            }
        }
        return false;
    }

private:
    void Next()
    {
        if (openAll_ && painted_.contains(&mainWindow_)) {
            openAll_ = false;
            for (QPushButton* button : mainWindow_.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
                button->click();
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && !painted_.contains(window))
                return;
        }
        QCoreApplication::quit();
    }

    QWidget& mainWindow_;
    bool openAll_;
    QSet<QWidget*> painted_;
};

}  // namespace

void QuitWhenBenchmarked(QWidget& mainWindow)
{
    const QByteArray mode = qgetenv("ZENTROVA_BENCH_EXIT");
    if (mode == "shown" || mode == "all")
        new BenchmarkExit(mainWindow, mode == "all");
}

}  // namespace zentrova
