#pragma once
// One row of comma-separated values (RFC 4180), appended straight to a
// string. It takes the same calls as JsonWriter, so one function writes a
// chart field both ways: every text, number and truth value is a cell, and
// the brackets and keys of lists and objects are left out. A cell holding a
// comma, a quote, a carriage return or a line feed is quoted, its quotes
// doubled.

#include <cstdint>
#include <string>
#include <string_view>

#include "cli/ListCalls.h"

namespace velmora::cli {

class CsvRow : public ListCalls<CsvRow> {
public:
    explicit CsvRow(std::string& out) : out_(out) {}

    void BeginObject() {}
    void EndObject() {}
    void BeginArray() {}
    void EndArray() {}
    void Key(std::string_view) {}
    void String(std::string_view text);
    // A cell holding text a person typed (a name, a place, a message that
    // quotes input), guarded for spreadsheets as OWASP's CSV-injection advice
    // says: text that begins with =, +, -, @, a tab or a carriage return,
    // which a spreadsheet would take for a formula, gets a leading
    // apostrophe; control characters (NUL, tab, line breaks, ESC, DEL, …)
    // are written visibly as \x00 … \x1f and \x7f. Then quoted as String.
    void TypedText(std::string_view text);
    void Int(std::int64_t value);
    void Bool(bool value);
    // As JSON writes it: the shortest text that reads back as the same
    // double; an empty cell when it is not finite.
    void Double(double value);
    // A cell left empty (the fields of a refused line).
    void Empty();
    // A remark on the cells of the field named last by NoteField (a part
    // that could not be computed): kept for the row's error column as
    // "field: message", several joined by "; ".
    void Note(std::string_view message);
    void NoteField(std::string_view field) { noteField_ = field; }
    const std::string& Notes() const { return notes_; }
    // Ends the row with CR LF.
    void End();

private:
    void BeforeCell();

    std::string& out_;
    bool hasCells_ = false;
    std::string_view noteField_;
    std::string notes_;
};

}  // namespace velmora::cli
