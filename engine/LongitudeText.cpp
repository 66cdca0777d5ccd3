#include "engine/LongitudeText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace velmora {

namespace {

constexpr std::string_view kDegreeMark = "\xC2\xB0";  // "°" in UTF-8

void AppendNumber(std::string& out, std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

void AppendTwoDigits(std::string& out, std::string_view field) {
    if (field.size() <= 1) out.push_back('0');
    out.append(field);
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

    out.clear();
    AppendNumber(out, degreesInSign);
    out.append(kDegreeMark).push_back(' ');
    AppendNumber(out, static_cast<std::int64_t>(wholeMinutes));
    out.append("' ");
    AppendNumber(out, static_cast<std::int64_t>(wholeSeconds));
    out.append("\" ");
    out.append(SignAbbreviations.substr(static_cast<std::size_t>(sign % 12) * 3, 3));
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

    std::string result;
    AppendTwoDigits(result, degrees);
    result.push_back(' ');
    result.append(sign);
    result.push_back(' ');
    AppendTwoDigits(result, minutes);
    return result;
}

}  // namespace velmora
