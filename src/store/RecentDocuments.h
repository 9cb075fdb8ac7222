#pragma once

#include <QStringList>

namespace spinora {

// The "Open Recent" list: collection paths, most recent first, kept in the
// settings. Collections that no longer exist are left out.
class RecentDocuments {
public:
    static constexpr int kLimit = 10;

    QStringList paths() const;
    QString mostRecent() const;
    void noteDocument(const QString& packagePath);
    void clear();
};

} // namespace spinora
