#pragma once

#include "CarryValueDialog.h"
#include "DesignSession.h"
#include "FormRegistry.h"

#include <QAction>
#include <QUrl>
#include <QWidget>

#include <functional>

namespace zentrova {

class CalculationWindow;

// Hands an address to the desktop's web browser. Replaceable, so that tests
// never start a browser.
using UrlOpener = std::function<void(const QUrl&)>;
UrlOpener DesktopUrlOpener();

// PFC, the program's menu: one button per window, the greeting, the home-page
// link and the version.
class MainWindow : public QWidget {
public:
    explicit MainWindow(UrlOpener openUrl = DesktopUrlOpener());

    FormRegistry& forms() { return forms_; }
    DesignSession& design() { return *design_; }

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command12_Click();
    void Command14_Click();
    void Label2_Click();

protected:
    // Closing the menu ends the program with all its windows, once a changed
    // design is saved or the engineer lets it go.
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateButtons();
    void CreateLabels();
    void RegisterForms();
    // "传到使用此值的窗口" for a text of one of the window's fields.
    void OpenCarryDialog(CalculationWindow& source, std::string_view control, const std::string& text);
    void CarryInto(const std::vector<CarryValueDialog::Target>& targets);
    // An action that shows a calculation window with ShowForm.
    QAction* OpenAction(const QString& window, QObject* parent);

    FormRegistry forms_;
    UrlOpener openUrl_;
    DesignSession* design_;
};

}  // namespace zentrova
