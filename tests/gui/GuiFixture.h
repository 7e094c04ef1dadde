#pragma once

#include "MainWindow.h"
#include "ModalWatchdog.h"

#include <QStringList>

#include <memory>

class QLineEdit;
class QMenu;
class QPushButton;

namespace zentrova {
class CalculationWindow;
}

// The program as one test function sees it: the main window shown, a
// watchdog against unexpected modal dialogs, and the windows it opens.
class GuiFixture {
public:
    GuiFixture();
    ~GuiFixture();
    GuiFixture(const GuiFixture&) = delete;
    GuiFixture& operator=(const GuiFixture&) = delete;

    zentrova::MainWindow& main() { return *main_; }
    ModalWatchdog& watchdog() { return *watchdog_; }

    // The window as the main window shows it, exposed and active.
    zentrova::CalculationWindow* Open(const char* window);

    // Makes the window the active one, as a click into it would.
    static void Activate(QWidget* window);
    static QLineEdit* Field(QWidget* window, const char* name);
    static QPushButton* Button(QWidget* window, const char* name);
    // The top-level windows of that name, visible or not.
    static int InstancesNamed(const QString& name);
    static QWidget* VisibleTopLevel(const QString& name);
    // Right-clicks the widget, picks `entry` from the menu that opens and
    // returns the texts of its entries, separators as "-".
    static QStringList RightClickAndPick(QWidget* widget, const QString& entry);

private:
    std::unique_ptr<ModalWatchdog> watchdog_;
    std::unique_ptr<zentrova::MainWindow> main_;
};
