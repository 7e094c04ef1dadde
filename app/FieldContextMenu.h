#pragma once

#include <functional>

class QLineEdit;
class QMenu;
class QWidget;

namespace zentrova {

// Gives a field a right-click menu of its standard editing entries followed
// by the actions of its window, as they stand when the menu opens, so that
// what a window offers on a right click is offered in its fields too.
// `fieldEntries` adds what concerns this field alone, before them.
void ListWindowActionsInFieldMenu(QLineEdit& field, QWidget& window, std::function<void(QMenu&)> fieldEntries);

}  // namespace zentrova
