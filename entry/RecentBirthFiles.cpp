#include "entry/RecentBirthFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace velmora {

namespace {

const QString kKey = QStringLiteral("recentBirthFiles");

QSettings Settings() { return QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")); }

}  // namespace

QStringList RecentBirthFiles::Files() const { return Settings().value(kKey).toStringList(); }

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
