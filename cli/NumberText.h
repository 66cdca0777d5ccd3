#pragma once
// Numbers appended as text, the same in JSON and in CSV: integers in
// decimal, doubles as the shortest text that reads back as the same value.

#include <charconv>
#include <cstdint>
#include <string>

namespace velmora::cli {

inline void AppendInteger(std::string& out, std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// Finite values only.
inline void AppendShortestDouble(std::string& out, double value) {
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// The shortest text of a finite `value` into `text`; true when it is digits
// alone (after a minus), which a JSON reader takes for an integer ("33",
// "-0"), not for a double ("0.5", "1e+05").
inline bool ShortestTextIsInteger(double value, std::string& text) {
    text.clear();
    AppendShortestDouble(text, value);
    return text.find_first_of(".eE") == std::string::npos;
}

}  // namespace velmora::cli
