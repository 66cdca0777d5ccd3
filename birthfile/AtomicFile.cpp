#include "birthfile/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

namespace velmora {

namespace {

std::string Reason(int error) { return std::strerror(error); }

// Closes and removes the new file unless it was handed over.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string pattern) : name_(pattern.begin(), pattern.end()) {
        name_.push_back('\0');
        fd_ = ::mkostemp(name_.data(), O_CLOEXEC);
    }
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_) ::unlink(name_.data());
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
    bool committed_ = false;
};

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view text,
                                const std::function<void(AtomicWriteStep)>& beforeStep) {
    const auto step = [&](AtomicWriteStep s) {
        if (beforeStep) beforeStep(s);
    };
    // A link is followed: the file it names is replaced and the link stays.
    std::filesystem::path target(path);
    std::error_code linkError;
    if (std::filesystem::is_symlink(target, linkError)) {
        const std::filesystem::path resolved = std::filesystem::canonical(target, linkError);
        if (linkError) return linkError.message();
        target = resolved;
    }
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";

    // An existing file keeps its permissions; a new one gets the usual ones.
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode)) return "it is not a regular file";

    std::string hidden = ".";  // not "." + …: a false -Wrestrict of GCC 12 at -O3
    hidden += target.filename().string();
    hidden += ".XXXXXX";
    TemporaryFile file((folder / hidden).string());
    if (file.fd() < 0) return Reason(errno);
    step(AtomicWriteStep::Created);
    mode_t mode = 0666;
    if (replacing) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(file.fd(), mode) != 0) return Reason(errno);

    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(file.fd(), text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Reason(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    step(AtomicWriteStep::Written);
    if (::fsync(file.fd()) != 0) return Reason(errno);
    if (file.Close() != 0) return Reason(errno);
    step(AtomicWriteStep::Synced);
    if (::rename(file.name(), target.c_str()) != 0) return Reason(errno);
    file.Commit();

    // The new name itself reaches the disk with the folder.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

}  // namespace velmora
