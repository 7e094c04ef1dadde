#pragma once

#include <QString>
#include <QStringList>

namespace zentrova {

// The design files opened or saved last, newest first, kept in the user's
// settings between runs.
class RecentDesigns {
public:
    static constexpr int kMaximum = 8;

    QStringList paths() const;
    // Puts the file first, once, dropping the oldest beyond the maximum.
    void Add(const QString& path);

private:
    void Store(const QStringList& paths);
};

}  // namespace zentrova
