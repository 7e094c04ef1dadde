#include "GuiFixture.h"

#include "CalculationWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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
