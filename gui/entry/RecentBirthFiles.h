#pragma once
// The birth files used last, newest first, kept per user between program
// starts (QSettings, "recentBirthFiles"). A file that is gone is taken off.

#include <QMenu>
#include <QString>
#include <QStringList>
#include <functional>

namespace velmora {

class Messenger;
class Preferences;

// The list's rules over the list the preferences keep: the newest first,
// each file once, eight at most (a longer stored list is cut to its newest
// eight when read, and written back so).
class RecentBirthFiles {
public:
    static constexpr int kMost = 8;

    explicit RecentBirthFiles(Preferences& preferences) : preferences_(preferences) {}
    QStringList Files() const;
    void Add(const QString& path);     // to the front, once
    void Remove(const QString& path);

private:
    Preferences& preferences_;
};

// "&Recent Birth Files" on a window's File menu. It lists the files as they
// are whenever the File menu or the list opens, so a file saved or opened in
// any window is there at once; the window that adds one refills its own at
// once too. A file that is gone is a message over `window` and comes off.
class RecentBirthFilesMenu : public QMenu {
public:
    using Open = std::function<void(const QString& path)>;
    RecentBirthFilesMenu(QMenu* file, QWidget* window, Messenger& messenger, Preferences& preferences, Open open);
    void Refill();

private:
    QWidget* window_;
    Messenger& messenger_;
    Preferences& preferences_;
    Open open_;
};

}  // namespace velmora
