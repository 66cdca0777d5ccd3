#include "cli/BatchProgress.h"

#include <gtest/gtest.h>

#include <sstream>

#include "CliRunner.h"

namespace velmora::cli::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::nanoseconds;
using std::chrono::seconds;

TEST(BatchProgress, TextsSayLinesRateAndTimeLeftWhenTheSizeIsKnown) {
    const struct {
        std::uint64_t lines, bytes, total;
        nanoseconds elapsed;
        std::string text;
    } cases[] = {
        // A pipe: lines and rate only.
        {1000, 200'000, 0, seconds(2), "1000 lines, 500 lines/s"},
        {1, 200, 0, seconds(4), "1 line, 0 lines/s"},
        {0, 0, 0, nanoseconds(0), "0 lines"},
        // A file of 1 MB: a quarter read in 10 s leaves 30 s.
        {5000, 250'000, 1'000'000, seconds(10), "5000 lines, 500 lines/s, 25%, 0:30 left"},
        {40'000, 100'000, 1'000'000, milliseconds(1500), "40000 lines, 26666 lines/s, 10%, 0:14 left"},
        {10, 1, 1'000'000, seconds(1), "10 lines, 10 lines/s, 0%, 277:46:39 left"},
        {9, 1'000'000, 1'000'000, seconds(1), "9 lines, 9 lines/s, 100%, 0:00 left"},
        // A file that grew while it was read stays at 100 %.
        {9, 2'000'000, 1'000'000, seconds(1), "9 lines, 9 lines/s, 100%, 0:00 left"},
        {9, 0, 1'000'000, seconds(1), "9 lines, 9 lines/s, 0%"},
        // 61 minutes left.
        {100, 1000, 62'000, seconds(60), "100 lines, 1 lines/s, 1%, 1:01:00 left"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BatchProgress::Text(c.lines, c.bytes, c.total, c.elapsed), c.text);
    }
    EXPECT_EQ(BatchProgress::FinalText(20'000, 0, milliseconds(400)), "20000 lines in 0.4 s, 50000 lines/s");
    EXPECT_EQ(BatchProgress::FinalText(3, 2, seconds(0)), "3 lines, 2 refused in 0.0 s");
}

TEST(BatchProgress, RedrawsOneLineAFewTimesASecond) {
    nanoseconds now{seconds(100)};
    std::ostringstream err;
    BatchProgress progress(err, [&] { return now; }, 0);
    progress.Update(10, 100);  // at the start: too soon
    now += milliseconds(150);
    progress.Update(20, 200);
    EXPECT_EQ(err.str(), "");
    now += milliseconds(50);
    progress.Update(30, 300);
    EXPECT_EQ(err.str(), "\r30 lines, 150 lines/s\x1b[K");
    now += milliseconds(199);
    progress.Update(40, 400);
    now += milliseconds(1);
    progress.Update(50, 500);
    EXPECT_EQ(err.str(), "\r30 lines, 150 lines/s\x1b[K\r50 lines, 125 lines/s\x1b[K");
    err.str("");
    now += milliseconds(600);
    progress.Finish(60, 1);
    EXPECT_EQ(err.str(), "\r60 lines, 1 refused in 1.0 s, 60 lines/s\x1b[K\n");
}

TEST(BatchProgress, OnlyOnATerminalAndNotWhenQuiet) {
    const std::string line = R"({"name":"rama","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N"})";
    const std::string input = line + "\n" + line + "\n";
    for (int jobs : {1, 2}) {
        const std::string j = std::to_string(jobs);
        const CliResult terminal = RunCliWith({"--batch", "-", "--jobs", j}, false, input, true);
        EXPECT_EQ(terminal.status, 0);
        EXPECT_EQ(terminal.err.substr(0, 10), "\r2 lines i");
        EXPECT_EQ(terminal.err.back(), '\n');
        EXPECT_EQ(RunCliWith({"--batch", "-", "--jobs", j, "--quiet"}, false, input, true).err, "");
        EXPECT_EQ(RunCliWith({"--batch", "-", "--jobs", j}, false, input, false).err, "");
        EXPECT_EQ(RunCliWith({"--batch", "-", "--jobs", j}, false, input, true).out,
                  RunCliWith({"--batch", "-", "--jobs", j}, false, input, false).out);
    }
}

}  // namespace
}  // namespace velmora::cli::test
