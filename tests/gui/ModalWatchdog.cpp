#include "ModalWatchdog.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace {

constexpr int kPollMilliseconds = 20;

}  // namespace

ModalWatchdog::ModalWatchdog()
{
    connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::Poll);
    timer_.start(kPollMilliseconds);
}

ModalWatchdog::~ModalWatchdog() = default;

void ModalWatchdog::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    const auto* box = qobject_cast<QMessageBox*>(modal);
    const QString text = box ? box->text() : modal->windowTitle();
    if (expected_ > 0) {
        --expected_;
        seen_.append(text);
        seenTitles_.append(modal->windowTitle());
    } else {
        unexpected_.append(text);
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->done(QDialog::Accepted);
    else
        modal->close();
}
