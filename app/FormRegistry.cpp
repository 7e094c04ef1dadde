#include "FormRegistry.h"

namespace zentrova {

void FormRegistry::Register(const QString& name, Factory factory, Placement place)
{
    factories_.insert(name, std::move(factory));
    if (place)
        placements_.insert(name, std::move(place));
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
    if (!placed_.contains(name)) {
        if (const auto place = placements_.constFind(name); place != placements_.constEnd())
            (*place)(*window);
        placed_.insert(name);
    }
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
