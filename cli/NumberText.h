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

}  // namespace velmora::cli
