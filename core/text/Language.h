#pragma once
// The languages Velmora speaks: one row each, in the order the Language menu
// and `velmora-cli --lang` list them. English is the first and the default;
// every text of the program is written in it first.
//
// A row names the language's code (ISO 639-1, as locales and the translation
// files spell it), its name in English and in itself, the locale its dates
// and numbers follow, and the font family that carries its script (Noto, of
// the Debian package fonts-noto-core; English takes the desktop's font).

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

enum class Language { English, Hindi, Tamil, Telugu, Kannada };
inline constexpr int kLanguageCount = 5;

struct LanguageInfo {
    Language language;
    std::string_view code;         // "hi": --lang, the preferences, velmora_hi.qm
    std::string_view englishName;  // "Hindi"
    std::string_view nativeName;   // "हिन्दी"
    std::string_view locale;       // "hi_IN": month names, native digits
    std::string_view fontFamily;   // "Noto Sans Devanagari"; empty: the desktop's font
};

inline constexpr std::array<LanguageInfo, kLanguageCount> kLanguages = {{
    {Language::English, "en", "English", "English", "en_GB", ""},
    {Language::Hindi, "hi", "Hindi", "हिन्दी", "hi_IN", "Noto Sans Devanagari"},
    {Language::Tamil, "ta", "Tamil", "தமிழ்", "ta_IN", "Noto Sans Tamil"},
    {Language::Telugu, "te", "Telugu", "తెలుగు", "te_IN", "Noto Sans Telugu"},
    {Language::Kannada, "kn", "Kannada", "ಕನ್ನಡ", "kn_IN", "Noto Sans Kannada"},
}};

constexpr bool LanguageRowsInOrder() {
    for (int i = 0; i < kLanguageCount; ++i)
        if (static_cast<int>(kLanguages[static_cast<std::size_t>(i)].language) != i) return false;
    return true;
}
static_assert(LanguageRowsInOrder(), "one row for every language, in the enum's order");
static_assert(kLanguages[0].language == Language::English, "English is the first language, the default");

inline constexpr const LanguageInfo& InfoOf(Language language) {
    return kLanguages[static_cast<std::size_t>(language)];
}

// The language of a code ("ta"), exactly as the table spells it.
inline constexpr std::optional<Language> LanguageOfCode(std::string_view code) {
    for (const LanguageInfo& info : kLanguages)
        if (info.code == code) return info.language;
    return std::nullopt;
}

// The language of a POSIX locale name as LANG and LC_MESSAGES give it
// ("hi_IN.UTF-8", "ta", "te_IN@latin"): its language part, before '_', '.'
// or '@'. English for any language Velmora does not speak, and for "C" and
// "POSIX".
inline constexpr Language LanguageOfLocale(std::string_view locale) {
    const std::size_t end = locale.find_first_of("_.@");
    const std::string_view code = locale.substr(0, end);
    return LanguageOfCode(code).value_or(Language::English);
}

// "en, hi, ta, te or kn": the codes as a refusal lists them.
inline std::string LanguageCodeList() {
    std::string list;
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        if (i > 0) list += i + 1 == kLanguages.size() ? " or " : ", ";
        list += kLanguages[i].code;
    }
    return list;
}

}  // namespace velmora
