#include "shell/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include "services/Messenger.h"

namespace velmora {

namespace {

std::unique_ptr<QLockFile> NewLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    // Never judge a lock by its age: a copy may run for days. Only a lock whose
    // process is gone counts as stale.
    lock->setStaleLockTime(0);
    return lock;
}

}  // namespace

QString SingleInstance::DefaultLockPath() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir().mkpath(runtime)) return QDir(runtime).filePath(QStringLiteral("velmora.lock"));
    return FallbackLockPath();
}

QString SingleInstance::FallbackLockPath() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) user = qEnvironmentVariable("USERNAME");
    return QDir(QDir::tempPath()).filePath(QStringLiteral("velmora-%1.lock").arg(user));
}

SingleInstance::SingleInstance(const QString& lockPath, const QString& fallbackPath)
    : path_(lockPath), fallbackPath_(fallbackPath), lock_(NewLock(lockPath)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::ListenForLaterCopies(std::function<void()> knocked) {
    if (!lock_->isLocked()) return false;
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a copy that crashed: the lock is ours, so it is stale.
    QLocalServer::removeServer(SocketPath());
    if (!server_->listen(SocketPath())) {
        server_.reset();
        return false;
    }
    QLocalServer* server = server_.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [server, knocked = std::move(knocked)] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            socket->disconnectFromServer();
            socket->deleteLater();
            knocked();
        }
    });
    return true;
}

bool SingleInstance::KnockOnRunningCopy() const {
    QLocalSocket socket;
    socket.connectToServer(SocketPath());
    if (!socket.waitForConnected(1000)) return false;
    socket.disconnectFromServer();
    return true;
}

SingleInstance::Outcome SingleInstance::TryAcquire() {
    if (lock_->isLocked()) return Outcome::Acquired;
    const Outcome first = TryLock();
    if (first != Outcome::Unavailable || fallbackPath_.isEmpty() || fallbackPath_ == path_) return first;
    path_ = fallbackPath_;
    lock_ = NewLock(path_);
    return TryLock();
}

SingleInstance::Outcome SingleInstance::TryLock() {
    if (lock_->tryLock(0)) return Outcome::Acquired;
    if (lock_->error() != QLockFile::LockFailedError) return Outcome::Unavailable;
    // Something that is not a lock file stands in its place.
    const QFileInfo info(path_);
    if (info.exists() && !info.isFile()) return Outcome::Unavailable;
    // tryLock has already cleared a lock whose process is gone, so a lock
    // that names its owner belongs to a live copy.
    qint64 pid = 0;
    QString host, app;
    if (lock_->getLockInfo(&pid, &host, &app)) return Outcome::HeldByAnotherCopy;
    // A lock file without a readable owner (a copy that crashed while writing
    // it) is cleared; removal fails while a live copy still holds the file.
    if (lock_->removeStaleLockFile()) return lock_->tryLock(0) ? Outcome::Acquired : Outcome::HeldByAnotherCopy;
    // Or the folder cannot be written, and the file cannot be replaced.
    if (!QFileInfo(info.absolutePath()).isWritable()) return Outcome::Unavailable;
    return Outcome::HeldByAnotherCopy;
}

bool ClaimSingleInstance(SingleInstance& instance, Messenger& messenger) {
    switch (instance.TryAcquire()) {
    case SingleInstance::Outcome::Acquired:
        return true;
    case SingleInstance::Outcome::HeldByAnotherCopy:
        instance.KnockOnRunningCopy();
        messenger.Show(nullptr, QStringLiteral("Application is already running"), MessageIcon::Information);
        return false;
    case SingleInstance::Outcome::Unavailable:
        break;
    }
    qWarning("Velmora: no lock file could be made (last tried: %s); starting without the check for another copy",
             qPrintable(instance.LockPath()));
    return true;
}

}  // namespace velmora
