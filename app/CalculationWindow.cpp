#include "CalculationWindow.h"

#include "FaultMessage.h"
#include "FieldContextMenu.h"
#include "FieldToolTip.h"
#include "FieldWidths.h"
#include "QtText.h"
#include "Twips.h"
#include "WindowFrame.h"
#include "WorkingPanel.h"
#include "catalog/SameQuantity.h"
#include "calc/FieldTexts.h"
#include "calc/Layout.h"
#include "calc/WindowDescription.h"

#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <limits>

namespace zentrova {

CalculationWindow::CalculationWindow(const WindowDescription& description, QWidget* parent)
    : QWidget(parent), description_(description), stale_(description)
{
    setObjectName(ToQString(description.name));
    setWindowTitle(ToQString(description.caption));
    // Companion windows (working, plots) add their actions to the window;
    // a right click on the window lists them.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    ApplyFixedDialogFrame(*this, description.clientWidthTwips, description.clientHeightTwips);

    const QFont fieldFont = ResultFieldFont(font());
    QHash<QString, QWidget*> controls;
    for (const ControlPlace& place : LayOutWindow(description, MeasureTextWidths(*this, fieldFont))) {
        const QString name = ToQString(place.control);
        const QString text = ToQString(place.text);
        QWidget* control = nullptr;
        if (place.kind == ControlKind::Field) {
            auto* field = new QLineEdit(text, this);
            field->setMaxLength(std::numeric_limits<int>::max());
            field->setAccessibleName(ToQString(description.FindField(place.control)->labelText));
            field->setFont(fieldFont);
            connect(field, &QLineEdit::textEdited, this, [this, control = place.control] { FieldEdited(control); });
            ListWindowActionsInFieldMenu(*field, *this, [this, field, control = place.control](QMenu& menu) {
                if (!CanCarry(control))
                    return;
                QAction* carry = menu.addAction(QStringLiteral("传到使用此值的窗口"));
                carry->setObjectName(QStringLiteral("CarryValue"));
                connect(carry, &QAction::triggered, this, [this, field, control] { Carry(control, ToUtf8(field->text())); });
            });
            fields_.insert(name, field);
            control = field;
        } else if (place.kind == ControlKind::Button) {
            // Outside a dialog neither button answers Enter or Esc.
            auto* button = new QPushButton(text, this);
            if (place.control == description.computeButton)
                connect(button, &QPushButton::clicked, this, &CalculationWindow::ComputeAction);
            else if (place.control == description.returnButton)
                connect(button, &QPushButton::clicked, this, &CalculationWindow::ReturnAction);
            control = button;
        } else {
            auto* label = new QLabel(text, this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            control = label;
        }
        control->setObjectName(name);
        control->setGeometry(TwipsRect(place.left, place.top, place.width, place.height));
        controls.insert(name, control);
    }

    QWidget* previous = nullptr;
    for (std::string_view name : description.tabOrder) {
        QWidget* control = controls.value(ToQString(name));
        if (previous && control)
            setTabOrder(previous, control);
        previous = control;
    }
    if (!description.tabOrder.empty()) {
        if (QWidget* first = controls.value(ToQString(description.tabOrder.front())))
            first->setFocus();
    }
    AddWorkingPanelAction(*this);
    ShowResultStates();
}

void CalculationWindow::ComputeAction()
{
    FieldTexts texts = FieldTexts::Initial(description_);
    for (auto it = fields_.cbegin(); it != fields_.cend(); ++it)
        texts.Set(ToUtf8(it.key()), ToUtf8(it.value()->text()));

    ComputeWorking working = ExplainComputeAction(description_, texts);

    for (const ComputeStep& step : description_.steps) {
        QLineEdit* field = fields_.value(ToQString(step.target));
        const QString text = ToQString(texts.Get(step.target));
        if (field && field->text() != text) {
            field->setText(text);
            // Show the leading digits should a long result not fit.
            field->setCursorPosition(0);
        }
    }
    stale_.Computed(working, texts);
    lastWorking_ = std::move(working);
    ShowResultStates();
    const std::optional<ComputeFault> fault = lastWorking_->fault;
    for (const ComputeListener& listener : listeners_)
        listener(fault);
    if (fault)
        ReportFault(*fault, texts);
}

bool CalculationWindow::CanCarry(std::string_view control) const
{
    return carry_ && !FieldsHoldingTheSameQuantity(description_, control).empty();
}

void CalculationWindow::Carry(std::string_view control, const std::string& text) const
{
    if (CanCarry(control))
        carry_(control, text);
}

void CalculationWindow::SetFieldText(std::string_view control, const QString& text)
{
    if (QLineEdit* field = fields_.value(ToQString(control))) {
        field->setText(text);
        FieldEdited(control);
    }
}

void CalculationWindow::FieldEdited(std::string_view control)
{
    stale_.Edited(control);
    ShowResultStates();
}

void CalculationWindow::ShowResultStates()
{
    const ComputeWorking* last = lastWorking_ ? &*lastWorking_ : nullptr;
    for (const FieldDescription& description : description_.fields) {
        QLineEdit* field = fields_.value(ToQString(description.control));
        if (!field)
            continue;
        const std::string_view reason = stale_.Reason(description.control);
        field->setToolTip(ToQString(FieldToolTip(description_, description, last, reason)));
        if (reason.empty()) {
            field->setPalette(QPalette());
        } else {
            QPalette greyed = palette();
            greyed.setColor(QPalette::Text, greyed.color(QPalette::Disabled, QPalette::Text));
            field->setPalette(greyed);
        }
    }
}

void CalculationWindow::ReturnAction()
{
    hide();
}

void CalculationWindow::ReportFault(const ComputeFault& fault, const FieldTexts& texts)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kFaultMessageTitle),
                    FaultMessageText(description_, fault, texts), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("ArithmeticFaultMessage"));
    box.exec();
}

}  // namespace zentrova
