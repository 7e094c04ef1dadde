#include "FieldContextMenu.h"

#include <QLineEdit>
#include <QMenu>

namespace zentrova {

void ListWindowActionsInFieldMenu(QLineEdit& field, QWidget& window, std::function<void(QMenu&)> fieldEntries)
{
    field.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&field, &QWidget::customContextMenuRequested, &field,
                     [&field, &window, fieldEntries = std::move(fieldEntries)](const QPoint& at) {
        QMenu* menu = field.createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        fieldEntries(*menu);
        if (!window.actions().isEmpty()) {
            menu->addSeparator();
            menu->addActions(window.actions());
        }
        menu->popup(field.mapToGlobal(at));
    });
}

}  // namespace zentrova
