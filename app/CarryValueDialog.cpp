#include "CarryValueDialog.h"

#include "QtText.h"
#include "calc/UnitConversion.h"
#include "calc/WindowDescription.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrova {

CarryValueDialog::CarryValueDialog(const WindowDescription& window, std::string_view control, const std::string& text,
                                   Carry carry, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CarryValueDialog"));
    setWindowTitle(QStringLiteral("传到使用此值的窗口"));
    setAttribute(Qt::WA_DeleteOnClose);

    const FieldDescription& source = *window.FindField(control);
    auto* heading = new QLabel(QStringLiteral("“%1”中的“%2”：%3 %4")
                                   .arg(ToQString(window.caption).trimmed(), ToQString(source.labelText),
                                        ToQString(text), ToQString(source.unit.symbol)),
                               this);
    heading->setObjectName(QStringLiteral("CarriedValue"));
    heading->setTextFormat(Qt::PlainText);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("CarryTargets"));
    for (const QuantityHolder& holder : FieldsHoldingTheSameQuantity(window, control)) {
        const std::optional<std::string> converted = ConvertedText(text, source.unit, holder.field->unit);
        if (!converted)
            continue;
        QString entry = ToQString(holder.window->caption).trimmed() + QStringLiteral(" — ") +
                        ToQString(holder.field->labelText);
        if (holder.converted)
            entry += QStringLiteral("（换算为 %1 %2）").arg(ToQString(*converted), ToQString(holder.field->unit.symbol));
        auto* item = new QListWidgetItem(entry, list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        item->setData(Qt::UserRole, ToQString(std::string(holder.window->name) + "." + std::string(holder.field->control)));
        targets_.push_back({holder, *converted});
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* confirm = buttons->addButton(QStringLiteral("传送"), QDialogButtonBox::AcceptRole);
    confirm->setObjectName(QStringLiteral("CarryButton"));
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this, carry = std::move(carry)] {
        std::vector<Target> chosen;
        for (int i = 0; i < list_->count(); ++i) {
            if (list_->item(i)->checkState() == Qt::Checked)
                chosen.push_back(targets_[static_cast<std::size_t>(i)]);
        }
        carry(chosen);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

}  // namespace zentrova
