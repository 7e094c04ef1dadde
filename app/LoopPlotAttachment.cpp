#include "LoopPlotAttachment.h"

#include "BodePlotWindow.h"
#include "CalculationWindow.h"
#include "QtText.h"
#include "calc/FieldTexts.h"
#include "calc/WindowDescription.h"
#include "loops/LoopFigures.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>

#include <memory>

namespace zentrova {
namespace {

// The window's fields as they stand now, read from the fields themselves.
FieldTexts CurrentTexts(const CalculationWindow& window)
{
    FieldTexts texts = FieldTexts::Initial(window.description());
    for (const FieldDescription& field : window.description().fields) {
        const QString name = ToQString(field.control);
        if (const auto* edit = window.findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly))
            texts.Set(field.control, ToUtf8(edit->text()));
    }
    return texts;
}

struct PlotState {
    QPointer<BodePlotWindow> plot;
    // A faulted compute leaves texts that do not belong together: the plot
    // says so until the next compute succeeds.
    std::optional<ComputeFault> lastFault;
};

}  // namespace

void AttachLoopPlot(CalculationWindow& window)
{
    if (!HasLoopFigures(window.description().name))
        return;
    auto state = std::make_shared<PlotState>();

    auto* action = new QAction(QStringLiteral("波特图"), &window);
    action->setObjectName(QStringLiteral("BodePlotAction"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    window.addAction(action);
    QObject::connect(action, &QAction::triggered, &window, [&window, state] {
        // A child of its calculation window, so that it lives as long.
        if (!state->plot)
            state->plot = new BodePlotWindow(window.description(), &window);
        state->plot->ShowLoop(CurrentTexts(window), state->lastFault);
        state->plot->show();
        state->plot->raise();
        state->plot->activateWindow();
    });

    window.AddComputeListener([&window, state](const std::optional<ComputeFault>& fault) {
        state->lastFault = fault;
        if (state->plot)
            state->plot->ShowLoop(CurrentTexts(window), fault);
    });
}

}  // namespace zentrova
