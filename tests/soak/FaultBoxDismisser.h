#pragma once

#include <QObject>

// Dismisses every modal dialog the moment it is shown, so that a long run of
// clicks never waits on one: counts the fault message boxes and, apart, any
// other dialog, which the soak does not expect.
class FaultBoxDismisser : public QObject {
public:
    FaultBoxDismisser();
    ~FaultBoxDismisser() override;
    FaultBoxDismisser(const FaultBoxDismisser&) = delete;
    FaultBoxDismisser& operator=(const FaultBoxDismisser&) = delete;

    int faultBoxes() const { return faultBoxes_; }
    int otherDialogs() const { return otherDialogs_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int faultBoxes_ = 0;
    int otherDialogs_ = 0;
};
