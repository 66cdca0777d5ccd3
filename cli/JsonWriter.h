#pragma once
// A compact JSON writer that appends straight to a string, with no document
// built in between: the batch mode writes one chart object per line and this
// keeps it to a handful of allocations. Strings are written as UTF-8; quote,
// backslash and control characters are escaped, and bytes that are not valid
// UTF-8 become U+FFFD, so the output is always valid JSON. Nesting deeper
// than 16 levels is not supported.
//
// The single chart's indented object is a document of the JSON library
// (JsonDocument). A batch line stays written here: the library writes a
// double with Grisu2, whose text is one digit longer than the shortest for
// about one double in a thousand (24.543344735458412 for 24.54334473545841),
// so its lines would not be byte for byte what they are; and a document a
// line would cost the batch its speed.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/ListCalls.h"

namespace velmora::cli {

// Appends `text` with each byte that does not begin a valid UTF-8 sequence
// replaced by U+FFFD, as the writer writes it: JsonDocument and ValueTape
// hold what its text reads back as.
void AppendValidUtf8(std::string& out, std::string_view text);

class JsonWriter : public ListCalls<JsonWriter> {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // Inside an object, before each value. Keys are this program's own plain
    // ASCII names and are written as they are.
    void Key(std::string_view key);
    // A key that is not the program's own (a birth's key as given): escaped
    // as a string is.
    void KeyText(std::string_view key);
    void String(std::string_view text);
    // Text a person typed: in JSON a string like any other (CsvRow guards it).
    void TypedText(std::string_view text) { String(text); }
    void Int(std::int64_t value);
    void Bool(bool value);
    // The shortest text that reads back as the same double; null when it is
    // not finite (JSON has no infinities).
    void Double(double value);

private:
    static constexpr int kMaxDepth = 16;
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void AppendEscaped(std::string_view text);

    std::string& out_;
    std::array<bool, kMaxDepth> hasItems_{};
    int depth_ = 0;
    bool afterKey_ = false;
};

}  // namespace velmora::cli
