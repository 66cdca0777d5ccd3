// An interrupted or failed save leaves the file that was there as it was,
// and leaves nothing else behind.

#include "birthfile/AtomicFile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-atomic-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        target_ = (dir_ / "family.velmora").string();
        std::ofstream(target_) << kOld;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Contents() const {
        std::ifstream in(target_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    int FilesInFolder() const { return static_cast<int>(std::distance(fs::directory_iterator(dir_), {})); }

    static constexpr const char* kOld = "{\"the\": \"previous birth\"}\n";
    const std::string kNew = std::string(4000, 'x') + "\n";  // more than one small write
    fs::path dir_;
    std::string target_;
};

TEST_F(AtomicFileTest, ReplacesTheFileWholeAndKeepsItsPermissions) {
    ::chmod(target_.c_str(), 0640);
    ASSERT_EQ(WriteFileAtomically(target_, kNew).failure, "");
    EXPECT_EQ(Contents(), kNew);
    struct stat info {};
    ASSERT_EQ(::stat(target_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(FilesInFolder(), 1);

    const std::string fresh = (dir_ / "new.velmora").string();
    ASSERT_EQ(WriteFileAtomically(fresh, "one").failure, "");
    EXPECT_EQ(FilesInFolder(), 2);
}

TEST_F(AtomicFileTest, AStopAtAnyStepLeavesThePreviousFileIntact) {
    for (const AtomicWriteStep stop : {AtomicWriteStep::Created, AtomicWriteStep::Written, AtomicWriteStep::Synced}) {
        AtomicWriteOptions options;
        options.beforeStep = [stop](AtomicWriteStep step) {
            if (step == stop) throw std::runtime_error("power cut");
        };
        EXPECT_THROW(WriteFileAtomically(target_, kNew, options), std::runtime_error);
        EXPECT_EQ(Contents(), kOld) << static_cast<int>(stop);
        EXPECT_EQ(FilesInFolder(), 1) << "the unfinished file is removed";
    }
}

TEST_F(AtomicFileTest, AFullDiskLeavesThePreviousFileIntact) {
    // The file size limit makes write() fail with EFBIG part way, as a full
    // disk fails it with ENOSPC.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string failure = WriteFileAtomically(target_, kNew).failure;
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(failure, "File too large");
    EXPECT_EQ(Contents(), kOld);
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(AtomicFileTest, ALinkKeepsPointingAtTheReplacedFile) {
    const fs::path link = dir_ / "link.velmora";
    fs::create_symlink(target_, link);
    ASSERT_EQ(WriteFileAtomically(link.string(), kNew).failure, "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(), kNew);
    fs::create_symlink(dir_ / "nowhere" / "x.velmora", dir_ / "dangling.velmora");
    EXPECT_NE(WriteFileAtomically((dir_ / "dangling.velmora").string(), kNew).failure, "");
}

TEST_F(AtomicFileTest, RefusesWhatIsNotAFileOrHasNoFolder) {
    fs::create_directory(dir_ / "folder");
    EXPECT_EQ(WriteFileAtomically((dir_ / "folder").string(), kNew).failure, "it is not a regular file");
    EXPECT_EQ(WriteFileAtomically((dir_ / "missing" / "a.velmora").string(), kNew).failure, "No such file or directory");
    EXPECT_EQ(Contents(), kOld);
}

TEST_F(AtomicFileTest, TheOwnerAndGroupStayAndSpecialBitsDoNotCarryOver) {
    // setuid, setgid and sticky on a data file would make the new file run
    // or behave as its old owner's; only the permission bits carry over.
    ASSERT_EQ(::chmod(target_.c_str(), 07750), 0);
    const bool root = ::geteuid() == 0;
    constexpr uid_t kNobody = 65534;  // "nobody" and "nogroup" on Debian (base-passwd)
    if (root) {
        ASSERT_EQ(::chown(target_.c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(WriteFileAtomically(target_, kNew).failure, "");
    struct stat info {};
    ASSERT_EQ(::stat(target_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0750u);
    if (root) {
        EXPECT_EQ(info.st_uid, kNobody) << "another person's file stays theirs";
        EXPECT_EQ(info.st_gid, kNobody);
    }
}

TEST_F(AtomicFileTest, AReadOnlyFileIsReplacedOnlyWhenThatIsConfirmed) {
    ASSERT_EQ(::chmod(target_.c_str(), 0444), 0);
    const AtomicWriteResult refused = WriteFileAtomically(target_, kNew);
    EXPECT_EQ(refused.failure, "it is read-only");
    EXPECT_TRUE(refused.readOnly);
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(Contents(), kOld);
    EXPECT_EQ(FilesInFolder(), 1);

    AtomicWriteOptions confirmed;
    confirmed.replaceReadOnly = true;
    ASSERT_EQ(WriteFileAtomically(target_, kNew, confirmed).failure, "");
    EXPECT_EQ(Contents(), kNew);
    struct stat info {};
    ASSERT_EQ(::stat(target_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444u) << "and it stays read-only";
}

TEST_F(AtomicFileTest, AHardLinkIsSplitAndSaidSo) {
    const fs::path other = dir_ / "other-name.velmora";
    ASSERT_EQ(::link(target_.c_str(), other.c_str()), 0);
    const AtomicWriteResult written = WriteFileAtomically(target_, kNew);
    ASSERT_EQ(written.failure, "");
    EXPECT_EQ(written.otherNames, 1u);
    EXPECT_EQ(Contents(), kNew);
    std::ifstream in(other);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), kOld) << "the other name keeps the old text";
    EXPECT_EQ(WriteFileAtomically(target_, kNew).otherNames, 0u) << "now a file of its own";
}

TEST_F(AtomicFileTest, NamesUpToTheLongestTheFolderTakesAreSaved) {
    // NAME_MAX is 255 bytes on Linux file systems (limits.h); the temporary
    // name is cut short, never the target's.
    for (const std::size_t length : {200u, 240u, 247u, 248u, 250u, 254u, 255u}) {
        const std::string name = std::string(length - 8, 'a') + ".velmora";
        const fs::path path = dir_ / name;
        EXPECT_EQ(WriteFileAtomically(path.string(), kNew).failure, "") << length;
        EXPECT_TRUE(fs::exists(path)) << length;
        EXPECT_EQ(WriteFileAtomically(path.string(), kNew).failure, "") << length << ", replacing";
        fs::remove(path);
    }
    // Cut short, a name never ends inside a UTF-8 sequence.
    const std::string accented = std::string(238, 'a') + "\xC3\xA9\xC3\xA9.velmora";
    const std::string prefix = AtomicTemporaryPrefix(accented, 255);
    EXPECT_LE(prefix.size() + 6, 255u);
    EXPECT_EQ(prefix, "." + std::string(238, 'a') + "\xC3\xA9.saving-");
    EXPECT_EQ(WriteFileAtomically((dir_ / accented).string(), kNew).failure, "");
    EXPECT_EQ(AtomicTemporaryPrefix("family.velmora", 15), "..saving-");  // no room for the name at all
}

TEST_F(AtomicFileTest, ALinkToNothingIsRefusedAndSaidSo) {
    fs::create_symlink(dir_ / "nowhere" / "x.velmora", dir_ / "dangling.velmora");
    const AtomicWriteResult result = WriteFileAtomically((dir_ / "dangling.velmora").string(), kNew);
    EXPECT_EQ(result.failure, "it is a link to \"" + (dir_ / "nowhere" / "x.velmora").string() + "\", which is not there");
    EXPECT_TRUE(result.refused);
    EXPECT_TRUE(fs::is_symlink(dir_ / "dangling.velmora"));
    EXPECT_FALSE(fs::exists(dir_ / "nowhere"));
}

// Sets a file's times `seconds` into the past.
void Age(const fs::path& path, int seconds) {
    const timespec then{std::time(nullptr) - seconds, 0};
    const timespec times[2] = {then, then};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST_F(AtomicFileTest, WhatAKilledSaveLeftIsRemovedByTheNextSave) {
    // A save killed half way (SIGKILL cannot be caught) leaves its file.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicWriteOptions options;
        options.beforeStep = [](AtomicWriteStep step) {
            if (step == AtomicWriteStep::Written) ::raise(SIGKILL);
        };
        WriteFileAtomically(target_, kNew, options);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(Contents(), kOld);
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator(dir_))
        if (entry.path() != fs::path(target_)) left.push_back(entry.path());
    ASSERT_EQ(left.size(), 1u);
    const std::string name = left[0].filename().string();
    ASSERT_EQ(name.substr(0, name.size() - 6), ".family.velmora.saving-") << "recognisable by its name";
    Age(left[0], 60);

    // Beside it: files of other names, and one of the same pattern that a
    // save still running holds locked, and one just made.
    const char* others[] = {".family.velmora.backup", ".family.velmora.saving-abc", ".other.velmora.saving-Ab12Cd",
                            "family.velmora.saving-Ab12Cd", ".family.velmora.saving-Ab12Cd~"};
    for (const char* other : others) {
        std::ofstream(dir_ / other) << "keep";
        Age(dir_ / other, 60);
    }
    const fs::path running = dir_ / ".family.velmora.saving-Run123";
    std::ofstream(running) << "a save in progress";
    Age(running, 60);
    const int lock = ::open(running.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    const fs::path fresh = dir_ / ".family.velmora.saving-New123";
    std::ofstream(fresh) << "just made";

    ASSERT_EQ(WriteFileAtomically(target_, kNew).failure, "");
    ::close(lock);
    EXPECT_EQ(Contents(), kNew);
    EXPECT_FALSE(fs::exists(left[0])) << "the killed save's file is gone";
    for (const char* other : others) EXPECT_TRUE(fs::exists(dir_ / other)) << other;
    EXPECT_TRUE(fs::exists(running));
    EXPECT_TRUE(fs::exists(fresh));
}

}  // namespace
}  // namespace velmora
