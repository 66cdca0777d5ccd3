#pragma once
// The calls that JsonWriter, JsonDocument and CsvRow share, made of their
// own Key, BeginArray, String, Int, Bool, Double and EndArray: a field writes
// a list of texts or numbers, or an object's key with its value, with one
// call in any of them.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velmora::cli {

template <typename Writer>
class ListCalls {
public:
    template <typename Range>
    void StringArray(const Range& texts, std::size_t count) {
        List(count, [&](std::size_t i) { Self().String(texts[i]); });
    }
    template <typename Range>
    void IntArray(const Range& values, std::size_t count) {
        List(count, [&](std::size_t i) { Self().Int(values[i]); });
    }
    template <typename Range>
    void DoubleArray(const Range& values, std::size_t count) {
        List(count, [&](std::size_t i) { Self().Double(values[i]); });
    }

    void KeyString(std::string_view key, std::string_view text) {
        Self().Key(key);
        Self().String(text);
    }
    void KeyInt(std::string_view key, std::int64_t value) {
        Self().Key(key);
        Self().Int(value);
    }
    void KeyBool(std::string_view key, bool value) {
        Self().Key(key);
        Self().Bool(value);
    }
    void KeyDouble(std::string_view key, double value) {
        Self().Key(key);
        Self().Double(value);
    }

    // A remark on what is written in its place, such as why a part could
    // not be computed: JSON says it where the value stands, so it is
    // nothing more here; a CSV row (CsvRow::Note) carries it in its error
    // column.
    void Note(std::string_view) {}

private:
    Writer& Self() { return static_cast<Writer&>(*this); }
    template <typename Item>
    void List(std::size_t count, const Item& item) {
        Self().BeginArray();
        for (std::size_t i = 0; i < count; ++i) item(i);
        Self().EndArray();
    }
};

}  // namespace velmora::cli
