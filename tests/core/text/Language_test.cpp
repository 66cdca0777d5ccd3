// The language of the system's locale, and the codes `--lang` and the
// preferences take. Locale names are POSIX's (language[_territory][.codeset]
// [@modifier]); the codes are ISO 639-1 (hi Hindi, ta Tamil, te Telugu, kn
// Kannada; "ka" is Georgian).

#include "text/Language.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Language, TheLocalesLanguage) {
    const struct {
        const char* locale;
        Language language;
    } cases[] = {
        {"hi_IN.UTF-8", Language::Hindi}, {"ta_IN.UTF-8", Language::Tamil}, {"te_IN", Language::Telugu},
        {"kn_IN.utf8@x", Language::Kannada}, {"hi", Language::Hindi},     {"en_US.UTF-8", Language::English},
        {"C", Language::English},           {"POSIX", Language::English}, {"", Language::English},
        {"ka_GE.UTF-8", Language::English},  {"ml_IN.UTF-8", Language::English}, {"hin_IN", Language::English},
    };
    for (const auto& c : cases) EXPECT_EQ(LanguageOfLocale(c.locale), c.language) << c.locale;
}

TEST(Language, CodesAreIso639Part1) {
    const struct {
        const char* code;
        std::optional<Language> language;
    } cases[] = {
        {"en", Language::English}, {"hi", Language::Hindi}, {"ta", Language::Tamil}, {"te", Language::Telugu},
        {"kn", Language::Kannada}, {"ka", std::nullopt},     {"HI", std::nullopt},   {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(LanguageOfCode(c.code), c.language) << c.code;
    EXPECT_EQ(LanguageCodeList(), "en, hi, ta, te or kn");
}

}  // namespace
}  // namespace velmora
