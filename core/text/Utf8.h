#pragma once
// Checking UTF-8 text byte by byte: the JSON writer and the birth files both
// refuse or replace what is not well-formed UTF-8.

#include <cstddef>
#include <string_view>

namespace velmora {

// Length of the valid UTF-8 sequence starting at `at`, or 0 when the bytes
// there are not one (stray continuation, overlong form, surrogate, beyond
// U+10FFFF, cut short). An ASCII byte is a sequence of length 1.
inline std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    return length;
}

// The offset of the first byte that does not begin a valid sequence, or
// std::string_view::npos when all of `text` is well-formed UTF-8.
inline std::size_t FirstInvalidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) return i;
        i += length;
    }
    return std::string_view::npos;
}

}  // namespace velmora
