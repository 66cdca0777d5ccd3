#include "cli/BatchRunner.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "CliRunner.h"
#include "FullBuffer.h"

namespace velmora::cli::test {
namespace {

const std::string kGood =
    R"({"name":"rama","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N"})";

struct ParseCase {
    std::string line;
    std::string refusal;
};

TEST(Batch, ParsesRequestLines) {
    const ParseCase cases[] = {
        {kGood, ""},
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","zone":34,"dst":true,"city":"c","state":"s","country":"k"})", ""},
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","zone":"IST"})", ""},
        {"", "the line is not valid JSON"},
        {"[1,2]", "the line is not a JSON object"},
        {R"({"name":"a")", "the line is not valid JSON"},
        {R"({"name":"\ud800","date":"d","time":"t","lon":"l","lat":"l"})", "the line is not valid JSON"},
        {R"("text")", "the line is not a JSON object"},
        {R"({"date":"d","time":"t","lon":"l","lat":"l"})", "missing \"name\""},
        {R"({"name":"a","date":"d","time":"t","lon":"l"})", "missing \"lat\""},
        {R"({"name":"a","date":"d","time":"t","place":"Pune","tz":"Asia/Kolkata","ambiguous":"later"})", ""},
        {R"({"name":7,"date":"d","time":"t","lon":"l","lat":"l"})", "\"name\" must be a text"},
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","zone":-1})",
         "\"zone\" must be a list position 0-70 or an abbreviation text"},
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","zone":1.5})",
         "\"zone\" must be a list position 0-70 or an abbreviation text"},
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","dst":"yes"})", "\"dst\" must be true or false"},
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","json":true})", "unknown field \"json\""},
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","precise":true,"node":"true"})", ""},
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","precise":"yes"})",
         "\"precise\" must be true or false"},
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","node":1})", "\"node\" must be a text"},
        // Bytes JSON text cannot hold: the whole line is refused, whatever comes first.
        {kGood + std::string(1, '\0') + "garbage",
         "the line is not valid JSON: it holds the control character U+0000 at byte 79"},
        {std::string(R"({"name":"a)") + '\x01' + R"(","date":"d","time":"t","lon":"l","lat":"l"})",
         "the line is not valid JSON: it holds the control character U+0001 at byte 11"},
        {R"({"name":"a)" "\xff" R"(","date":"d","time":"t","lon":"l","lat":"l"})", "the line is not valid JSON"},
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l"})" "\xc3", "the line is not valid JSON"},
        // A key named twice has no one meaning (RFC 8259, section 4): refused
        // as birth files refuse it, in whichever order and however written.
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","name":"b"})", "the line holds \"name\" twice"},
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","zone":3,"zone":"IST"})",
         "the line holds \"zone\" twice"},
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","n\u0061me":"b"})", "the line holds \"name\" twice"},
        {R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","zone":1e400})",
         "\"zone\" is a number too large to read"},
        // However deep a line nests, it is one refusal.
        {R"({"name":)" + std::string(100'000, '[') + std::string(100'000, ']') + "}",
         "the line nests arrays and objects more than 32 deep"},
        {std::string(40, '[') + std::string(40, ']'), "the line nests arrays and objects more than 32 deep"},
        {R"({"name":[[1]],"date":"d","time":"t","lon":"l","lat":"l"})", "\"name\" must be a text"},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 120));
        ChartRequest request;
        EXPECT_EQ(ParseBatchRequest(c.line, request), c.refusal);
    }
    ChartRequest request;
    ASSERT_EQ(ParseBatchRequest(
                  R"({"name":"a","date":"d","time":"t","lon":"l","lat":"l","zone":34,"dst":true,"city":"c","state":"s","country":"k"})",
                  request),
              "");
    EXPECT_EQ(request.zone, "34");
    EXPECT_TRUE(request.dst);
    EXPECT_EQ(request.city + request.state + request.country, "csk");
}

