#pragma once

#include <QHash>
#include <QWidget>

class QLineEdit;

namespace zentrova {

struct ComputeFault;
struct WindowDescription;

// The one window class behind every calculation window: labels, fields and
// the two buttons are built from the window's description, and the compute
// button runs the description's steps on the fields' texts.
class CalculationWindow : public QWidget {
public:
    explicit CalculationWindow(const WindowDescription& description, QWidget* parent = nullptr);

    const WindowDescription& description() const { return description_; }

    // The compute button's click: runs every step, writing each result as it
    // goes; a fault stops the run and is reported, and the window stays.
    void ComputeAction();
    // The return button's click: hides the window and keeps its texts.
    void ReturnAction();

private:
    void ReportFault(const ComputeFault& fault);

    const WindowDescription& description_;
    QHash<QString, QLineEdit*> fields_;
};

}  // namespace zentrova
