#include "FormRegistry.h"

namespace zentrova {

void FormRegistry::Register(const QString& name, Factory factory)
{
    factories_.insert(name, std::move(factory));
}

bool FormRegistry::IsRegistered(const QString& name) const
{
    return factories_.contains(name);
}

QWidget* FormRegistry::CreateForm(const QString& name)
{
    if (QWidget* window = Find(name))
        return window;
    const auto factory = factories_.constFind(name);
    if (factory == factories_.constEnd())
        return nullptr;
    QWidget* window = (*factory)();
    window->setObjectName(name);
    instances_.insert(name, window);
    return window;
}

QWidget* FormRegistry::ShowForm(const QString& name)
{
    QWidget* window = CreateForm(name);
    if (!window)
        return nullptr;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void FormRegistry::HideForm(const QString& name)
{
    if (QWidget* window = Find(name))
        window->hide();
}

void FormRegistry::HideAll()
{
    for (const QPointer<QWidget>& window : std::as_const(instances_)) {
        if (window)
            window->hide();
    }
}

QWidget* FormRegistry::Find(const QString& name) const
{
    return instances_.value(name).data();
}

}  // namespace zentrova
