#include "MainWindow.h"

#include "CalculationWindow.h"
#include "CarryValueDialog.h"
#include "DiagramDescription.h"
#include "DiagramWindow.h"
#include "Fonts.h"
#include "HomePage.h"
#include "LinkLabel.h"
#include "LoopPlotAttachment.h"
#include "QtText.h"
#include "Twips.h"
#include "WindowFrame.h"
#include "WindowPlacement.h"
#include "catalog/WindowCatalog.h"
#include "calc/WindowDescription.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QPushButton>

#include <array>

namespace zentrova {
namespace {

constexpr int kClientWidth = 2655;
constexpr int kClientHeight = 6570;
constexpr int kButtonLeft = 360;
constexpr int kButtonWidth = 1695;
constexpr int kButtonHeight = 375;

struct MenuButton {
    int top;
    const char* control;
    const char* caption;
    void (MainWindow::*click)();
};

// Top to bottom. The tab order below differs from this visual order.
const std::array<MenuButton, 12> kMenuButtons = {{
    {240, "Command1", "主功率元件计算", &MainWindow::Command1_Click},
    {600, "Command5", " 限流设置 ", &MainWindow::Command5_Click},
    {960, "Command14", "限流回路", &MainWindow::Command14_Click},
    {1320, "Command2", "前馈乘方器", &MainWindow::Command2_Click},
    {1680, "Command9", "前馈乘法器", &MainWindow::Command9_Click},
    {2040, "Command6", "乘法器非线校正", &MainWindow::Command6_Click},
    {2400, "Command4", "电流补偿环路", &MainWindow::Command4_Click},
    {2760, "Command3", "电压补偿环路", &MainWindow::Command3_Click},
    {3120, "Command10", "振荡定时电阻", &MainWindow::Command10_Click},
    {3480, "Command8", "振荡定时电容", &MainWindow::Command8_Click},
    {3840, "Command7", "看图说明1", &MainWindow::Command7_Click},
    {4200, "Command12", "看图说明2", &MainWindow::Command12_Click},
}};

constexpr std::array<const char*, 12> kTabOrder = {
    "Command1", "Command2", "Command3",  "Command4", "Command5",  "Command6",
    "Command8", "Command9", "Command10", "Command7", "Command12", "Command14",
};

// Calculation windows without a menu button of their own: they open from
// the main window's right-click menu and from that of the window whose
// results they follow on from.
struct ContextWindow {
    const char* window;
    const char* from;
};
constexpr std::array<ContextWindow, 1> kContextWindows = {{{"yl", "gl"}}};

const QColor kLinkBlue(0, 0, 255);

}  // namespace

UrlOpener DesktopUrlOpener()
{
    return [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

MainWindow::MainWindow(UrlOpener openUrl) : openUrl_(std::move(openUrl))
{
    setObjectName(QStringLiteral("PFC"));
    setWindowTitle(QStringLiteral("Zentrova"));
    ApplyFixedDialogFrame(*this, kClientWidth, kClientHeight);
    CreateButtons();
    CreateLabels();
    RegisterForms();
    setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const ContextWindow& entry : kContextWindows)
        addAction(OpenAction(QString::fromUtf8(entry.window), this));
    design_ = new DesignSession(*this, forms_);
}

QAction* MainWindow::OpenAction(const QString& window, QObject* parent)
{
    const WindowDescription* description = FindCalculationWindow(ToUtf8(window));
    auto* action = new QAction(ToQString(description->caption), parent);
    action->setObjectName(QStringLiteral("Open_") + window);
    connect(action, &QAction::triggered, this, [this, window] { forms_.ShowForm(window); });
    return action;
}

void MainWindow::CreateButtons()
{
    for (const MenuButton& entry : kMenuButtons) {
        auto* button = new QPushButton(QString::fromUtf8(entry.caption), this);
        button->setObjectName(QString::fromUtf8(entry.control));
        button->setGeometry(TwipsRect(kButtonLeft, entry.top, kButtonWidth, kButtonHeight));
        connect(button, &QPushButton::clicked, this, entry.click);
    }
    QWidget* previous = nullptr;
    for (const char* name : kTabOrder) {
        auto* button = findChild<QPushButton*>(QString::fromUtf8(name));
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }
    findChild<QPushButton*>(QStringLiteral("Command1"))->setFocus();
}

void MainWindow::CreateLabels()
{
    auto* greeting = new QLabel(QStringLiteral("欢迎访问我们主页："), this);
    greeting->setObjectName(QStringLiteral("Label1"));
    greeting->setFont(SongTypeface());
    greeting->setGeometry(TwipsRect(360, 5280, 2175, 255));

    auto* link = new LinkLabel(QString::fromUtf8(kHomePageAddress), this);
    link->setObjectName(QStringLiteral("Label2"));
    QFont linkFont = SongTypeface();
    linkFont.setUnderline(true);
    link->setFont(linkFont);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, kLinkBlue);
    link->setPalette(palette);
    link->setCursor(Qt::PointingHandCursor);
    link->setGeometry(TwipsRect(120, 5640, 2400, 225));
    link->SetOnClick([this] { Label2_Click(); });

    auto* version = new QLabel(QStringLiteral("V1.2版本"), this);
    version->setObjectName(QStringLiteral("Label3"));
    version->setGeometry(TwipsRect(1680, 6240, 855, 255));
}

void MainWindow::RegisterForms()
{
    const auto besideMenu = [this](QWidget& window) { PlaceNewWindow(window, *this); };
    for (const WindowDescription* description : CalculationWindows())
        forms_.Register(
            ToQString(description->name),
            [this, description] {
                auto* window = new CalculationWindow(*description, this);
                for (const ContextWindow& entry : kContextWindows) {
                    if (description->name == entry.from)
                        window->addAction(OpenAction(QString::fromUtf8(entry.window), window));
                }
                window->SetCarryHandler([this, window](std::string_view control, const std::string& text) {
                    OpenCarryDialog(*window, control, text);
                });
                AttachLoopPlot(*window);
                return window;
            },
            besideMenu);
    for (const DiagramDescription& description : kDiagramWindows)
        forms_.Register(
            ToQString(description.name), [this, &description] { return new DiagramWindow(description, this); },
            description.screenPositionTwips ? FormRegistry::Placement() : besideMenu);
}

void MainWindow::OpenCarryDialog(CalculationWindow& source, std::string_view control, const std::string& text)
{
    auto* dialog = new CarryValueDialog(source.description(), control, text,
                                        [this](const std::vector<CarryValueDialog::Target>& targets) {
                                            CarryInto(targets);
                                        },
                                        &source);
    dialog->show();
}

void MainWindow::CarryInto(const std::vector<CarryValueDialog::Target>& targets)
{
    // Windows not created yet are created hidden, with their initial texts;
    // nothing is computed.
    for (const CarryValueDialog::Target& target : targets) {
        if (auto* window = dynamic_cast<CalculationWindow*>(forms_.CreateForm(ToQString(target.holder.window->name))))
            window->SetFieldText(target.holder.field->control, ToQString(target.text));
    }
}

void MainWindow::Command1_Click() { forms_.ShowForm(QStringLiteral("gl")); }
void MainWindow::Command5_Click() { forms_.ShowForm(QStringLiteral("xldz")); }
void MainWindow::Command14_Click() { forms_.ShowForm(QStringLiteral("XL")); }
void MainWindow::Command2_Click() { forms_.ShowForm(QStringLiteral("qkcf")); }
void MainWindow::Command9_Click() { forms_.ShowForm(QStringLiteral("qkcfq")); }
void MainWindow::Command6_Click() { forms_.ShowForm(QStringLiteral("fxxpz")); }
void MainWindow::Command4_Click() { forms_.ShowForm(QStringLiteral("dlbch")); }
void MainWindow::Command3_Click() { forms_.ShowForm(QStringLiteral("dybch")); }
void MainWindow::Command10_Click() { forms_.ShowForm(QStringLiteral("zddsdz")); }
void MainWindow::Command8_Click() { forms_.ShowForm(QStringLiteral("zddsdr")); }
void MainWindow::Command7_Click() { forms_.ShowForm(QStringLiteral("tu1")); }
void MainWindow::Command12_Click() { forms_.ShowForm(QStringLiteral("tu2")); }

void MainWindow::Label2_Click()
{
    // Whether a browser opens or not, nothing is reported.
    if (openUrl_)
        openUrl_(QUrl(QString::fromUtf8(kHomePageAddress)));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!design_->ConfirmDiscard()) {
        event->ignore();
        return;
    }
    forms_.HideAll();
    event->accept();
    QCoreApplication::quit();
}

}  // namespace zentrova
