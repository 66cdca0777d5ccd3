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

// OWASP, "CSV Injection": a cell beginning with =, +, -, @, tab or carriage
// return is taken for a formula by spreadsheets; such typed text gets a
// leading apostrophe, then the usual quoting. Control characters are written
// visibly (\x00), never raw.
TEST(CsvRow, TypedTextIsGuardedForSpreadsheets) {
    const std::pair<std::string, std::string> cases[] = {
        {"=HYPERLINK(\"http://x\",\"y\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\""},
        {"+1", "'+1"},
        {"-2+3", "'-2+3"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tcmd", "'\\x09cmd"},
        {"\rcmd", "'\\x0dcmd"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"New\nYork", "New\\x0aYork"},
        {"\x1b]0;title\x07", "\\x1b]0;title\\x07"},
        {"del\x7f", "del\\x7f"},
        {"a=b, c-d", "\"a=b, c-d\""},
        {"Bengaluru", "Bengaluru"},
        {"Z\xC3\xBCrich", "Z\xC3\xBCrich"},
        {"", ""},
    };
    for (const auto& [text, cell] : cases) {
        SCOPED_TRACE(text);
        std::string out;
        CsvRow(out).TypedText(text);
        EXPECT_EQ(out, cell);
    }
    // The program's own texts stay as they are: an offset, a negative number.
    std::string out;
    CsvRow row(out);
    row.String("+05:30");
    row.Int(-3);
    row.Double(-0.5);
    EXPECT_EQ(out, "+05:30,-3,-0.5");
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
