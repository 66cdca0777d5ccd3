// velmora-cli --save writes the birth of a request; --open computes from a
// birth file the same chart as the options; bad files and mixed requests are
// refused with status 2 and nothing on standard output.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "birthfile/BirthFile.h"
#include "tests/cli/CliRunner.h"

namespace velmora::cli::test {
namespace {

namespace fs = std::filesystem;

class BirthFileOptions : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-cli-birth-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string File(const char* name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

const std::vector<std::string> kSydney = {"--name", "james cook", "--date", "1988-01-26", "--time", "10:30:15",
                                          "--lon", "151:12E", "--lat", "33:52S", "--zone", "AEST", "--dst",
                                          "--city", "Sydney", "--country", "Australia"};

std::vector<std::string> With(std::vector<std::string> args, std::initializer_list<std::string> more) {
    args.insert(args.end(), more);
    return args;
}

TEST_F(BirthFileOptions, SavedRequestsOpenAsTheSameChart) {
    const std::vector<std::vector<std::string>> requests = {
        kSydney,
        With(kSydney, {"--classic"}),  // a classic file opens classic, though precise is the default
        With(kSydney, {"--precise", "--node", "true"}),
        {"--name", "asha", "--date", "1942-09-01", "--time", "12:00", "--place", "Calcutta", "--precise"},
        {"--name", "ama", "--date", "1990-10-28", "--time", "01:30", "--place", "London", "--ambiguous", "later"},
    };
    for (const auto& request : requests) {
        const std::string file = File("birth.velmora");
        const CliResult direct = RunCliWith(With(request, {"--json"}));
        const CliResult saved = RunCliWith(With(request, {"--json", "--save", file}));
        ASSERT_EQ(saved.status, 0) << saved.err;
        EXPECT_EQ(saved.out, direct.out) << "--save changes nothing of the output";
        const CliResult opened = RunCliWith({"--open", file, "--json"});
        ASSERT_EQ(opened.status, 0) << opened.err;
        EXPECT_EQ(opened.out, direct.out) << request[1];
    }
    const BirthFileRead read = ReadBirthFile(File("birth.velmora"));
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.fields.Name, "AMA");  // typed in capitals
    EXPECT_EQ(read.fields.Repeated, RepeatedHour::Later);
    EXPECT_EQ(read.fields.TimeZoneId, "Europe/London");
}

// A file written before precise positions were the default may have no
// "mode": it was a classic chart, and opens as one.
TEST_F(BirthFileOptions, AFileWithoutModeOpensClassicAsItWasWritten) {
    const std::string file = File("old.velmora");
    const CliResult classic = RunCliWith(With(kSydney, {"--classic", "--json", "--save", file}));
    ASSERT_EQ(classic.status, 0) << classic.err;
    nlohmann::ordered_json document;
    {
        std::ifstream in(file);
        document = nlohmann::ordered_json::parse(in);
    }
    ASSERT_EQ(document["mode"], "classic");
    document.erase("mode");
    std::ofstream(file, std::ios::trunc) << document.dump(2);
    const CliResult opened = RunCliWith({"--open", file, "--json"});
    ASSERT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.out, classic.out);
    EXPECT_EQ(nlohmann::json::parse(opened.out)["mode"], "classic");
}

TEST_F(BirthFileOptions, OpenAndSaveTogetherCopyTheBirth) {
    ASSERT_EQ(RunCliWith(With(kSydney, {"--save", File("a.velmora")})).status, 0);
    const CliResult copied = RunCliWith({"--open", File("a.velmora"), "--save", File("b.velmora")});
    ASSERT_EQ(copied.status, 0) << copied.err;
    std::ifstream a(File("a.velmora")), b(File("b.velmora"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}), std::string(std::istreambuf_iterator<char>(b), {}));
}

TEST_F(BirthFileOptions, RefusalsWriteNothing) {
    std::ofstream(File("cut.velmora")) << "{\"format\": \"velmora-birth\", \"version\": 1, \"name\"";
    ASSERT_EQ(RunCliWith(With(kSydney, {"--save", File("good.velmora")})).status, 0);
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--open", File("cut.velmora")}, "is damaged: it is not valid JSON"},
        {{"--open", File("none.velmora")}, "No such file or directory"},
        {{"--open", File("good.velmora"), "--name", "RAMA"}, "excludes"},
        {{"--open", File("good.velmora"), "--batch", "-"}, "excludes"},
        // A request the form refuses saves nothing.
        {{"--name", "RAMA", "--date", "1990-04-31", "--time", "12:00", "--lon", "0:00E", "--lat", "0:00N",
          "--save", File("april.velmora")},
         "Please Enter Correct Date Or Month !"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCliWith(c.args);
        EXPECT_EQ(r.status, kExitRefused) << c.args[1];
        EXPECT_TRUE(r.out.empty()) << c.args[1];
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(File("april.velmora")));
}

TEST_F(BirthFileOptions, AFailedSaveIsStatusOneAndNoOutput) {
    const CliResult r = RunCliWith(With(kSydney, {"--save", File("no/folder/a.velmora")}));
    EXPECT_EQ(r.status, kExitWriteFailed);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("Cannot save"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace velmora::cli::test
