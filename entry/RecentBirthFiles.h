#pragma once
// The birth files used last, newest first, kept per user between program
// starts (QSettings, "recentBirthFiles"). A file that is gone is taken off.

#include <QString>
#include <QStringList>

namespace velmora {

class RecentBirthFiles {
public:
    static constexpr int kMost = 8;

    // Why the settings are set aside, or empty: a settings file that is not a
    // regular file (a FIFO would hold the window before it shows). The list
    // is then empty and nothing is kept.
    static QString SetAside();

    QStringList Files() const;
    void Add(const QString& path);     // to the front, once
    void Remove(const QString& path);
};

}  // namespace velmora
