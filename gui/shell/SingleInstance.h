#pragma once
// One running copy per user: the first copy holds a lock file for as long as
// it runs; a later copy finds it held and gives way. A lock left behind by a
// copy that crashed names a process that no longer runs and is taken over.
// Where no lock file can be made at all (a directory in its place, a
// read-only runtime directory), a second place is tried, and failing that the
// program starts without the check: only a live copy keeps it from starting.
// The copy holding the lock also listens on a Unix-domain socket beside the
// lock file (readable and writable by the user alone); a later copy knocks
// there, and the running copy comes to the front. Plain POSIX sockets: Qt's
// local sockets would load Qt Network and a dozen libraries at every start.

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace velmora {

class Messenger;

class SingleInstance {
public:
    enum class Outcome {
        Acquired,           // this copy holds the lock
        HeldByAnotherCopy,  // a live copy holds it
        Unavailable,        // no lock file can be made here
    };

    // The lock file of this user: in the runtime directory, or in the temporary
    // directory under the user's name where there is no runtime directory.
    static QString DefaultLockPath();
    // The second place: the temporary directory under the user's name.
    static QString FallbackLockPath();

    explicit SingleInstance(const QString& lockPath = DefaultLockPath(),
                            const QString& fallbackPath = FallbackLockPath());
    ~SingleInstance();

    // Tries the lock file, then the fallback when the first cannot be made.
    Outcome TryAcquire();

    // True when this copy is now the one running, also after clearing a stale
    // lock; false while another live copy holds the lock or none can be made.
    bool Acquire() { return TryAcquire() == Outcome::Acquired; }

    bool IsHeld() const { return lock_->isLocked(); }
    QString LockPath() const { return path_; }  // the file in use

    // While this copy holds the lock: each later copy's knock calls `knocked`.
    // False when the socket cannot be opened (the program runs on without it).
    bool ListenForLaterCopies(std::function<void()> knocked);
    // Knocks on the running copy's socket; true when it was there.
    bool KnockOnRunningCopy() const;

private:
    Outcome TryLock();
    QString SocketPath() const { return path_ + QStringLiteral(".socket"); }
    void StopListening();

    QString path_;
    QString fallbackPath_;
    std::unique_ptr<QLockFile> lock_;
    int listener_ = -1;  // the listening socket's descriptor while listening
    std::unique_ptr<QSocketNotifier> knocks_;
};

// The start-up check: true when this copy may go on. When another copy runs,
// knocks on it, shows "Application is already running" through `messenger`
// and returns false; when no lock can be made, says so on standard error and goes on.
bool ClaimSingleInstance(SingleInstance& instance, Messenger& messenger);

}  // namespace velmora
