#include "cli/BatchPipeline.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>

#include "CliRunner.h"
#include "FullBuffer.h"

namespace velmora::cli::test {
namespace {

const std::string kGood =
    R"({"name":"rama","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N","precise":false})";
const std::string kPrecise =
    R"({"name":"sita","date":"1990-04-30","time":"6:30:15","lon":"77:35E","lat":"12:58N","zone":"IST","precise":true})";
const std::string kTrueNode =
    R"({"name":"asha","date":"1942-09-01","time":"12:00","place":"Calcutta","precise":true,"node":"true"})";

// Good, refused, precise and classic lines, some read by the quick scanner and
// some by the full reader, over several chunks.
std::string MixedInput(int lines) {
    std::string input;
    for (int i = 0; i < lines; ++i) {
        char line[256];
        std::snprintf(line, sizeof line,
                      R"({"name":"chart","date":"%04d-%02d-%02d","time":"%d:%02d","lon":"%d:%02dE","lat":"%d:%02dN","zone":%d,"precise":false})",
                      1901 + (i * 37) % 150, 1 + (i * 5) % 12, 1 + (i * 11) % 28, (i * 7) % 24, (i * 13) % 60,
                      (i * 29) % 180, (i * 17) % 60, (i * 23) % 90, (i * 31) % 60, (i * 19) % 71);
        switch (i % 10) {
            case 3: input += kPrecise; break;
            case 5: input += "not json"; break;
            case 6: input += R"({"name":"r\u0061ma","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N","precise":false})"; break;
            case 7: input += kTrueNode; break;
            case 8: input += R"({"name":"rama","date":"2000-02-30","time":"12:00","lon":"0:00E","lat":"0:00N"})"; break;
            default: input += line;
        }
        input += i % 4 == 0 ? "\r\n" : "\n";
    }
    return input;
}

TEST(BatchPipeline, ThreadsGiveTheOutputOfOneThreadByteForByte) {
    const std::string input = MixedInput(700);  // three chunks and more
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{}, {"--fields", "positions,degrees,mode"}, {"--format", "csv"},
          {"--fields", "report,name"}}) {
        std::vector<std::string> one = {"--batch", "-", "--jobs", "1"}, four = {"--batch", "-", "--jobs", "4"};
        one.insert(one.end(), extra.begin(), extra.end());
        four.insert(four.end(), extra.begin(), extra.end());
        SCOPED_TRACE(four.back());
        const CliResult a = RunCliWith(one, false, input), b = RunCliWith(four, false, input);
        EXPECT_EQ(a.status, 2);
        EXPECT_EQ(b.status, 2);
        EXPECT_EQ(a.out, b.out);
        EXPECT_EQ(b.err, "");
    }
    // And the default object is what the runner writes line by line.
    const CliResult threaded = RunCliWith({"--batch", "-", "--jobs", "3"}, false, input);
    std::istringstream lines(input), out(threaded.out);
    BatchRunner runner;
    std::string line, written;
    int precise = 0;
    for (int n = 0; std::getline(lines, line); ++n) {
        ASSERT_TRUE(std::getline(out, written)) << n;
        bool refused = false;
        EXPECT_EQ(written, runner.RunLine(line, refused)) << n;
        precise += written.find(R"("mode":"precise")") != std::string::npos ? 1 : 0;
    }
    EXPECT_EQ(precise, 140);
    EXPECT_FALSE(std::getline(out, written));
}

TEST(BatchPipeline, CsvHasAHeaderAndAnErrorColumn) {
    const CliResult r = RunCliWith({"--batch", "-", "--format", "csv", "--fields", "name,bodySigns,mode"}, false,
                                   kGood + "\nnot json\n" + kPrecise + "\n");
    EXPECT_EQ(r.status, 2);
    std::istringstream rows(r.out);
    std::vector<std::string> lines;
    for (std::string row; std::getline(rows, row);) lines.push_back(row);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0],
              "name,bodySign_sun,bodySign_moon,bodySign_mercury,bodySign_venus,bodySign_mars,bodySign_jupiter,"
              "bodySign_saturn,bodySign_rahu,bodySign_ketu,bodySign_asc,mode,error\r");
    const auto json = nlohmann::json::parse(RunCliWith({"--batch", "-"}, false, kGood).out);
    std::string signs;
    for (const auto& s : json["bodySigns"]) signs += std::to_string(s.get<int>()) + ",";
    EXPECT_EQ(lines[1], "RAMA," + signs + "classic,\r");
    EXPECT_EQ(lines[2], std::string(12, ',') + "the line is not valid JSON\r");
    EXPECT_EQ(lines[3].substr(0, 5), "SITA,");
    EXPECT_NE(lines[3].find(",precise,\r"), std::string::npos);

    // Without --fields: every field that has columns, the report's pieces aside.
    const CliResult all = RunCliWith({"--batch", "-", "--format", "csv"}, false, kGood + "\n");
    const std::string header = all.out.substr(0, all.out.find('\n'));
    EXPECT_EQ(header.substr(0, 18), "name,position_sun,");
    EXPECT_NE(header.find(",reportText,mode,ayanamsa,degree_sun,"), std::string::npos);
    EXPECT_EQ(header.find(",report,"), std::string::npos);
    EXPECT_EQ(all.status, 0);
}

