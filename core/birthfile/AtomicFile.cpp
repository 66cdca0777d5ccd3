#include "birthfile/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <vector>

#include "text/Quoted.h"

namespace velmora {

namespace {

constexpr std::string_view kSavingMark = ".saving-";
constexpr std::size_t kRandomLetters = 6;  // mkostemp's XXXXXX
// A leftover younger than this may be a save that has just made it and not
// yet locked it; it is left for a later save.
constexpr std::time_t kStaleSeconds = 10;

std::string Reason(int error) { return std::strerror(error); }

AtomicWriteResult Failed(int error) { return {Reason(error)}; }

AtomicWriteResult Refused(std::string reason) {
    AtomicWriteResult result;
    result.failure = std::move(reason);
    result.refused = true;
    return result;
}

// Closes and removes the new file unless it was handed over. It is locked
// from its making until it has its name, through a second descriptor that
// outlives the checked close of the first.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& pattern) : name_(pattern.begin(), pattern.end()) {
        name_.push_back('\0');
        fd_ = ::mkostemp(name_.data(), O_CLOEXEC);
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0) lock_ = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    }
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_ && !name_.empty()) ::unlink(name_.data());
        if (lock_ >= 0) ::close(lock_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const char* name() const { return name_.data(); }
    int Close() {
        const int status = ::close(fd_);
        fd_ = -1;
        return status;
    }
    void Commit() { committed_ = true; }

private:
    std::vector<char> name_;
    int fd_ = -1;
    int lock_ = -1;
    bool committed_ = false;
};

bool IsRandomLetters(std::string_view text) {
    if (text.size() != kRandomLetters) return false;
    for (char c : text)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

// Removes what killed saves of this target left: files of exactly its
// temporary name, this user's, not locked by a save still running, and not
// just made.
void RemoveLeftovers(const std::filesystem::path& folder, std::string_view prefix) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix) || !IsRandomLetters(name.substr(prefix.size()))) continue;
        struct stat before {};
        if (::fstatat(::dirfd(dir), entry->d_name, &before, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(before.st_mode))
            continue;  // nothing but a regular file is even opened
        const int fd = ::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            info.st_mtime + kStaleSeconds < now && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

// The file's mode grants this user no writing (root is held to the bits too,
// so that a file made read-only is not replaced by root without a word).
bool ReadOnly(const std::filesystem::path& target, const struct stat& info) {
    if (::geteuid() == 0) return (info.st_mode & 0222) == 0;
    return ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

}  // namespace

std::string AtomicTemporaryPrefix(const std::string& target, long nameMax) {
    // "." + NAME + ".saving-" + XXXXXX must fit: NAME is cut short when not,
    // never inside a UTF-8 sequence.
    const std::size_t fixed = 1 + kSavingMark.size() + kRandomLetters;
    const std::size_t room = nameMax > static_cast<long>(fixed) ? static_cast<std::size_t>(nameMax) - fixed : 0;
    std::string_view name = target;
    if (name.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name = name.substr(0, cut);
    }
    std::string prefix = ".";  // not "." + …: a false -Wrestrict of GCC 12 at -O3
    prefix += name;
    prefix += kSavingMark;
    return prefix;
}

AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view text,
                                      const AtomicWriteOptions& options) {
    const auto step = [&](AtomicWriteStep s) {
        if (options.beforeStep) options.beforeStep(s);
    };
    // A link is followed: the file it names is replaced and the link stays.
    // A link to nothing is refused rather than guessed at.
    std::filesystem::path target(path);
    std::error_code linkError;
    if (std::filesystem::is_symlink(target, linkError)) {
        const std::filesystem::path resolved = std::filesystem::canonical(target, linkError);
        if (linkError == std::errc::no_such_file_or_directory) {
            std::error_code ignored;
            return Refused("it is a link to " + Quoted(std::filesystem::read_symlink(target, ignored).string()) +
                           ", which is not there");
        }
        if (linkError) return Refused(linkError.message());
        target = resolved;
    }
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";

    // An existing file keeps its permissions; a new one gets the usual ones.
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode)) return Refused("it is not a regular file");
    if (replacing && !options.replaceReadOnly && ReadOnly(target, existing)) {
        AtomicWriteResult result = Refused("it is read-only");
        result.readOnly = true;
        return result;
    }

    long nameMax = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (nameMax <= 0) nameMax = NAME_MAX;
    const std::string prefix = AtomicTemporaryPrefix(target.filename().string(), nameMax);
    RemoveLeftovers(folder, prefix);
    TemporaryFile file((folder / (prefix + std::string(kRandomLetters, 'X'))).string());
    if (file.fd() < 0) return Failed(errno);
    step(AtomicWriteStep::Created);
    mode_t mode = 0666;
    if (replacing) {
        // The owner and group where this user may give them (root, or a
        // group the user is in); setuid, setgid and sticky never carry over.
        if (::fchown(file.fd(), existing.st_uid, existing.st_gid) != 0) {
            if (errno != EPERM) return Failed(errno);
            if (::fchown(file.fd(), static_cast<uid_t>(-1), existing.st_gid) != 0 && errno != EPERM)
                return Failed(errno);
        }
        mode = existing.st_mode & 0777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(file.fd(), mode) != 0) return Failed(errno);

    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(file.fd(), text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Failed(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    step(AtomicWriteStep::Written);
    if (::fsync(file.fd()) != 0) return Failed(errno);
    if (file.Close() != 0) return Failed(errno);
    step(AtomicWriteStep::Synced);
    if (::rename(file.name(), target.c_str()) != 0) return Failed(errno);
    file.Commit();

    // The new name itself reaches the disk with the folder.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    AtomicWriteResult result;
    if (replacing && existing.st_nlink > 1) result.otherNames = existing.st_nlink - 1;
    return result;
}

}  // namespace velmora
