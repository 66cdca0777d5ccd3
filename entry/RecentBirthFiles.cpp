#include "entry/RecentBirthFiles.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "engine/Quoted.h"

namespace velmora {

namespace {

const QString kKey = QStringLiteral("recentBirthFiles");

QSettings Settings() { return QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")); }

}  // namespace

QString RecentBirthFiles::SetAside() {
    // The files QSettings reads for this organisation and program, in each
    // configuration folder: its own and the organisation's.
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        for (const QString& name : {QStringLiteral("/Velmora/Velmora.conf"), QStringLiteral("/Velmora.conf")}) {
            const QFileInfo file(folder + name);
            if (file.exists() && !file.isFile())
                return QStringLiteral("The settings file %1 is not a regular file: Velmora keeps no recent "
                                      "birth files until it is one.")
                    .arg(QString::fromStdString(Quoted(file.filePath().toStdString())));
        }
    }
    return {};
}

QStringList RecentBirthFiles::Files() const {
    if (!SetAside().isEmpty()) return {};
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
    if (!SetAside().isEmpty()) return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = Files();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kMost) files.removeLast();
    Settings().setValue(kKey, files);
}

void RecentBirthFiles::Remove(const QString& path) {
    if (!SetAside().isEmpty()) return;
    QStringList files = Files();
    files.removeAll(path);
    Settings().setValue(kKey, files);
}

}  // namespace velmora
