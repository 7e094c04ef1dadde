#include "CalculationWindow.h"

#include "FaultMessage.h"
#include "QtText.h"
#include "Twips.h"
#include "WindowFrame.h"
#include "calc/ComputeAction.h"
#include "calc/FieldTexts.h"
#include "calc/Layout.h"
#include "calc/WindowDescription.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <limits>

namespace zentrova {

CalculationWindow::CalculationWindow(const WindowDescription& description, QWidget* parent)
    : QWidget(parent), description_(description)
{
    setObjectName(ToQString(description.name));
    setWindowTitle(ToQString(description.caption));
    // Companion windows (working, plots) add their actions to the window;
    // a right click on the window lists them.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    ApplyFixedDialogFrame(*this, description.clientWidthTwips, description.clientHeightTwips);

    QHash<QString, QWidget*> controls;
    for (const ControlPlace& place : LayOutWindow(description)) {
        const QString name = ToQString(place.control);
        const QString text = ToQString(place.text);
        QWidget* control = nullptr;
        if (place.kind == ControlKind::Field) {
            auto* field = new QLineEdit(text, this);
            field->setMaxLength(std::numeric_limits<int>::max());
            field->setAccessibleName(ToQString(description.FindField(place.control)->labelText));
            fields_.insert(name, field);
            control = field;
        } else if (place.kind == ControlKind::Button) {
            auto* button = new QPushButton(text, this);
            // Neither button answers Enter or Esc.
            button->setAutoDefault(false);
            button->setDefault(false);
            if (place.control == description.computeButton)
                connect(button, &QPushButton::clicked, this, &CalculationWindow::ComputeAction);
            else
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
}

void CalculationWindow::ComputeAction()
{
    FieldTexts texts = FieldTexts::Initial(description_);
    for (auto it = fields_.cbegin(); it != fields_.cend(); ++it)
        texts.Set(ToUtf8(it.key()), ToUtf8(it.value()->text()));

    const std::optional<ComputeFault> fault = RunComputeAction(description_, texts);

    for (const ComputeStep& step : description_.steps) {
        QLineEdit* field = fields_.value(ToQString(step.target));
        const QString text = ToQString(texts.Get(step.target));
        if (field && field->text() != text) {
            field->setText(text);
            // Show the leading digits should a long result not fit.
            field->setCursorPosition(0);
        }
    }
    for (const ComputeListener& listener : listeners_)
        listener(fault);
    if (fault)
        ReportFault(*fault, texts);
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
