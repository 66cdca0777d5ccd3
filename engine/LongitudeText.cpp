#include "engine/LongitudeText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace velmora {

namespace {

constexpr std::string_view kDegreeMark = "\xC2\xB0";  // "°" in UTF-8

// Writes a non-negative number in plain decimal at `at`; returns the end.
char* WriteNumber(char* at, std::int64_t value) {
    const auto result = std::to_chars(at, at + 20, value);
    return result.ptr;
}

std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// A field padded to two characters when it has at most one.
char* WriteTwoDigits(char* at, std::string_view field) {
    if (field.size() <= 1) *at++ = '0';
    return std::copy(field.begin(), field.end(), at);
}

}  // namespace

void LongitudeTextInto(double& x, std::string& out) {
    x = std::fabs(x);
    if (!(x < 1e15)) throw std::domain_error("longitude out of range");

    const double wholeDegrees = std::floor(x);
    const double minutesWithFraction = 60 * (x - wholeDegrees);
    const double wholeMinutes = std::floor(minutesWithFraction);
    const double wholeSeconds = std::floor(60 * (minutesWithFraction - wholeMinutes));

    // The sign is taken from the whole degrees before they are brought within
    // the sign. Whole degrees are exact integers here, so the remainder is what
    // subtracting 30 repeatedly leaves. A full circle or more starts again at
    // Aries rather than running past the end of the sign list.
    const auto degrees = static_cast<std::int64_t>(wholeDegrees);
    const std::int64_t sign = degrees / 30;
    const std::int64_t degreesInSign = degrees - 30 * sign;

    // Built in a local buffer and copied once, so that a reused string keeps
    // its storage.
    char buffer[64];
    char* end = WriteNumber(buffer, degreesInSign);
    end = std::copy(kDegreeMark.begin(), kDegreeMark.end(), end);
    *end++ = ' ';
    end = WriteNumber(end, static_cast<std::int64_t>(wholeMinutes));
    *end++ = '\'';
    *end++ = ' ';
    end = WriteNumber(end, static_cast<std::int64_t>(wholeSeconds));
    *end++ = '"';
    *end++ = ' ';
    const std::string_view signText = SignAbbreviations.substr(static_cast<std::size_t>(sign % 12) * 3, 3);
    end = std::copy(signText.begin(), signText.end(), end);
    out.assign(buffer, end);
}

std::string LongitudeText(double& x) {
    std::string text;
    LongitudeTextInto(x, text);
    return text;
}

std::string ChartPositionText(std::string_view text) {
    const std::string_view trimmed = TrimSpaces(text);
    const auto degreeMark = trimmed.find(kDegreeMark);
    const auto apostrophe = trimmed.find('\'');
    if (degreeMark == std::string_view::npos || apostrophe == std::string_view::npos ||
        apostrophe < degreeMark + kDegreeMark.size()) {
        throw std::invalid_argument("not a longitude text");
    }
    const std::string_view degrees = TrimSpaces(trimmed.substr(0, degreeMark));
    const auto minutesStart = degreeMark + kDegreeMark.size();
    const std::string_view minutes = TrimSpaces(trimmed.substr(minutesStart, apostrophe - minutesStart));
    const std::string_view sign = TrimSpaces(text.size() > 3 ? text.substr(text.size() - 3) : text);

    const auto padded = [](std::string_view field) { return field.size() <= 1 ? field.size() + 1 : field.size(); };
    std::string result(padded(degrees) + 1 + sign.size() + 1 + padded(minutes), ' ');
    char* end = WriteTwoDigits(result.data(), degrees);
    end = std::copy(sign.begin(), sign.end(), end + 1);
    WriteTwoDigits(end + 1, minutes);
    return result;
}

}  // namespace velmora
