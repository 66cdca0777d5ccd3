#include "entry/RecentBirthFiles.h"

#include <QAction>
#include <QFileInfo>

#include "services/Messenger.h"
#include "services/Preferences.h"
#include "services/SettingsFile.h"
#include "text/Quoted.h"
#include "widgets/Translated.h"

namespace velmora {

QStringList RecentBirthFiles::Files() const {
    QStringList files = preferences_.KeptRecentBirthFiles();
    // Only the newest kMost are kept, whatever a settings file holds: a
    // longer list is cut there and written back, so it is read whole once.
    if (files.size() > kMost) {
        files.erase(files.begin() + kMost, files.end());
        preferences_.KeepRecentBirthFiles(files);
    }
    return files;
}

void RecentBirthFiles::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = Files();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kMost) files.removeLast();
    preferences_.KeepRecentBirthFiles(files);
}

void RecentBirthFiles::Remove(const QString& path) {
    QStringList files = Files();
    files.removeAll(path);
    preferences_.KeepRecentBirthFiles(files);
}

RecentBirthFilesMenu::RecentBirthFilesMenu(QMenu* file, QWidget* window, Messenger& messenger, Preferences& preferences,
                                           Open open)
    : QMenu(file),
      window_(window),
      messenger_(messenger),
      preferences_(preferences),
      open_(std::move(open)) {
    setObjectName(QStringLiteral("mnuRecent"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "&Recent Birth Files"));
    menuAction()->setObjectName(objectName());
    file->addMenu(this);
    connect(file, &QMenu::aboutToShow, this, &RecentBirthFilesMenu::Refill);
    connect(this, &QMenu::aboutToShow, this, &RecentBirthFilesMenu::Refill);
    Refill();
}

void RecentBirthFilesMenu::Refill() {
    clear();
    if (const QString setAside = SettingsSetAside(); !setAside.isEmpty()) {
        addAction(setAside)->setEnabled(false);
        setEnabled(true);  // so that the reason can be read
        return;
    }
    const QStringList files = RecentBirthFiles(preferences_).Files();
    int number = 0;
    for (const QString& path : files) {
        ++number;
        QAction* entry = addAction(QStringLiteral("&%1 %2").arg(number).arg(QFileInfo(path).fileName()));
        entry->setToolTip(path);
        entry->setData(path);
        connect(entry, &QAction::triggered, this, [this, path] {
            if (!QFileInfo::exists(path)) {
                RecentBirthFiles(preferences_).Remove(path);
                messenger_.Show(window_,
                                Tr(QT_TRANSLATE_NOOP("Velmora", "%1 is no longer there; it is taken off the list of "
                                                                "recent birth files."))
                                    .arg(QString::fromStdString(Quoted(path.toStdString()))),
                                MessageIcon::Information);
                Refill();
                return;
            }
            open_(path);
        });
    }
    setEnabled(!files.isEmpty());
}

}  // namespace velmora
