#pragma once

#include <QWidget>

class QMenu;
class QPlainTextEdit;

namespace zentrova {

class CalculationWindow;

// "计算过程": the working of a calculation window's last compute, every step
// in order with its formula, values, result, unit and standard values, and
// for a step that faulted the fault and why, as selectable text with a copy
// button. A non-modal companion of its window that follows every compute
// and goes away with the window.
class WorkingPanel : public QWidget {
public:
    explicit WorkingPanel(CalculationWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowWorking();
    // The standard values of the last compute's parts, each to be carried
    // to the windows that hold its quantity.
    void ListStandardValues(QMenu& menu);

    CalculationWindow& window_;
    QPlainTextEdit* text_;
};

// Gives the window its "计算过程" action, on F1 and in its right-click
// menus, which shows the window's one working panel beside it.
void AddWorkingPanelAction(CalculationWindow& window);

}  // namespace zentrova
