#pragma once
// The list calls that JsonWriter, JsonDocument and CsvRow share, made of
// their own BeginArray, String, Int, Double and EndArray: a field writes a
// list of texts or numbers with one call in any of them.

#include <cstddef>

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