// OWASP, "CSV Injection": typed texts that a spreadsheet would take for a
// formula get a leading apostrophe and control characters are made visible,
// in the details and in the error column; the program's own cells (the
// offset +05:30 of Asia/Kolkata in 2000, tzdata) stay as they are.
TEST(BatchPipeline, CsvGuardsTypedTextOnly) {
    const std::string typed =
        R"({"name":"rama","date":"2000-01-01","time":"12:00","lon":"77:35E","lat":"12:58N","tz":"Asia/Kolkata",)"
        R"J("city":"=HYPERLINK(\"http://x\")","state":"+1\u0000x","country":"@SUM(A1)"})J";
    const std::string refused =
        R"J({"name":"rama","date":"2000-01-01","time":"12:00","lon":"77:35E","lat":"12:58N","tz":"=cmd|' /C calc'!A0"})J";
    const CliResult r = RunCliWith({"--batch", "-", "--format", "csv", "--fields", "details"}, false,
                                   typed + "\n" + refused + "\n");
    std::istringstream rows(r.out);
    std::vector<std::string> lines;
    for (std::string row; std::getline(rows, row);) lines.push_back(row);
    ASSERT_EQ(lines.size(), 3u) << r.out;
    EXPECT_NE(lines[1].find(",\"'=HYPERLINK(\"\"http://x\"\")\",'+1\\x00x,'@SUM(A1),,Asia/Kolkata,+05:30,false,"),
              std::string::npos)
        << lines[1];
    EXPECT_EQ(lines[1].find('\0'), std::string::npos);
    const std::string error = lines[2].substr(lines[2].rfind(",,") + 2);
    EXPECT_EQ(error.find_first_of("\0"), std::string::npos);
    EXPECT_NE(error.find("=cmd"), std::string::npos) << error;
    EXPECT_NE(error.front(), '=');
    EXPECT_EQ(r.status, 2);
}

TEST(BatchPipeline, OptionsAreChecked) {
    const struct {
        std::vector<std::string> args;
        std::string errStart;
    } cases[] = {
        {{"--batch", "-", "--fields", "positons"}, "--fields: \"positons\" is not a field; the fields are name,"},
        {{"--batch", "-", "--format", "xlsx"}, "--format: give jsonl or csv, got \"xlsx\""},
        {{"--batch", "-", "--format", "csv", "--fields", "name,report"}, "--fields: \"report\" is a list of pieces"},
        {{"--batch", "-", "--jobs", "0"}, "--jobs: give a number of threads from 1 to 256, got \"0\""},
        {{"--batch", "-", "--jobs", "two"}, "--jobs: give a number of threads from 1 to 256, got \"two\""},
        {{"--batch", "-", "--jobs", "2x"}, "--jobs: give a number"},
        {{"--batch", "-", "--jobs", "257"}, "--jobs: give a number"},
        {{"--batch", "-", "--jobs="}, "--jobs: give a number"},
        {{"--fields", "name"}, "--fields requires --batch"},
        {{"--quiet"}, "--quiet requires --batch"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        const CliResult r = RunCliWith(c.args, false, kGood + "\n");
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.substr(0, c.errStart.size()), c.errStart);
    }
}

