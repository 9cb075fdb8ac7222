#include "RecentDocuments.h"

#include "AppSettings.h"

#include <QFileInfo>

namespace spinora {

QStringList RecentDocuments::paths() const
{
    QStringList existing;
    for (const QString& path : appSettings()->value(QString::fromUtf8(settings::kRecentDocuments)).toStringList()) {
        if (QFileInfo(path).isDir())
            existing << path;
    }
    return existing;
}

QString RecentDocuments::mostRecent() const
{
    const QStringList list = paths();
    return list.isEmpty() ? QString() : list.first();
}

void RecentDocuments::noteDocument(const QString& packagePath)
{
    const auto store = appSettings();
    QStringList list = store->value(QString::fromUtf8(settings::kRecentDocuments)).toStringList();
    list.removeAll(packagePath);
    list.prepend(packagePath);
    while (list.size() > kLimit)
        list.removeLast();
    store->setValue(QString::fromUtf8(settings::kRecentDocuments), list);
}

void RecentDocuments::clear()
{
    appSettings()->remove(QString::fromUtf8(settings::kRecentDocuments));
}

} // namespace spinora
