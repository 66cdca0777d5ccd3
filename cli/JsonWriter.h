#pragma once
// A compact JSON writer that appends straight to a string, with no document
// built in between: the batch mode writes one chart object per line and this
// keeps it to a handful of allocations. Strings are written as UTF-8; quote,
// backslash and control characters are escaped, and bytes that are not valid
// UTF-8 become U+FFFD, so the output is always valid JSON. Nesting deeper
// than 16 levels is not supported.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::cli {

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // Inside an object, before each value. Keys are this program's own plain
    // ASCII names and are written as they are.
    void Key(std::string_view key);
    void String(std::string_view text);
    // Text a person typed: in JSON a string like any other (CsvRow guards it).
    void TypedText(std::string_view text) { String(text); }
    void Int(std::int64_t value);
    void Bool(bool value);
    // The shortest text that reads back as the same double; null when it is
    // not finite (JSON has no infinities).
    void Double(double value);

    template <typename Range>
    void StringArray(const Range& texts, std::size_t count) {
        BeginArray();
        for (std::size_t i = 0; i < count; ++i) String(texts[i]);
        EndArray();
    }
    template <typename Range>
    void IntArray(const Range& values, std::size_t count) {
        BeginArray();
        for (std::size_t i = 0; i < count; ++i) Int(values[i]);
        EndArray();
    }
    template <typename Range>
    void DoubleArray(const Range& values, std::size_t count) {
        BeginArray();
        for (std::size_t i = 0; i < count; ++i) Double(values[i]);
        EndArray();
    }

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
