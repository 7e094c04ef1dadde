#pragma once

#include "calc/ComputeAction.h"
#include "loops/LoopFigures.h"

#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace zentrova {

class BodeChartView;
class FieldTexts;
struct WindowDescription;

// The Bode plot of the loop that one compensation window's texts make: gain
// and phase stacked on one logarithmic frequency axis, the crossover, the
// phase margin and the loop's caveat frequency marked, the window's own
// figure beside them, a cursor readout, and export to PNG, SVG and CSV.
class BodePlotWindow : public QWidget {
public:
    BodePlotWindow(const WindowDescription& window, QWidget* parent);

    // Plots the loop of these texts; after a faulted compute, or when the
    // texts make no loop, says why and draws no curve.
    void ShowLoop(const FieldTexts& texts, const std::optional<ComputeFault>& fault);

    // Asks where to save: a path, or empty to cancel. Replaceable, so that
    // tests need no file dialog.
    using SavePathChooser = std::function<QString(const QString& caption, const QString& filter)>;
    void SetSavePathChooser(SavePathChooser chooser) { choosePath_ = std::move(chooser); }

    bool ExportPng(const QString& path) const;
    bool ExportSvg(const QString& path) const;
    bool ExportCsv(const QString& path) const;

private:
    void ShowFigures(const LoopFigures& figures);
    void PlotCurves(const LoopFigures& figures);
    void ShowReadouts(const LoopFigures& figures);
    void ShowReason(const QString& reason);
    void ShowCursorAt(std::optional<double> hz);
    void Export(const QString& caption, const QString& filter, bool (BodePlotWindow::*write)(const QString&) const);

    const WindowDescription& window_;
    std::optional<LoopFigures> figures_;
    QWidget* charts_;
    BodeChartView* gain_;
    BodeChartView* phase_;
    QLabel* crossover_;
    QLabel* margin_;
    QLabel* rippleGain_;
    QLabel* limit_;
    QLabel* windowFigure_;
    QLabel* cursor_;
    QLabel* flags_;
    QLabel* reason_;
    QList<QPushButton*> exportButtons_;
    SavePathChooser choosePath_;
};

}  // namespace zentrova
