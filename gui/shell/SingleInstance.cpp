#include "shell/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include "services/Messenger.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

std::unique_ptr<QLockFile> NewLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    // Never judge a lock by its age: a copy may run for days. Only a lock whose
    // process is gone counts as stale.
    lock->setStaleLockTime(0);
    return lock;
}

// The socket's address; false when the path does not fit into one.
bool SocketAddress(const QString& path, sockaddr_un* address) {
    const QByteArray native = QFile::encodeName(path);
    *address = {};
    address->sun_family = AF_UNIX;
    if (native.isEmpty() || static_cast<std::size_t>(native.size()) >= sizeof(address->sun_path)) return false;
    std::memcpy(address->sun_path, native.constData(), static_cast<std::size_t>(native.size()));
    return true;
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

SingleInstance::~SingleInstance() { StopListening(); }

void SingleInstance::StopListening() {
    if (listener_ < 0) return;
    knocks_.reset();
    ::close(listener_);
    listener_ = -1;
    ::unlink(QFile::encodeName(SocketPath()).constData());
}

bool SingleInstance::ListenForLaterCopies(std::function<void()> knocked) {
    StopListening();
    sockaddr_un address;
    if (!lock_->isLocked() || !SocketAddress(SocketPath(), &address)) return false;
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener < 0) return false;
    // A socket left by a copy that crashed: the lock is ours, so it is stale.
    ::unlink(address.sun_path);
    // For this user alone: Linux gives the socket file the mode of the socket
    // at bind, and the chmod makes sure of it elsewhere.
    const bool listening = ::fchmod(listener, S_IRUSR | S_IWUSR) == 0 &&
                           ::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                           ::chmod(address.sun_path, S_IRUSR | S_IWUSR) == 0 && ::listen(listener, SOMAXCONN) == 0;
    if (!listening) {
        ::close(listener);
        ::unlink(address.sun_path);
        return false;
    }
    listener_ = listener;
    knocks_ = std::make_unique<QSocketNotifier>(listener, QSocketNotifier::Read);
    QObject::connect(knocks_.get(), &QSocketNotifier::activated, knocks_.get(),
                     [listener, knocked = std::move(knocked)] {
                         // A knock is a connection and nothing more: take it, hang up.
                         for (int caller; (caller = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
                             ::close(caller);
                             knocked();
                         }
                     });
    return true;
}

bool SingleInstance::KnockOnRunningCopy() const {
    sockaddr_un address;
    if (!SocketAddress(SocketPath(), &address)) return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) return false;
    // A running copy too busy to take the call is given a second.
    const timeval patience{1, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
    const bool answered = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return answered;
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
        messenger.Show(nullptr, Tr(QT_TRANSLATE_NOOP("Velmora", "Application is already running")), MessageIcon::Information);
        return false;
    case SingleInstance::Outcome::Unavailable:
        break;
    }
    qWarning("Velmora: no lock file could be made (last tried: %s); starting without the check for another copy",
             qPrintable(instance.LockPath()));
    return true;
}

}  // namespace velmora
