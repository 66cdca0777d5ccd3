#include "cli/JsonWriter.h"

#include <cmath>

#include "cli/NumberText.h"

namespace velmora::cli {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Length of the valid UTF-8 sequence starting at `at`, or 0 when the bytes
// there are not one (stray continuation, overlong form, surrogate, beyond U+10FFFF, cut short).
std::size_t ValidSequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
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

// Bytes copied unchanged: printable ASCII other than quote and backslash.
constexpr std::array<bool, 256> kPlainByte = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x80; ++c) plain[c] = c != '"' && c != '\\';
    return plain;
}();

}  // namespace

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (depth_ > 0 && depth_ <= kMaxDepth) {
        if (hasItems_[depth_ - 1]) out_ += ',';
        hasItems_[depth_ - 1] = true;
    }
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    out_ += bracket;
    if (depth_ < kMaxDepth) hasItems_[depth_] = false;
    ++depth_;
}

void JsonWriter::Close(char bracket) {
    out_ += bracket;
    --depth_;
}

void JsonWriter::Key(std::string_view key) {
    BeforeValue();
    out_ += '"';
    out_ += key;
    out_ += "\":";
    afterKey_ = true;
}

void JsonWriter::String(std::string_view text) {
    BeforeValue();
    AppendEscaped(text);
}

void JsonWriter::Int(std::int64_t value) {
    BeforeValue();
    AppendInteger(out_, value);
}

void JsonWriter::Double(double value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        out_ += "null";
        return;
    }
    AppendShortestDouble(out_, value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
}

void JsonWriter::AppendEscaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out_ += '"';
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* plain = begin;  // start of the run of bytes copied unchanged
    const char* at = begin;
    while (at != end) {
        const unsigned char c = static_cast<unsigned char>(*at);
        if (kPlainByte[c]) {
            ++at;
            continue;
        }
        if (c >= 0x80) {
            if (const std::size_t length = ValidSequenceLength(text, static_cast<std::size_t>(at - begin))) {
                at += length;
                continue;
            }
        }
        out_.append(plain, static_cast<std::size_t>(at - plain));
        switch (c) {
            case '"': out_ += "\\\""; break;
            case '\\': out_ += "\\\\"; break;
            case '\b': out_ += "\\b"; break;
            case '\f': out_ += "\\f"; break;
            case '\n': out_ += "\\n"; break;
            case '\r': out_ += "\\r"; break;
            case '\t': out_ += "\\t"; break;
            default:
                if (c < 0x20) {
                    out_ += "\\u00";
                    out_ += kHex[c >> 4];
                    out_ += kHex[c & 0xF];
                } else {
                    out_ += kReplacement;
                }
        }
        plain = ++at;
    }
    out_.append(plain, static_cast<std::size_t>(end - plain));
    out_ += '"';
}

}  // namespace velmora::cli
