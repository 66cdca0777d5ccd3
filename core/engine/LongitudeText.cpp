#include "engine/LongitudeText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "engine/SetText.h"
#include "engine/TrimSpaces.h"

namespace velmora {

namespace {

constexpr std::string_view kDegreeMark = "\xC2\xB0";  // "°" in UTF-8

// Writes a non-negative number in plain decimal at `at` (room for 20
// characters); returns the end.
char* WriteNumber(char* at, std::int64_t value) {
    if (value < 10) {
        *at = static_cast<char>('0' + value);
        return at + 1;
    }
    if (value < 100) {
        at[0] = static_cast<char>('0' + value / 10);
        at[1] = static_cast<char>('0' + value % 10);
        return at + 2;
    }
    return std::to_chars(at, at + 20, value).ptr;
}

// A field padded to two characters when it has at most one.
char* WriteTwoDigits(char* at, std::string_view field) {
    if (field.size() <= 1) *at++ = '0';
    return std::copy(field.begin(), field.end(), at);
}

// The fields of the long text of x degrees (leaving |x| in x, as the texts do).
struct LongitudeFields {
    std::int64_t degreesInSign;
    std::int64_t minutes;
    std::int64_t seconds;
    std::string_view sign;
};

LongitudeFields SplitLongitude(double& x) {
    x = std::fabs(x);
    if (!(x < 1e15)) throw std::domain_error("longitude out of range");

    // Every value here is non-negative, so converting to an integer (which
    // drops the fraction) is the floor, exactly.
    const auto degrees = static_cast<std::int64_t>(x);
    const double minutesWithFraction = 60 * (x - static_cast<double>(degrees));
    const auto wholeMinutes = static_cast<std::int64_t>(minutesWithFraction);
    const auto wholeSeconds =
        static_cast<std::int64_t>(60 * (minutesWithFraction - static_cast<double>(wholeMinutes)));

    // The sign is taken from the whole degrees before they are brought within
    // the sign; the remainder is what subtracting 30 repeatedly leaves. A full
    // circle or more starts again at Aries rather than running past the end of
    // the sign list.
    const std::int64_t sign = degrees / 30;
    const std::int64_t degreesInSign = degrees - 30 * sign;
    return {degreesInSign, wholeMinutes, wholeSeconds,
            SignAbbreviations.substr(static_cast<std::size_t>(sign % 12) * 3, 3)};
}

// A number padded to two digits when it has one.
char* WriteTwoDigitNumber(char* at, std::int64_t value) {
    if (value < 10) *at++ = '0';
    return WriteNumber(at, value);
}

// The texts are built in a local buffer and copied once, so that a reused
// string keeps its storage.

// The long text of the fields.
void WriteLongText(const LongitudeFields& fields, std::string& out) {
    char buffer[64];
    char* end = WriteNumber(buffer, fields.degreesInSign);
    end = std::copy(kDegreeMark.begin(), kDegreeMark.end(), end);
    *end++ = ' ';
    end = WriteNumber(end, fields.minutes);
    *end++ = '\'';
    *end++ = ' ';
    end = WriteNumber(end, fields.seconds);
    *end++ = '"';
    *end++ = ' ';
    end = std::copy(fields.sign.begin(), fields.sign.end(), end);
    SetText(out, std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

// The short text of the fields, as ChartPositionText reads it from the long one.
void WriteShortText(const LongitudeFields& fields, std::string& out) {
    char buffer[48];
    char* end = WriteTwoDigitNumber(buffer, fields.degreesInSign);
    *end++ = ' ';
    end = std::copy(fields.sign.begin(), fields.sign.end(), end);
    *end++ = ' ';
    end = WriteTwoDigitNumber(end, fields.minutes);
    SetText(out, std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

}  // namespace

void LongitudeTextInto(double& x, std::string& out) { WriteLongText(SplitLongitude(x), out); }

void LongitudeTextsInto(double& x, std::string& longText, std::string& shortText) {
    const LongitudeFields fields = SplitLongitude(x);
    WriteLongText(fields, longText);
    WriteShortText(fields, shortText);
}

std::string LongitudeText(double& x) {
    std::string text;
    LongitudeTextInto(x, text);
    return text;
}

std::string ChartPositionText(std::string_view text) {
    const std::string_view trimmed = TrimSpaces(text);
    // The first degree mark, and the first apostrophe after it; an apostrophe
    // before the mark leaves no minutes field.
    std::size_t degreeMark = std::string_view::npos;
    for (std::size_t k = 0; k + 1 < trimmed.size(); ++k) {
        if (trimmed[k] == '\'') break;
        if (trimmed[k] == kDegreeMark[0] && trimmed[k + 1] == kDegreeMark[1]) {
            degreeMark = k;
            break;
        }
    }
    const std::size_t minutesStart = degreeMark + kDegreeMark.size();
    const std::size_t apostrophe =
        degreeMark == std::string_view::npos ? std::string_view::npos : trimmed.find('\'', minutesStart);
    if (apostrophe == std::string_view::npos) throw std::invalid_argument("not a longitude text");

    const std::string_view degrees = TrimSpaces(trimmed.substr(0, degreeMark));
    const std::string_view minutes = TrimSpaces(trimmed.substr(minutesStart, apostrophe - minutesStart));
    const std::string_view sign = TrimSpaces(text.size() > 3 ? text.substr(text.size() - 3) : text);

    const auto width = [](std::string_view field) { return field.size() <= 1 ? field.size() + 1 : field.size(); };
    std::string result(width(degrees) + 1 + sign.size() + 1 + width(minutes), ' ');
    char* end = WriteTwoDigits(result.data(), degrees);
    end = std::copy(sign.begin(), sign.end(), end + 1);
    WriteTwoDigits(end + 1, minutes);
    return result;
}

}  // namespace velmora
