// An interrupted or failed save leaves the file that was there as it was,
// and leaves nothing else behind.

#include "birthfile/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

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
    ASSERT_EQ(WriteFileAtomically(target_, kNew), "");
    EXPECT_EQ(Contents(), kNew);
    struct stat info {};
    ASSERT_EQ(::stat(target_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(FilesInFolder(), 1);

    const std::string fresh = (dir_ / "new.velmora").string();
    ASSERT_EQ(WriteFileAtomically(fresh, "one"), "");
    EXPECT_EQ(FilesInFolder(), 2);
}

TEST_F(AtomicFileTest, AStopAtAnyStepLeavesThePreviousFileIntact) {
    for (const AtomicWriteStep stop : {AtomicWriteStep::Created, AtomicWriteStep::Written, AtomicWriteStep::Synced}) {
        EXPECT_THROW(WriteFileAtomically(target_, kNew,
                                         [stop](AtomicWriteStep step) {
                                             if (step == stop) throw std::runtime_error("power cut");
                                         }),
                     std::runtime_error);
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
    const std::string failure = WriteFileAtomically(target_, kNew);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(failure, "File too large");
    EXPECT_EQ(Contents(), kOld);
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(AtomicFileTest, ALinkKeepsPointingAtTheReplacedFile) {
    const fs::path link = dir_ / "link.velmora";
    fs::create_symlink(target_, link);
    ASSERT_EQ(WriteFileAtomically(link.string(), kNew), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Contents(), kNew);
    fs::create_symlink(dir_ / "nowhere" / "x.velmora", dir_ / "dangling.velmora");
    EXPECT_NE(WriteFileAtomically((dir_ / "dangling.velmora").string(), kNew), "");
}

TEST_F(AtomicFileTest, RefusesWhatIsNotAFileOrHasNoFolder) {
    fs::create_directory(dir_ / "folder");
    EXPECT_EQ(WriteFileAtomically((dir_ / "folder").string(), kNew), "it is not a regular file");
    EXPECT_EQ(WriteFileAtomically((dir_ / "missing" / "a.velmora").string(), kNew), "No such file or directory");
    EXPECT_EQ(Contents(), kOld);
}

}  // namespace
}  // namespace velmora
