#include "GuiFixture.h"

#include "CalculationWindow.h"

#include <QApplication>
#include <QAction>
#include <QContextMenuEvent>
#include <QTimer>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The texts of a popup menu's entries, separators as "-".
static QStringList EntryTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

// Right-clicks the widget, reads the menu that opens and picks `entry`.
QStringList GuiFixture::RightClickAndPick(QWidget* widget, const QString& entry)
{
    QStringList texts;
    auto pick = [&texts, &entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        texts = EntryTexts(*menu);
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) {
                menu->close();
                action->trigger();
                return;
            }
        }
        menu->close();
    };
    // A window's own actions menu runs modally until picked: pick from inside.
    QTimer::singleShot(0, widget, pick);
    const QPoint at = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    if (QApplication::activePopupWidget())
        pick();
    QApplication::processEvents();
    return texts;
}

GuiFixture::GuiFixture()
    : watchdog_(std::make_unique<ModalWatchdog>()), main_(std::make_unique<zentrova::MainWindow>(
                                                        [](const QUrl&) {}))
{
    main_->show();
    // Activated before any window it opens, so that the last one opened is the active one.
    if (!QTest::qWaitForWindowActive(main_.get()))
        qWarning("main window was not activated");
}

GuiFixture::~GuiFixture()
{
    main_.reset();
}

zentrova::CalculationWindow* GuiFixture::Open(const char* window)
{
    QWidget* form = main_->forms().ShowForm(QString::fromUtf8(window));
    auto* calculation = dynamic_cast<zentrova::CalculationWindow*>(form);
    if (!calculation)
        qFatal("no calculation window %s", window);
    Activate(calculation);
    return calculation;
}

void GuiFixture::Activate(QWidget* window)
{
    // The offscreen platform leaves the activation to the application.
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        qWarning("window %s was not activated", qPrintable(window->objectName()));
}

QLineEdit* GuiFixture::Field(QWidget* window, const char* name)
{
    auto* field = window->findChild<QLineEdit*>(QString::fromUtf8(name));
    if (!field)
        qFatal("no field %s", name);
    return field;
}

QPushButton* GuiFixture::Button(QWidget* window, const char* name)
{
    auto* button = window->findChild<QPushButton*>(QString::fromUtf8(name));
    if (!button)
        qFatal("no button %s", name);
    return button;
}

int GuiFixture::InstancesNamed(const QString& name)
{
    int instances = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        instances += w->objectName() == name ? 1 : 0;
    return instances;
}

QWidget* GuiFixture::VisibleTopLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}
