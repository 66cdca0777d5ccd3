#include "cli/CsvRow.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace velmora::cli {
namespace {

// RFC 4180, section 2: fields holding line breaks, double quotes or commas
// are enclosed in double quotes (rule 6), and a double quote inside one is
// escaped by another double quote (rule 7); records end with CRLF (rule 1).
TEST(CsvRow, QuotesOnlyWhatRfc4180Requires) {
    const std::pair<std::string, std::string> cases[] = {
        {"aaa", "aaa"},
        {"", ""},
        {"b,bb", "\"b,bb\""},
        {"b\r\nbb", "\"b\r\nbb\""},
        {"b\nbb", "\"b\nbb\""},
        {"b\"bb", "\"b\"\"bb\""},
        {"\"", "\"\"\"\""},
        {"16\xC2\xB0 31' Sag", "16\xC2\xB0 31' Sag"},
        {" spaced ", " spaced "},
    };
    for (const auto& [text, cell] : cases) {
        SCOPED_TRACE(text);
        std::string out;
        CsvRow(out).String(text);
        EXPECT_EQ(out, cell);
    }
}

TEST(CsvRow, CellsOfListsAndObjectsInOrder) {
    std::string out;
    CsvRow row(out);
    row.BeginObject();
    row.Key("ignored");
    row.StringArray(std::array<std::string, 2>{"x", "y,z"}, 2);
    row.IntArray(std::array<int, 2>{-3, 11}, 2);
    row.EndObject();
    row.Bool(true);
    row.DoubleArray(std::array<double, 3>{0.1, 256.5156962125244, std::nan("")}, 3);
    row.Double(std::numeric_limits<double>::infinity());
    row.Empty();
    row.String("last");
    row.End();
    row.String("next row");
    EXPECT_EQ(out, "x,\"y,z\",-3,11,true,0.1,256.5156962125244,,,,last\r\nnext row");
}

}  // namespace
}  // namespace velmora::cli
