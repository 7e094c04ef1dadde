#pragma once

#include "catalog/SameQuantity.h"

#include <QDialog>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QListWidget;

namespace zentrova {

struct WindowDescription;

// "传到使用此值的窗口": the fields of the other windows that hold the same
// quantity as a field, each with its window's caption and label and, where
// its unit differs, the converted text; all checked at first. Confirming
// hands the checked ones, with the text each is to receive, to `carry`.
// Not modal: the windows stay usable while it is open.
class CarryValueDialog : public QDialog {
public:
    struct Target {
        QuantityHolder holder;
        std::string text;
    };
    using Carry = std::function<void(const std::vector<Target>& targets)>;

    CarryValueDialog(const WindowDescription& window, std::string_view control, const std::string& text, Carry carry,
                     QWidget* parent);

private:
    std::vector<Target> targets_;
    QListWidget* list_;
};

}  // namespace zentrova
