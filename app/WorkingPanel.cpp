#include "WorkingPanel.h"

#include "CalculationWindow.h"
#include "QtText.h"
#include "WindowPlacement.h"
#include "calc/WindowDescription.h"
#include "calc/Working.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrova {
namespace {

const QString kPanelName = QStringLiteral("WorkingPanel");
constexpr QSize kPanelSize(720, 480);

// Before the first compute: what the panel will show, and each formula.
std::string FormulasText(const WindowDescription& window)
{
    std::string text = "尚未计算。按“计算”后，这里列出每一步的公式、代入的数值、结果和标准值。\n\n";
    int number = 0;
    for (const ComputeStep& step : window.steps) {
        const FieldDescription& target = window.fields[static_cast<std::size_t>(step.targetIndex)];
        text += "第 " + std::to_string(++number) + " 步：" + std::string(target.labelText) + "（" +
                std::string(step.target) + "）\n  " + StepFormulaText(window, step) + "\n";
    }
    return text;
}

// A faulted run names its faulting step and why before the whole working.
std::string FaultHeading(const ComputeWorking& working)
{
    if (!working.fault || working.steps.empty())
        return {};
    const StepWorking& step = working.steps.back();
    return "计算在第 " + std::to_string(step.step) + " 步中断：" + std::string(step.label) + "（" +
           std::string(step.target) + "）无法计算。" + step.faultReason + "\n\n";
}

void ShowWorkingPanel(CalculationWindow& window)
{
    QWidget* panel = window.findChild<QWidget*>(kPanelName, Qt::FindDirectChildrenOnly);
    if (!panel) {
        panel = new WorkingPanel(window);
        PlaceNewWindow(*panel, window);
    }
    panel->show();
    panel->raise();
    panel->activateWindow();
}

}  // namespace

WorkingPanel::WorkingPanel(CalculationWindow& window) : QWidget(&window, Qt::Window), window_(window)
{
    setObjectName(kPanelName);
    setWindowTitle(QStringLiteral("计算过程 — ") + ToQString(window.description().caption));
    resize(kPanelSize);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("WorkingText"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The values line up under their formula.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* copy = new QPushButton(QStringLiteral("复制"), this);
    copy->setObjectName(QStringLiteral("CopyButton"));
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(text_->toPlainText()); });

    // A standard part value, sent on instead of the computed one.
    auto* carry = new QPushButton(QStringLiteral("传标准值"), this);
    carry->setObjectName(QStringLiteral("CarryStandardButton"));
    auto* standardValues = new QMenu(carry);
    standardValues->setObjectName(QStringLiteral("StandardValuesMenu"));
    carry->setMenu(standardValues);
    connect(standardValues, &QMenu::aboutToShow, this, [this, standardValues] { ListStandardValues(*standardValues); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(carry);
    buttons->addWidget(copy);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);

    ShowWorking();
    window.AddComputeListener([this](const std::optional<ComputeFault>&) { ShowWorking(); });
    window.installEventFilter(this);
}

void WorkingPanel::ListStandardValues(QMenu& menu)
{
    menu.clear();
    if (window_.lastWorking()) {
        for (const StepWorking& step : window_.lastWorking()->steps) {
            if (step.standard.empty() || !window_.CanCarry(step.target))
                continue;
            QMenu* values = menu.addMenu(ToQString(step.label).trimmed() + QStringLiteral("（") +
                                         ToQString(step.symbol) + QStringLiteral("）"));
            for (const StandardValues& series : step.standard) {
                const std::pair<const char*, double> choices[] = {
                    {"最接近", series.nearest}, {"较小", series.lower}, {"较大", series.higher}};
                for (const auto& [which, value] : choices) {
                    const std::string text = ValueText(value);
                    QAction* action = values->addAction(QStringLiteral("%1 %2 %3 %4").arg(
                        ToQString(series.series), QString::fromUtf8(which), ToQString(text), ToQString(step.unit)));
                    connect(action, &QAction::triggered, this,
                            [this, target = step.target, text] { window_.Carry(target, text); });
                }
            }
        }
    }
    if (menu.isEmpty())
        menu.addAction(QStringLiteral("（没有可传的标准值）"))->setEnabled(false);
}

bool WorkingPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Hide)
        hide();
    return QWidget::eventFilter(watched, event);
}

void WorkingPanel::ShowWorking()
{
    const WindowDescription& description = window_.description();
    const std::optional<ComputeWorking>& working = window_.lastWorking();
    const std::string text = working ? FaultHeading(*working) + ComputeWorkingText(description, *working)
                                     : FormulasText(description);
    text_->setPlainText(ToQString(text));
}

void AddWorkingPanelAction(CalculationWindow& window)
{
    auto* action = new QAction(QStringLiteral("计算过程"), &window);
    action->setObjectName(QStringLiteral("WorkingPanelAction"));
    action->setShortcut(QKeySequence(Qt::Key_F1));
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &window, [&window] { ShowWorkingPanel(window); });
    window.addAction(action);
}

}  // namespace zentrova
