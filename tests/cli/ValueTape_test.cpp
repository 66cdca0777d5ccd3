#include "cli/ValueTape.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "cli/BatchPipeline.h"
#include "cli/JsonWriter.h"
#include "cli/LineSource.h"

namespace velmora::cli {
namespace {

// A record replayed into the JSON writer is the text the values were
// written as: so the Python module's objects, made from records, are what
// json.loads makes of the batch's lines.
std::string Replayed(std::string_view record) {
    std::string text;
    JsonWriter json(text);
    ReplayTape(record, json);
    return text;
}

TEST(ValueTape, HoldsWhatTheCompactTextReadsBackAs) {
    struct Case {
        double value;
        TapeItem item;  // what a JSON reader takes the shortest text for
        std::string_view readBack = {};  // the integer's text, where it is not the double's
    };
    const Case cases[] = {
        {33.0, TapeItem::Int},                     // "33"
        {-0.0, TapeItem::Int, "0"},                // "-0": the integer 0
        {100000.0, TapeItem::Double},              // "1e+05"
        {0.0002, TapeItem::Double},
        {294.2898642765538, TapeItem::Double},
        {-9007199254740993.0, TapeItem::Int},      // beyond a double's integers, still 64 bits
        {1e19, TapeItem::Double},                  // "1e+19"
        {1.8446744073709552e19, TapeItem::Whole},  // "18446744073709552000": beyond 64 bits
        {-1.8446744073709552e19, TapeItem::Whole},
        {1e300, TapeItem::Double},                 // "1e+300"
        {std::numeric_limits<double>::quiet_NaN(), TapeItem::Null},
        {-std::numeric_limits<double>::infinity(), TapeItem::Null},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        std::string record, text;
        ValueTape tape(record);
        tape.Double(c.value);
        tape.End();
        JsonWriter(text).Double(c.value);
        EXPECT_EQ(Replayed(record), c.readBack.empty() ? text : c.readBack);
        TapeReader reader(record);
        ASSERT_TRUE(reader.Next());
        EXPECT_EQ(reader.item, c.item);
        if (c.item == TapeItem::Whole) EXPECT_EQ(reader.text, text);
        EXPECT_FALSE(reader.Next());
    }
    // Texts: what is not UTF-8 becomes U+FFFD byte by byte, as in the JSON
    // text; control characters and NUL stay (the JSON text escapes them).
    const std::string texts[] = {
        "plain", "\r\nSun\r\nMercury (R) ", std::string("nul\0inside", 10), "a\xFF" "b", "cut \xE2\x82",
        "\xED\xA0\x80", "\xC3\xA9\xC3", "",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        std::string record, json;
        ValueTape tape(record);
        tape.String(text);
        tape.End();
        JsonWriter(json).String(text);
        EXPECT_EQ(Replayed(record), json);
    }
}

TEST(ValueTape, RecordsFollowOneAnother) {
    std::string bytes;
    {
        ValueTape tape(bytes);
        tape.BeginObject();
        tape.KeyString("error", "refused");
        tape.Key("list");
        tape.BeginArray();
        tape.Bool(true);
        tape.Bool(false);
        tape.Int(-7);
        tape.EndArray();
        tape.EndObject();
        tape.End();
    }
    const std::size_t first = bytes.size();
    {
        ValueTape tape(bytes);
        tape.IntArray(std::vector<int>{1, 2}, 2);
        tape.End();
    }
    EXPECT_EQ(TapeRecordSize(bytes), first);
    EXPECT_EQ(Replayed(std::string_view(bytes).substr(0, first)), R"({"error":"refused","list":[true,false,-7]})");
    EXPECT_EQ(Replayed(std::string_view(bytes).substr(first)), "[1,2]");
    // A record cut short is not yet one.
    for (std::size_t cut = 0; cut < first; ++cut) EXPECT_EQ(TapeRecordSize(std::string_view(bytes).substr(0, cut)), 0u) << cut;
}

// The lines a batch writes, and its records replayed, for the same input.
struct BatchTexts {
    std::string lines, replayed;
    int records = 0;
};
BatchTexts LinesAndRecords(const std::string& input, BatchOutput output, int jobs) {
    BatchTexts texts;
    {
        std::istringstream in(input);
        StreamLines source(in);
        std::ostringstream out;
        output.format = BatchFormat::Jsonl;
        RunBatch(source, out, output, jobs);
        texts.lines = out.str();
    }
    std::istringstream in(input);
    StreamLines source(in);
    std::ostringstream out;
    output.format = BatchFormat::Values;
    RunBatch(source, out, output, jobs);
    const std::string records = out.str();
    for (std::size_t at = 0; at < records.size(); ++texts.records) {
        const std::size_t size = TapeRecordSize(std::string_view(records).substr(at));
        if (size == 0) {
            ADD_FAILURE() << "a record cut short at byte " << at;
            break;
        }
        texts.replayed += Replayed(std::string_view(records).substr(at, size)) + "\n";
        at += size;
    }
    return texts;
}

// Every field the table has, on both engines, through the chart object and
// chosen fields, refused lines among them, on one thread and on several:
// the records hold the values of the lines, line for line.
TEST(ValueTape, EveryFieldOfEveryLineIsTheLinesValues) {
    const std::string births[] = {
        R"({"name":"rama","date":"2000-01-01","time":"12:00","lon":"0:00E","lat":"0:00N","precise":false})",
        R"({"name":"sita \"q\"","date":"1990-04-30","time":"6:30:15","lon":"77:35E","lat":"12:58N","zone":"IST","precise":true})",
        R"({"name":"asha","date":"1942-09-01","time":"12:00","place":"Calcutta","precise":true,"node":"true","houses":"placidus"})",
        R"({"name":"ada","date":"1990-07-14","time":"22:15:30","lon":"73:59W","lat":"40:45N","tz":"America/New_York","city":"New York","dashaYear":"360"})",
        R"({"name":"polar","date":"2001-06-21","time":"12:00","lon":"25:00E","lat":"78:13N","tz":"Arctic/Longyearbyen"})",
        "not json",
        R"({"name":"rama","date":"2000-02-30","time":"12:00","lon":"0:00E","lat":"0:00N"})",
    };
    std::string input;
    for (int copy = 0; copy < 3; ++copy)
        for (const std::string& birth : births) input += birth + "\n";
    BatchOutput every;
    ASSERT_EQ(ParseFieldList(FieldNames(), every.fields), "");
    every.dashaLevels = 3;
    every.today = CalendarDate{2024, 6, 1};
    every.time.transitClock = LocalClock{2024, 6, 1, 12, 0, 0};
    every.time.nowUT = 2460463.0;
    every.ashtakavargaChoice.reduced = true;
    BatchOutput whole;  // the chart object, with what it holds when asked for
    whole.pointDetails = whole.jaimini = whole.yogas = whole.vargas = true;
    whole.time.panchanga = true;
    BatchOutput chosen;
    ASSERT_EQ(ParseFieldList("degrees,name,speeds,retrograde,birth", chosen.fields), "");
    for (const BatchOutput* output : {&every, &whole, &chosen}) {
        for (const int jobs : {1, 2}) {
            SCOPED_TRACE(jobs);
            const BatchTexts texts = LinesAndRecords(input, *output, jobs);
            EXPECT_EQ(texts.records, 21);
            EXPECT_EQ(texts.replayed, texts.lines);
        }
    }
}

}  // namespace
}  // namespace velmora::cli
