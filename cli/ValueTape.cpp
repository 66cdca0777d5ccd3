#include "cli/ValueTape.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "cli/JsonWriter.h"
#include "cli/NumberText.h"
#include "text/Utf8.h"

namespace velmora::cli {

namespace {

constexpr std::size_t kLengthBytes = sizeof(std::uint32_t);

template <typename Number>
void AppendBytes(std::string& out, Number value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out.append(bytes, sizeof value);
}

template <typename Number>
Number ReadBytes(std::string_view bytes, std::size_t at) {
    Number value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

}  // namespace

ValueTape::ValueTape(std::string& out) : out_(out), start_(out.size()) { out_.append(kLengthBytes, '\0'); }

void ValueTape::End() {
    const auto length = static_cast<std::uint32_t>(out_.size() - start_ - kLengthBytes);
    std::memcpy(out_.data() + start_, &length, kLengthBytes);
}

void ValueTape::Sized(char tag, std::string_view bytes) {
    const std::size_t at = out_.size();
    const auto length = static_cast<std::uint32_t>(bytes.size());
    out_.resize(at + 1 + kLengthBytes + bytes.size());
    char* const into = out_.data() + at;
    into[0] = tag;
    std::memcpy(into + 1, &length, kLengthBytes);
    if (!bytes.empty()) std::memcpy(into + 1 + kLengthBytes, bytes.data(), bytes.size());
}

void ValueTape::String(std::string_view text) {
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii || FirstInvalidUtf8(text) == std::string_view::npos) {
        Sized('s', text);
        return;
    }
    std::string valid;
    AppendValidUtf8(valid, text);
    Sized('s', valid);
}

void ValueTape::Int(std::int64_t value) {
    out_ += 'i';
    AppendBytes(out_, value);
}

void ValueTape::Double(double value) {
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    // A fraction's shortest text always has a point or an exponent.
    std::string text;
    if (value == std::trunc(value) && ShortestTextIsInteger(value, text)) {
        std::int64_t integer = 0;
        if (std::from_chars(text.data(), text.data() + text.size(), integer).ec == std::errc{}) {
            Int(integer);
        } else {
            Sized('w', text);
            AppendBytes(out_, value);
        }
        return;
    }
    out_ += 'd';
    AppendBytes(out_, value);
}

std::size_t TapeRecordSize(std::string_view bytes) {
    if (bytes.size() < kLengthBytes) return 0;
    const std::size_t size = kLengthBytes + ReadBytes<std::uint32_t>(bytes, 0);
    return bytes.size() < size ? 0 : size;
}

}  // namespace velmora::cli
