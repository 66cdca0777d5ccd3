#include "entry/RecentBirthFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace velmora {

namespace {

const QString kKey = QStringLiteral("recentBirthFiles");

QSettings Settings() { return QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")); }

}  // namespace

QStringList RecentBirthFiles::Files() const {
    QSettings settings = Settings();
    QStringList files = settings.value(kKey).toStringList();
    // Only the newest kMost are kept, whatever a settings file holds: a
    // longer list is cut there and written back, so it is read whole once.
    if (files.size() > kMost) {
        files.erase(files.begin() + kMost, files.end());
        settings.setValue(kKey, files);
    }
    return files;
}

void RecentBirthFiles::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = Files();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kMost) files.removeLast();
    Settings().setValue(kKey, files);
}

void RecentBirthFiles::Remove(const QString& path) {
    QStringList files = Files();
    files.removeAll(path);
    Settings().setValue(kKey, files);
}

}  // namespace velmora
