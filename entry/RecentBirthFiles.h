#pragma once
// The birth files used last, newest first, kept per user between program
// starts (QSettings, "recentBirthFiles"). A file that is gone is taken off.

#include <QString>
#include <QStringList>

namespace velmora {

class RecentBirthFiles {
public:
    static constexpr int kMost = 8;

    QStringList Files() const;
    void Add(const QString& path);     // to the front, once
    void Remove(const QString& path);
};

}  // namespace velmora
