// velmora-cli --save writes the birth of a request; --open computes from a
// birth file the same chart as the options; bad files and mixed requests are
// refused with status 2 and nothing on standard output.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

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

const std::vector<std::string> kRama = {"--name", "rama", "--date", "2000-01-01", "--time", "12:00",
                                        "--lon",  "0:00E", "--lat", "0:00N"};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(BirthFileOptions, BadDocumentsAreRefusedNeverACrash) {
    ASSERT_EQ(RunCliWith(With(kSydney, {"--save", File("good.velmora")})).status, 0);
    const std::string good = Slurp(File("good.velmora"));
    const auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        if (at == std::string::npos) ADD_FAILURE() << from;
        else text.replace(at, from.size(), to);
        return text;
    };
    const struct {
        const char* what;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"second beyond a double", replaced("\"second\": 15", "\"second\": 1e400"),
         "it is damaged: \"time.second\" is a number too large to read."},
        {"name beyond a double", replaced("\"name\": \"JAMES COOK\"", "\"name\": -1e999"), "\"name\" is a number too large"},
        {"NUL and junk after", good + std::string("\0junk", 5), "it is damaged: it is not valid JSON (at byte"},
        {"key twice", replaced("\"city\"", "\"city\": \"Perth\", \"city\""), "it holds \"city\" twice."},
        {"position beyond signed",
         [&good] {
             nlohmann::json d = nlohmann::json::parse(good);
             d["zone"]["position"] = 18446744073709551615ULL;
             return d.dump();
         }(),
         "\"zone.position\" is 18446744073709551615, outside 0 to 70."},
        {"escape in a key", replaced("\"city\"", "\"\\u001b[2J\": 1, \"city\""), "it holds \"\\x1b[2J\", which"},
        // A classic chart with a precise chart's choice: refused when read,
        // in the file's words, not when computed (the window reads it so too).
        {"classic with an ayanamsa",
         replaced("\"mode\": \"precise\"", "\"mode\": \"classic\"").replace(good.find("\"lahiri\""), 8, "\"raman\""),
         "Cannot open \"" + File("bad.velmora") +
             "\": its \"ayanamsa\" is \"raman\" but its \"mode\" is \"classic\": the classic positions have their own "
             "sidereal correction and no house cusps"},
    };
    for (const auto& c : cases) {
        std::ofstream(File("bad.velmora"), std::ios::binary) << c.bytes;
        const CliResult r = RunCliWith({"--open", File("bad.velmora"), "--save", File("copy.velmora")});
        EXPECT_EQ(r.status, kExitRefused) << c.what;
        EXPECT_TRUE(r.out.empty()) << c.what;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.what << ": " << r.err;
        EXPECT_FALSE(fs::exists(File("copy.velmora"))) << c.what;
    }
}

// Saved beside a time zone, the zone list's entry and box are the ones the
// window fills from that zone, so the file opens there to the same form:
// New York keeps daylight saving time (UTC-4) on 4 July 1990 and India
// Standard Time (UTC+5:30) all year (the tz database).
TEST_F(BirthFileOptions, ABirthWithATimeZoneIsSavedWithItsZoneListEntry) {
    const struct {
        std::vector<std::string> args;
        const char* zoneText;
        bool dst;
    } cases[] = {
        {{"--name", "a", "--date", "1990-07-04", "--time", "12:00", "--lon", "74:00W", "--lat", "40:43N", "--tz",
          "America/New_York"},
         "Eastern Standard Time,EST,-5.0", true},
        {{"--name", "a", "--date", "1990-07-04", "--time", "12:00", "--place", "Pune"}, "Indian Time, IST, +5.3", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoneText);
        ASSERT_EQ(RunCliWith(With(c.args, {"--save", File("zoned.velmora")})).status, 0);
        const auto document = nlohmann::json::parse(Slurp(File("zoned.velmora")));
        EXPECT_EQ(document["zone"]["text"], c.zoneText);
        EXPECT_EQ(document["daylightSaving"], c.dst);
    }
}

TEST_F(BirthFileOptions, ABirthThatWouldNotOpenAgainIsNotSaved) {
    ASSERT_EQ(RunCliWith(With(kSydney, {"--save", File("a.velmora")})).status, 0);
    const std::string before = Slurp(File("a.velmora"));
    const struct {
        std::vector<std::string> options;
        const char* message;
    } cases[] = {
        {{"--city=New\nYork"}, "\"city\" holds a control character"},
        {{"--city=New\tYork"}, "\"city\" holds a control character"},
        {{"--state=\x1b[31mNSW"}, "\"state\" holds a control character"},
        {{"--country=Australia\x7f"}, "\"country\" holds a control character"},
        {{"--city=Sydn\xE9y"}, "\"city\" is not UTF-8 text"},
        {{"--country=\xC3"}, "\"country\" is not UTF-8 text"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = kRama;
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.insert(args.end(), {"--save", File("a.velmora")});
        const CliResult r = RunCliWith(args);
        EXPECT_EQ(r.status, kExitRefused) << c.message;
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("The file is as it was."), std::string::npos) << r.err;
        EXPECT_EQ(Slurp(File("a.velmora")), before) << c.message;
    }
}

