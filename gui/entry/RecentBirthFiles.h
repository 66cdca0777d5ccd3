#pragma once
// The birth files used last, newest first, kept per user between program
// starts (QSettings, "recentBirthFiles"). A file that is gone is taken off.

#include <QMenu>
#include <QString>
#include <QStringList>
#include <functional>

namespace velmora {

class RecentBirthFiles {
public:
    static constexpr int kMost = 8;

    // Empty, keeping nothing, while the settings are set aside
    // (SettingsSetAside).
    QStringList Files() const;
    void Add(const QString& path);     // to the front, once
    void Remove(const QString& path);
};

class Messenger;

// "&Recent Birth Files" on a window's File menu. It lists the files as they
// are whenever the File menu or the list opens, so a file saved or opened in
// any window is there at once; the window that adds one refills its own at
// once too. A file that is gone is a message over `window` and comes off.
class RecentBirthFilesMenu : public QMenu {
public:
    using Open = std::function<void(const QString& path)>;
    RecentBirthFilesMenu(QMenu* file, QWidget* window, Messenger& messenger, Open open);
    void Refill();

private:
    QWidget* window_;
    Messenger& messenger_;
    Open open_;
};

}  // namespace velmora
