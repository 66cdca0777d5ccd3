#pragma once
// One running copy per user: the first copy holds a lock file for as long as
// it runs; a later copy finds it held and gives way. A lock left behind by a
// copy that crashed names a process that no longer runs and is taken over.

#include <QLockFile>
#include <QString>

namespace velmora {

class Messenger;

class SingleInstance {
public:
    // The lock file of this user: in the runtime directory, or in the temporary
    // directory under the user's name where there is no runtime directory.
    static QString DefaultLockPath();

    explicit SingleInstance(const QString& lockPath = DefaultLockPath());

    // True when this copy is now the one running, also after clearing a stale
    // lock; false while another live copy holds the lock.
    bool Acquire();

    bool IsHeld() const { return lock_.isLocked(); }
    QString LockPath() const { return path_; }

private:
    QString path_;
    QLockFile lock_;
};

// The start-up check: true when this copy may go on. Otherwise shows
// "Application is already running" through `messenger` and returns false.
bool ClaimSingleInstance(SingleInstance& instance, Messenger& messenger);

}  // namespace velmora
