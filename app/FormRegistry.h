#pragma once

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>

#include <functional>

namespace zentrova {

// The single instances of the windows that the main window opens. A window
// is created on its first ShowForm or CreateForm and from then on only shown
// and hidden,
// so its texts live until the program ends.
class FormRegistry {
public:
    using Factory = std::function<QWidget*()>;
    // Puts a window where it first appears; run on its first show, so that
    // a window created hidden (by opening a design) is placed by where the
    // menu and the other windows stand when the engineer opens it.
    using Placement = std::function<void(QWidget& window)>;

    void Register(const QString& name, Factory factory, Placement place = {});

    // Creates the window, hidden, when it does not exist yet, and returns it:
    // opening a design or carrying a value fills windows the engineer has not
    // opened yet. Does nothing for a name without a window.
    QWidget* CreateForm(const QString& name);
    // Creates the window when needed, shows it and brings it to the front.
    // Does nothing for a name without a window.
    QWidget* ShowForm(const QString& name);
    // Hides the window and keeps it whole.
    void HideForm(const QString& name);
    void HideAll();

    // The window, or nullptr when it has not been created yet.
    QWidget* Find(const QString& name) const;

private:
    QHash<QString, Factory> factories_;
    QHash<QString, Placement> placements_;
    QSet<QString> placed_;
    QHash<QString, QPointer<QWidget>> instances_;
};

}  // namespace zentrova
