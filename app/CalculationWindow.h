#pragma once

#include "StaleResults.h"
#include "calc/ComputeAction.h"
#include "calc/Working.h"

#include <QHash>
#include <QWidget>

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

class QLineEdit;

namespace zentrova {

class FieldTexts;
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

    // Sets a field's text as an edit of the engineer's would: the results
    // that depend on it no longer belong to the inputs. Not for a compute's
    // own results.
    void SetFieldText(std::string_view control, const QString& text);

    // Carries a text of one of its fields to the other windows that hold the
    // same quantity, as the engineer chooses; set by the program's shell,
    // which knows the other windows.
    using CarryHandler = std::function<void(std::string_view control, const std::string& text)>;
    void SetCarryHandler(CarryHandler handler) { carry_ = std::move(handler); }
    // Offers the text for carrying, when the window can carry it.
    void Carry(std::string_view control, const std::string& text) const;
    bool CanCarry(std::string_view control) const;

    // How the last compute action came to its results; none before the first.
    const std::optional<ComputeWorking>& lastWorking() const { return lastWorking_; }

    // Called after every compute action, once its results are written and
    // before a fault is reported; companion windows follow the results so.
    using ComputeListener = std::function<void(const std::optional<ComputeFault>& fault)>;
    void AddComputeListener(ComputeListener listener) { listeners_.push_back(std::move(listener)); }

private:
    void ReportFault(const ComputeFault& fault, const FieldTexts& texts);
    void FieldEdited(std::string_view control);
    // Tooltips with each field's working, and stale results greyed.
    void ShowResultStates();

    const WindowDescription& description_;
    QHash<QString, QLineEdit*> fields_;
    std::vector<ComputeListener> listeners_;
    std::optional<ComputeWorking> lastWorking_;
    CarryHandler carry_;
    StaleResults stale_;
};

}  // namespace zentrova
