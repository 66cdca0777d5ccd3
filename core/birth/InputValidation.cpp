#include "birth/InputValidation.h"

#include <optional>
#include <string_view>

#include "engine/TrimSpaces.h"

namespace velmora {

namespace {

constexpr std::string_view kNameMessage = "Please Enter Name";
constexpr std::string_view kLonDegMessage =
    "Please Enter Value Between 0 And 179 in the Degree of Longitude";
constexpr std::string_view kLonMinMessage =
    "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
constexpr std::string_view kLatDegMessage =
    "Please Enter Value Between 0 And 89 in the Degree of Latitude";
constexpr std::string_view kLatMinMessage =
    "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
constexpr std::string_view kFebruaryMessage = "Please Enter Correct Date Or Month!";
constexpr std::string_view kThirtyDayMessage = "Please Enter Correct Date Or Month !";

constexpr int kFebruary = 1;                      // month positions
constexpr int kThirtyDayMonths[] = {3, 5, 8, 10};  // April, June, September, November
constexpr int kDay29 = 28, kDay30 = 29, kDay31 = 30;  // day positions

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a decimal number (optional blanks, optional sign, digits, optional
// fraction) from the start of `text`, as the run reads the boxes. Returns the
// value and how many characters it took, or nothing when the text does not
// start with a number.
struct NumberPrefix {
    double value;
    std::size_t length;
};

std::optional<NumberPrefix> ReadNumberPrefix(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;  // as the run's conversion does
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    double value = 0;
    bool anyDigit = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            value += (text[i] - '0') * scale;
            scale /= 10;
            anyDigit = true;
        }
    }
    if (!anyDigit) return std::nullopt;
    return NumberPrefix{negative ? -value : value, i};
}

// Degree boxes: the number at the start of the trimmed text counts, a text
// that does not start with one counts as 0; an empty box fails.
bool DegreesOutOfRange(std::string_view box, double highest) {
    const std::string_view text = TrimSpaces(box);
    if (text.empty()) return true;
    const auto number = ReadNumberPrefix(text);
    const double value = number ? number->value : 0.0;
    return value > highest || value < 0;
}

// Minute boxes: the whole trimmed text is the number. A text that is not a
// number at all (only pasting could put one there) fails like an empty box.
bool MinutesOutOfRange(std::string_view box) {
    const std::string_view text = TrimSpaces(box);
    const auto number = ReadNumberPrefix(text);
    if (!number || number->length != text.size()) return true;
    return number->value > 59 || number->value < 0;
}

// The Gregorian rule; over the classic years 1901–2050 divisibility by 4
// alone gives the same, and precise years reach 1800, 1900, 2100 and 2200.
bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

ValidationResult Failure(int check, std::string_view message, MessageIcon icon, FormField focus) {
    return {check, message, icon, focus};
}

}  // namespace

ValidationResult Input_Validation(const FormFields& form) {
    if (TrimSpaces(form.Name).empty())
        return Failure(1, kNameMessage, MessageIcon::Error, FormField::Name);
    if (DegreesOutOfRange(form.LonDeg, 179))
        return Failure(2, kLonDegMessage, MessageIcon::Error, FormField::LonDeg);
    if (MinutesOutOfRange(form.LonMin))
        return Failure(3, kLonMinMessage, MessageIcon::Error, FormField::LonMin);
    if (DegreesOutOfRange(form.LatDeg, 89))
        return Failure(4, kLatDegMessage, MessageIcon::Error, FormField::LatDeg);
    if (MinutesOutOfRange(form.LatMin))
        return Failure(5, kLatMinMessage, MessageIcon::Error, FormField::LatMin);

    if (form.Month == kFebruary) {
        const int firstBadDay = IsLeapYear(FormYear(form)) ? kDay30 : kDay29;
        if (form.Day >= firstBadDay && form.Day <= kDay31)
            return Failure(6, kFebruaryMessage, MessageIcon::Information, FormField::None);
    }
    for (int month : kThirtyDayMonths) {
        if (form.Month == month && form.Day == kDay31)
            return Failure(7, kThirtyDayMessage, MessageIcon::Information, FormField::None);
    }
    return {};
}

}  // namespace velmora
