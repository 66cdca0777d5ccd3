#pragma once
// Dates and numbers as a language's readers write them: the month names of
// the language's locale (as the Unicode consortium's CLDR gives them, read
// through ICU) and its own digits where the person asks for them. Digits
// stay Western Arabic (0–9) unless asked: they are what Indian almanacs,
// forms and the other front ends print by default.

#include <array>
#include <string>
#include <string_view>

#include "presentation/BirthLabels.h"
#include "text/Language.h"

namespace velmora {

enum class Digits { Western, Native };

// "western" or "native", as --digits takes them.
inline constexpr std::array<std::string_view, 2> kDigitsNames = {"western", "native"};

// The twelve months' full names in the language's locale, January first;
// English: the program's own (EnglishMonthNames()).
MonthNames MonthNamesOf(Language language);

// The ten digits 0 … 9 in the language's native numbering system (Hindi:
// Devanagari ०…९, Tamil ௦…௯, Telugu ౦…౯, Kannada ೦…೯); English: "0" … "9".
std::array<std::string, 10> NativeDigitsOf(Language language);

// The text with its digits 0–9 written in the language's native digits;
// as it is for Western digits or English. The escape sequences of a
// terminal's colours ("\x1b[1m") keep their digits, and so do the numbers
// that are part of a Latin name or ordinal: "D10", "A2", "2nd".
std::string WithDigits(std::string_view text, Language language, Digits digits);

}  // namespace velmora
