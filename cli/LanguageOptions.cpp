#include "cli/LanguageOptions.h"

#include "text/Quoted.h"

namespace velmora::cli {

std::string ReadLanguageOptions(const CliOptions& o, Language& language, Digits& digits) {
    language = Language::English;
    digits = Digits::Western;
    if (o.lang) {
        const std::optional<Language> chosen = LanguageOfCode(*o.lang);
        if (!chosen)
            return "--lang: " + Quoted(*o.lang) + " is not a language velmora-cli writes; give one of " +
                   LanguageCodeList();
        language = *chosen;
    }
    if (!o.digits || *o.digits == kDigitsNames[0]) return {};
    if (*o.digits != kDigitsNames[1])
        return "--digits: give western (0-9) or native (the language's own), got " + Quoted(*o.digits);
    if (language == Language::English)
        return "--digits native: English has no other digits; give --lang hi, ta, te or kn with it";
    // An ICU without the language's numbering system would write 0-9 as
    // if they were the language's own.
    if (NativeDigitsOf(language)[0] == "0")
        return "--digits native: this system's ICU has no digits of " + std::string(InfoOf(language).englishName) +
               "; leave --digits out for 0-9";
    digits = Digits::Native;
    return {};
}

std::string ReadTextLanguageOptions(const CliOptions& o, Language& language, Digits& digits) {
    if (std::string refusal = ReadLanguageOptions(o, language, digits); !refusal.empty()) return refusal;
    if (o.json && o.digits) return "--digits writes the text's digits; JSON's numbers stay 0-9: leave it out or --json";
    return {};
}

}  // namespace velmora::cli
