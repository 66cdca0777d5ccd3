#include "shell/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

#include "shell/Messenger.h"

namespace velmora {

QString SingleInstance::DefaultLockPath() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir().mkpath(runtime)) return QDir(runtime).filePath(QStringLiteral("velmora.lock"));
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
    return QDir(QDir::tempPath()).filePath(QStringLiteral("velmora-%1.lock").arg(user));
}

SingleInstance::SingleInstance(const QString& lockPath) : path_(lockPath), lock_(lockPath) {
    // Never judge a lock by its age: a copy may run for days. Only a lock whose
    // process is gone counts as stale.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::Acquire() {
    if (lock_.isLocked()) return true;
    if (lock_.tryLock(0)) return true;
    if (lock_.error() != QLockFile::LockFailedError) return false;
    // tryLock has already cleared a lock whose process is gone. A lock file
    // without a readable owner (a copy that crashed while writing it) is
    // cleared here; removal fails while a live copy still holds the file.
    qint64 pid = 0;
    QString host, app;
    if (!lock_.getLockInfo(&pid, &host, &app) && lock_.removeStaleLockFile()) return lock_.tryLock(0);
    return false;
}

bool ClaimSingleInstance(SingleInstance& instance, Messenger& messenger) {
    if (instance.Acquire()) return true;
    messenger.Show(nullptr, QStringLiteral("Application is already running"), MessageIcon::Information);
    return false;
}

}  // namespace velmora
