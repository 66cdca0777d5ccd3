#include "presentation/LocalFormat.h"

#include <memory>

#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/numsys.h>
#include <unicode/unistr.h>

namespace velmora {

namespace {

std::string Utf8Of(const icu::UnicodeString& text) {
    std::string out;
    text.toUTF8String(out);
    return out;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

icu::Locale LocaleOf(Language language, const char* keywords = "") {
    return icu::Locale::createFromName((std::string(InfoOf(language).locale) + keywords).c_str());
}

}  // namespace

MonthNames MonthNamesOf(Language language) {
    if (language == Language::English) return EnglishMonthNames();
    UErrorCode status = U_ZERO_ERROR;
    const icu::DateFormatSymbols symbols(LocaleOf(language), status);
    int32_t count = 0;
    const icu::UnicodeString* months =
        symbols.getMonths(count, icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::WIDE);
    // Without the locale's data (an ICU built without it) the dates keep
    // the English names rather than showing none.
    if (U_FAILURE(status) || months == nullptr || count < 12) return EnglishMonthNames();
    MonthNames names;
    for (std::size_t m = 0; m < names.size(); ++m) names[m] = Utf8Of(months[m]);
    return names;
}

std::array<std::string, 10> NativeDigitsOf(Language language) {
    std::array<std::string, 10> digits;
    for (std::size_t d = 0; d < digits.size(); ++d) digits[d] = std::string(1, static_cast<char>('0' + d));
    if (language == Language::English) return digits;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::NumberingSystem> system(
        icu::NumberingSystem::createInstance(LocaleOf(language, "@numbers=native"), status));
    if (U_FAILURE(status) || !system || system->isAlgorithmic() || system->getRadix() != 10) return digits;
    const icu::UnicodeString description = system->getDescription();
    if (description.countChar32() != 10) return digits;
    for (int32_t d = 0, at = 0; d < 10; ++d) {
        const UChar32 c = description.char32At(at);
        digits[static_cast<std::size_t>(d)] = Utf8Of(icu::UnicodeString(c));
        at = description.moveIndex32(at, 1);
    }
    return digits;
}

std::string WithDigits(std::string_view text, Language language, Digits choice) {
    if (choice == Digits::Western || language == Language::English) return std::string(text);
    const std::array<std::string, 10> digits = NativeDigitsOf(language);
    std::string out;
    out.reserve(text.size() * 2);
    std::size_t escapeEnd = std::string_view::npos;  // the last escape sequence's final letter
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\x1b' && i + 1 < text.size() && text[i + 1] == '[') {
            // A colour's escape sequence, up to its final letter, as it is.
            std::size_t end = i + 2;
            while (end < text.size() && !(text[end] >= '@' && text[end] <= '~')) ++end;
            out.append(text.substr(i, end + 1 - i));
            i = escapeEnd = end;
        } else if (IsDigit(c)) {
            // A run of digits: an identifier's ("D10", "A2") and an
            // ordinal's ("2nd") stay as they are, written in Latin letters.
            std::size_t end = i;
            while (end < text.size() && IsDigit(text[end])) ++end;
            const bool afterLetter = i > 0 && i - 1 != escapeEnd && IsLetter(text[i - 1]) &&
                                     !(text[i - 1] == 'T' && i > 1 && IsDigit(text[i - 2]));  // "…-09T12:00"
            const std::string_view next = text.substr(end, 2);
            const bool ordinal = next == "st" || next == "nd" || next == "rd" || next == "th";
            for (; i < end; ++i)
                out += afterLetter || ordinal ? std::string(1, text[i]) : digits[static_cast<std::size_t>(text[i] - '0')];
            --i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace velmora
