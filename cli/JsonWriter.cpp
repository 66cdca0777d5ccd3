#include "cli/JsonWriter.h"

#include <cmath>

#include "text/Utf8.h"
#include "cli/NumberText.h"

namespace velmora::cli {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Bytes copied unchanged: printable ASCII other than quote and backslash.
constexpr std::array<bool, 256> kPlainByte = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x80; ++c) plain[c] = c != '"' && c != '\\';
    return plain;
}();

}  // namespace

void AppendValidUtf8(std::string& out, std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, at);
        out += length == 0 ? kReplacement : text.substr(at, length);
        at += length == 0 ? 1 : length;
    }
}

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

void JsonWriter::KeyText(std::string_view key) {
    BeforeValue();
    AppendEscaped(key);
    out_ += ':';
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
            if (const std::size_t length = Utf8SequenceLength(text, static_cast<std::size_t>(at - begin))) {
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
