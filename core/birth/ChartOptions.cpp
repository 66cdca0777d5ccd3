#include "birth/ChartOptions.h"

#include <array>
#include <charconv>
#include <cmath>

#include "birth/IsoDate.h"

namespace velmora {

namespace {

constexpr std::string_view kCustomPrefix = "custom:";
constexpr double kCustomLimit = 90;  // degrees either way; today's ayanamsas are near 24°


// "custom:YYYY-MM-DD:DEGREES": a Gregorian date of years 1–9999 and decimal
// degrees (a sign, digits, a point and digits; no exponent).
bool ParseCustom(std::string_view text, CustomAyanamsa& custom) {
    text.remove_prefix(kCustomPrefix.size());
    const std::size_t colon = text.find(':');
    if (colon != 10) return false;
    const std::string_view date = text.substr(0, colon);
    const std::string_view value = text.substr(colon + 1);
    CustomAyanamsa read;
    const std::optional<IsoDate> epoch = ParseIsoDate(date);
    if (!epoch) return false;
    read.year = epoch->year;
    read.month = epoch->month;
    read.day = epoch->day;
    std::size_t at = value.starts_with('-') ? 1 : 0;
    bool point = false, digit = false;
    for (; at < value.size(); ++at) {
        if (value[at] >= '0' && value[at] <= '9') {
            digit = true;
        } else if (value[at] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!digit) return false;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), read.degrees,
                                              std::chars_format::fixed);
    if (error != std::errc{} || end != value.data() + value.size() || !std::isfinite(read.degrees) ||
        std::fabs(read.degrees) > kCustomLimit)
        return false;
    if (read.degrees == 0) read.degrees = 0;  // "-0" is 0
    custom = read;
    return true;
}

std::string Padded(int value, int width) {
    std::string text = std::to_string(value);
    return std::string(static_cast<std::size_t>(width) - std::min<std::size_t>(text.size(), width), '0') + text;
}

}  // namespace

std::string_view AyanamsaDisplayName(AyanamsaKind kind) { return AyanamsaRowOf(kind).display; }

std::string_view AyanamsaOptionName(AyanamsaKind kind) { return AyanamsaRowOf(kind).key; }

std::string AyanamsaText(const ChartOptions& options) {
    if (options.ayanamsa != AyanamsaKind::Custom) return std::string(AyanamsaOptionName(options.ayanamsa));
    return std::string(kCustomPrefix) + CustomAyanamsaText(options.custom);
}

std::string CustomAyanamsaText(const CustomAyanamsa& c) {
    // The shortest text in plain decimals that reads back as the same number
    // (0.00001, never 1e-05, which the reader does not take); the smallest
    // double below 1 needs some 330 characters so.
    char number[400];
    const auto written = std::to_chars(number, number + sizeof number, c.degrees, std::chars_format::fixed);
    return Padded(c.year, 4) + "-" + Padded(c.month, 2) + "-" + Padded(c.day, 2) + ":" +
           std::string(number, written.ptr);
}

bool ParseAyanamsa(std::string_view text, ChartOptions& options) {
    if (text.starts_with(kCustomPrefix)) {
        if (!ParseCustom(text, options.custom)) return false;
        options.ayanamsa = AyanamsaKind::Custom;
        return true;
    }
    for (const AyanamsaRow& row : kAyanamsas) {
        if (row.kind != AyanamsaKind::Custom && row.key == text) {
            options.ayanamsa = row.kind;
            return true;
        }
    }
    return false;
}

std::string AyanamsaChoices() {
    std::string choices;
    for (const AyanamsaRow& row : kAyanamsas) {
        if (row.kind == AyanamsaKind::Custom) continue;
        choices += row.key;
        choices += ", ";
    }
    return choices + "or custom:YYYY-MM-DD:DEGREES (the mean value at 0 h UT of that date, -90 to 90)";
}

std::string_view PositionKindName(PositionKind kind) { return kind == PositionKind::True ? "true" : "apparent"; }

bool ParsePositionKind(std::string_view text, PositionKind& kind) {
    if (text == "apparent") {
        kind = PositionKind::Apparent;
    } else if (text == "true") {
        kind = PositionKind::True;
    } else {
        return false;
    }
    return true;
}

std::string_view HouseSystemName(HouseSystem system) { return HouseSystemRowOf(system).key; }

std::string_view HouseSystemDisplayName(HouseSystem system) { return HouseSystemRowOf(system).display; }

bool ParseHouseSystem(std::string_view text, HouseSystem& system) {
    for (const HouseSystemRow& row : kHouseSystemRows)
        if (row.key == text) {
            system = row.system;
            return true;
        }
    return false;
}

std::string HouseSystemKeys(std::string_view separator, std::string_view last) {
    std::string keys;
    for (std::size_t i = 0; i < kHouseSystemRows.size(); ++i) {
        if (i > 0) keys += i + 1 == kHouseSystemRows.size() ? last : separator;
        keys += kHouseSystemRows[i].key;
    }
    return keys;
}

}  // namespace velmora