TEST(Batch, EachLineGivesOneLineAndBadLinesDoNotStopTheRest) {
    const std::string bad = R"({"name":"rama","date":"2000-01-01","time":"12:00","lon":"180:00E","lat":"0:00N"})";
    const std::string other =
        R"({"name":"sita","date":"1990-04-30","time":"6:30","lon":"77:35E","lat":"12:58N","zone":"IST"})";
    const std::string input = kGood + "\n" + bad + "\r\n" + "not json\n" + other + "\n";
    const CliResult r = RunCliWith({"--batch", "-"}, false, input);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "");

    std::istringstream lines(r.out);
    std::vector<std::string> out;
    for (std::string line; std::getline(lines, line);) out.push_back(line);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[1], R"({"error":"Please Enter Value Between 0 And 179 in the Degree of Longitude"})");
    EXPECT_EQ(out[2], R"({"error":"the line is not valid JSON"})");

    // A good line's output is the --json object, compact, whatever came before it.
    const CliResult single = RunCliWith({"--name", "sita", "--date", "1990-04-30", "--time", "6:30", "--lon",
                                         "77:35E", "--lat", "12:58N", "--zone", "IST", "--json"});
    EXPECT_EQ(nlohmann::ordered_json::parse(out[3]), nlohmann::ordered_json::parse(single.out));
    EXPECT_EQ(out[3], nlohmann::ordered_json::parse(single.out).dump());
    EXPECT_EQ(nlohmann::json::parse(out[0])["name"], "RAMA");
}

TEST(Batch, EachLineChoosesItsMode) {
    const std::string precise =
        R"({"name":"rama","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N","precise":true})";
    const std::string classic =
        R"({"name":"rama","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N","precise":false})";
    const std::string classicNode =
        R"({"name":"rama","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N","precise":false,"node":"true"})";
    const CliResult r = RunCliWith({"--batch", "-"}, false,
                                   precise + "\n" + classic + "\n" + precise + "\n" + kGood + "\n" + classicNode + "\n");
    ASSERT_EQ(r.status, 2) << r.out;
    std::istringstream lines(r.out);
    std::vector<nlohmann::json> out;
    for (std::string line; std::getline(lines, line);) out.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[0]["mode"], "precise");
    EXPECT_EQ(out[1]["mode"], "classic");
    EXPECT_EQ(out[0], out[2]);
    EXPECT_NE(out[0]["degrees"], out[1]["degrees"]);
    // A line that does not say is precise.
    EXPECT_EQ(out[3], out[0]);
    EXPECT_EQ(out[4]["error"],
              "node: the node is chosen for precise positions only; leave out --classic (\"precise\": false)");
}

// A line of one field alone holds that field as the whole object does: a
// batch of fields that are the run's texts alone makes no Chart value, and a
// field that reads the chart must not be written from a stand-in.
TEST(Batch, EachFieldAloneIsTheWholeObjectsValue) {
    const std::string line =
        R"({"name":"rama","date":"1976-07-04","time":"9:05:30","lon":"75:10W","lat":"39:57N","zone":20,"dst":true,)"
        R"("city":"Philadelphia"})";
    BatchOutput everything;  // the whole object with the dashas it holds only when asked
    everything.dashas = DashaSet::All();
    BatchRunner whole(everything);
    bool refused = false;
    const auto object = nlohmann::ordered_json::parse(whole.RunLine(line, refused));
    ASSERT_FALSE(refused);
    for (const ChartField& field : AllChartFields()) {
        SCOPED_TRACE(std::string(field.name));
        BatchOutput output;
        output.fields = {&field};
        BatchRunner alone(output);
        const auto part = nlohmann::ordered_json::parse(alone.RunLine(line, refused));
        ASSERT_FALSE(refused);
        EXPECT_EQ(part.at(std::string(field.name)), object.at(std::string(field.name)));
    }
}

TEST(Batch, TheFirstFailedWriteEndsTheBatch) {
    std::string input;
    for (int i = 0; i < 1000; ++i) input += kGood + "\n";
    std::istringstream in(input);
    StreamLines lines(in);
    FullBuffer full(50'000);  // room for a couple of charts
    std::ostream out(&full);
    BatchRunner runner;
    const BatchOutcome outcome = runner.RunAll(lines, out);
    EXPECT_TRUE(outcome.writeFailed);
    // It stopped there: most of the input is still unread.
    EXPECT_GT(input.size() - static_cast<std::size_t>(in.tellg()), input.size() / 2);
}

TEST(Batch, AllGoodLinesExitZero) {
    const CliResult r = RunCliWith({"--batch", "-"}, false, kGood + "\n" + kGood + "\n");
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string first, second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(first, second);
    EXPECT_EQ(RunCliWith({"--batch", "-"}, false, "").status, 0);
}

}  // namespace
}  // namespace velmora::cli::test