TEST(BatchPipeline, HelpNamesEveryField) {
    const std::string help = RunCliWith({"--help"}).out;
    for (const ChartField& field : AllChartFields())
        EXPECT_NE(help.find(' ' + std::string(field.name) + (&field == &AllChartFields().back() ? '\n' : ',')),
                  std::string::npos)
            << field.name;
    for (const char* option : {"--fields LIST", "--format jsonl|csv", "--jobs N", "--quiet"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
}

TEST(BatchPipeline, ALineTooLongIsOneErrorLine) {
    std::string input = kGood + "\n" + std::string(5000, 'x') + "\n" + kGood + "\n" + std::string(3000, ' ');
    for (int jobs : {1, 2}) {
        std::istringstream in(input);
        StreamLines lines(in);
        lines.SetMaxLineBytes(1000);
        std::ostringstream out;
        const BatchOutcome outcome = RunBatch(lines, out, {}, jobs);
        EXPECT_EQ(outcome.refusedLines, 2);
        std::istringstream written(out.str());
        std::vector<std::string> got;
        for (std::string line; std::getline(written, line);) got.push_back(line);
        ASSERT_EQ(got.size(), 4u);
        EXPECT_EQ(got[1], R"({"error":"the line is longer than 1000 bytes"})");
        EXPECT_EQ(got[3], got[1]);
        EXPECT_EQ(got[0], got[2]);
    }
}

TEST(BatchPipeline, AFailedWriteStopsTheThreads) {
    std::string input;
    for (int i = 0; i < 20'000; ++i) input += kGood + "\n";
    for (int jobs : {1, 3}) {
        SCOPED_TRACE(jobs);
        std::istringstream in(input);
        StreamLines lines(in);
        FullBuffer full(100'000);
        std::ostream out(&full);
        std::ostringstream err;
        BatchProgress progress(err, [] { return std::chrono::nanoseconds(0); }, 0);
        const BatchOutcome outcome = RunBatch(lines, out, {}, jobs, &progress);
        EXPECT_TRUE(outcome.writeFailed);
        EXPECT_GT(input.size() - static_cast<std::size_t>(in.tellg()), input.size() / 2);
        // The progress line is ended, so the failure's message stands on a line of its own.
        ASSERT_FALSE(err.str().empty());
        EXPECT_EQ(err.str().back(), '\n');
    }
}

// Peak resident memory, in kilobytes, of a child of this process that runs
// `body` (the child starts with this process's pages resident).
long ChildPeakKilobytes(const std::function<void()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        body();
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        ADD_FAILURE() << "the child failed";
    return usage.ru_maxrss;
}

// Writes nowhere, as a batch sent to /dev/null.
class Discard : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

TEST(BatchPipeline, MemoryStaysSmallForEachJob) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine; resident memory says nothing here";
#endif
    // 10 000 lines of the whole object (about 27 KB a line out): with 16 jobs
    // the chunks in flight once held some 240 MB, 15 MB a job.
    std::string input;
    for (int i = 0; i < 10'000; ++i) {
        char line[160];
        std::snprintf(line, sizeof line,
                      R"({"name":"chart","date":"%04d-%02d-%02d","time":"%d:%02d","lon":"77:35E","lat":"12:58N"})",
                      1901 + i % 150, 1 + i % 12, 1 + i % 28, i % 24, i % 60);
        input += line;
        input += '\n';
    }
    constexpr int kJobs = 16;
    constexpr long kKilobytesAJob = 4 * 1024;
    const long before = ChildPeakKilobytes([] {});
    const long peak = ChildPeakKilobytes([&input] {
        std::istringstream in(input);
        StreamLines lines(in);
        Discard discard;
        std::ostream out(&discard);
        RunBatch(lines, out, {}, kJobs);
    });
    EXPECT_LT(peak - before, kJobs * kKilobytesAJob) << "peak " << peak << " KB, " << before << " KB before";
}

// Five dasha levels make a line of about 5.8 MB: chunks counted in lines
// (16 at first) once held some 170 MB a job. Chunked by the bytes a line
// gives, a job holds about one line's output.
TEST(BatchPipeline, MemoryStaysSmallForEachJobWhateverTheFieldsAsk) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine; resident memory says nothing here";
#endif
    std::string input;
    for (int i = 0; i < 24; ++i) {
        char line[160];
        std::snprintf(line, sizeof line,
                      R"({"name":"chart","date":"%04d-%02d-%02d","time":"%d:%02d","lon":"77:35E","lat":"12:58N"})",
                      1950 + i, 1 + i % 12, 1 + i % 28, i % 24, i % 60);
        input += line;
        input += '\n';
    }
    BatchOutput output;
    output.dashaLevels = 5;
    output.fields = {&AllChartFields()[0]};
    for (const ChartField& field : AllChartFields())
        if (field.name == "dashas") output.fields.push_back(&field);
    ASSERT_EQ(output.fields.size(), 2u);
    constexpr int kJobs = 4;
    constexpr long kKilobytesAJob = 20 * 1024;
    const long before = ChildPeakKilobytes([] {});
    const long peak = ChildPeakKilobytes([&] {
        std::istringstream in(input);
        StreamLines lines(in);
        Discard discard;
        std::ostream out(&discard);
        RunBatch(lines, out, output, kJobs);
    });
    EXPECT_LT(peak - before, kJobs * kKilobytesAJob) << "peak " << peak << " KB, " << before << " KB before";
    // The lines are as large as said.
    std::istringstream in(input.substr(0, input.find('\n') + 1));
    StreamLines one(in);
    std::ostringstream out;
    RunBatch(one, out, output, 1);
    EXPECT_GT(out.str().size(), 5'000'000u);
}

}  // namespace
}  // namespace velmora::cli::test
