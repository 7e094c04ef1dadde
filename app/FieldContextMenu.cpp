#include "FieldContextMenu.h"

#include <QLineEdit>
#include <QMenu>

namespace zentrova {

void ListWindowActionsInFieldMenu(QLineEdit& field, QWidget& window)
{
    field.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&field, &QWidget::customContextMenuRequested, &field, [&field, &window](const QPoint& at) {
        QMenu* menu = field.createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        if (!window.actions().isEmpty()) {
            menu->addSeparator();
            menu->addActions(window.actions());
        }
        menu->popup(field.mapToGlobal(at));
    });
}

}  // namespace zentrova
