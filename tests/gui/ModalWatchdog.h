#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// Watches for modal dialogs while a GUI test runs, so that a test never
// hangs on one: a dialog the test announced with Expect() is recorded and
// dismissed; any other is recorded as unexpected and dismissed as well.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog();
    ~ModalWatchdog() override;
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

    void Expect(int count = 1) { expected_ += count; }

    // Texts of the expected dialogs, in the order they appeared.
    const QStringList& seen() const { return seen_; }
    const QStringList& unexpected() const { return unexpected_; }
    QStringList seenTitles() const { return seenTitles_; }

private:
    void Poll();

    QTimer timer_;
    int expected_ = 0;
    QStringList seen_;
    QStringList seenTitles_;
    QStringList unexpected_;
};
