#include "RecentDesigns.h"

#include <QFileInfo>
#include <QSettings>

namespace zentrova {
namespace {

const QString kKey = QStringLiteral("recentDesigns");

QSettings Settings()
{
    return QSettings(QSettings::UserScope, QStringLiteral("Zentrova"), QStringLiteral("zentrova"));
}

}  // namespace

QStringList RecentDesigns::paths() const
{
    return Settings().value(kKey).toStringList();
}

void RecentDesigns::Add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = paths();
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > kMaximum)
        list.removeLast();
    Store(list);
}

void RecentDesigns::Store(const QStringList& paths)
{
    QSettings settings = Settings();
    settings.setValue(kKey, paths);
}

}  // namespace zentrova