TEST_F(BirthFileOptions, AReadOnlyFileIsReplacedOnlyWithForce) {
    ASSERT_EQ(RunCliWith(With(kSydney, {"--save", File("a.velmora")})).status, 0);
    const std::string before = Slurp(File("a.velmora"));
    fs::permissions(File("a.velmora"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::vector<std::string>& other = kRama;
    const CliResult refused = RunCliWith(With(other, {"--save", File("a.velmora")}));
    EXPECT_EQ(refused.status, kExitRefused);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_EQ(refused.err, "Cannot save \"" + File("a.velmora") +
                               "\": it is read-only. The file is as it was. Give --force to replace it.\n");
    EXPECT_EQ(Slurp(File("a.velmora")), before);

    const CliResult forced = RunCliWith(With(other, {"--save", File("a.velmora"), "--force"}));
    EXPECT_EQ(forced.status, 0) << forced.err;
    EXPECT_NE(Slurp(File("a.velmora")).find("\"RAMA\""), std::string::npos);
    EXPECT_EQ(fs::status(File("a.velmora")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(RunCliWith(With(other, {"--force"})).status, kExitRefused) << "--force needs --save";
}

TEST_F(BirthFileOptions, AHardLinkIsSplitAndSaidSo) {
    ASSERT_EQ(RunCliWith(With(kSydney, {"--save", File("a.velmora")})).status, 0);
    fs::create_hard_link(File("a.velmora"), File("b.velmora"));
    const std::string before = Slurp(File("a.velmora"));
    const CliResult r = RunCliWith(With(kRama, {"--save", File("a.velmora")}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Saved \"" + File("a.velmora") +
                         "\" as a file of its own: it had 1 other name (a hard link), which keeps the birth it held "
                         "before.\n");
    EXPECT_EQ(Slurp(File("b.velmora")), before);
    EXPECT_NE(Slurp(File("a.velmora")), before);
}

TEST_F(BirthFileOptions, MessagesShowControlCharactersInsteadOfSendingThem) {
    const struct {
        std::vector<std::string> args;
        const char* shown;
    } cases[] = {
        {With(kRama, {"--tz", "\x1b]0;owned\x07"}), "no zone is named \"\\x1b]0;owned\\x07\""},
        {With(kSydney, {"--today", "\x1b[2J"}), "got \"\\x1b[2J\""},
        {With(kSydney, {"--chart-style", "\x07"}), "got \"\\x07\""},
        {With(kSydney, {"--\x1b[2J"}), "\\x1b[2J"},
        {{"--batch", "-", "--format", "\x1b"}, "got \"\\x1b\""},
        {{"--batch", "-", "--jobs", "\x1b"}, "got \"\\x1b\""},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCliWith(c.args);
        EXPECT_EQ(r.status, kExitRefused) << c.shown;
        EXPECT_NE(r.err.find(c.shown), std::string::npos) << r.err;
        for (const char ch : r.err) {
            const auto u = static_cast<unsigned char>(ch);
            EXPECT_TRUE((u >= 0x20 && u != 0x7F) || ch == '\n') << c.shown << ": " << r.err;
        }
    }
}

TEST_F(BirthFileOptions, AFailedSaveIsStatusOneAndNoOutput) {
    const CliResult r = RunCliWith(With(kSydney, {"--save", File("no/folder/a.velmora")}));
    EXPECT_EQ(r.status, kExitWriteFailed);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("Cannot save"), std::string::npos) << r.err;
}

// The dasha year goes into the birth file and comes back with it; an option
// given beside --open chooses another for this run only.
TEST_F(BirthFileOptions, TheDashaYearIsSavedAndOpened) {
    const std::string file = File("year.velmora");
    const CliResult saved = RunCliWith(With(kSydney, {"--dasha-year", "sidereal", "--save", file, "--json"}));
    ASSERT_EQ(saved.status, 0) << saved.err;
    const CliResult opened = RunCliWith({"--open", file, "--json"});
    ASSERT_EQ(opened.status, 0) << opened.err;
    EXPECT_NE(opened.out.find("\"yearDays\": 365.256364"), std::string::npos);
    const CliResult other = RunCliWith({"--open", file, "--json", "--dasha-year", "360"});
    EXPECT_NE(other.out.find("\"yearDays\": 360,"), std::string::npos);
    const CliResult again = RunCliWith({"--open", file, "--json"});
    EXPECT_EQ(again.out, opened.out);
}

}  // namespace
}  // namespace velmora::cli::test
