#include "presentation/Phrases.h"

#include "analysis/Ordinal.h"

namespace velmora {

// Each language's table, defined in its own file.
extern const PhraseTable kHindiPhrases;
extern const PhraseTable kTamilPhrases;
extern const PhraseTable kTeluguPhrases;
extern const PhraseTable kKannadaPhrases;

const PhraseTable& PhrasesOf(Language language) {
    switch (language) {
        case Language::Tamil: return kTamilPhrases;
        case Language::Telugu: return kTeluguPhrases;
        case Language::Kannada: return kKannadaPhrases;
        case Language::Hindi:
        case Language::English: break;
    }
    return kHindiPhrases;
}

std::string_view Say(Language language, PhraseKey key) {
    if (language == Language::English) {
        const std::string_view english = kPhraseEnglish[key.Index()];
        return english.substr(0, english.find('|'));
    }
    return PhrasesOf(language)[key.Index()].text;
}

std::string Say(Language language, PhraseKey key, std::initializer_list<std::string_view> fill) {
    return FillPhrase(Say(language, key), fill);
}

std::string_view SayIfPhrase(Language language, std::string_view english) {
    if (language == Language::English) return english;
    for (const PhraseRow& row : PhrasesOf(language))
        if (row.english == english) return row.text;
    return english;
}

std::string FillPhrase(std::string_view pattern, std::initializer_list<std::string_view> fill) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && number < fill.size()) {
            text += fill.begin()[number];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string OrdinalFill(int n, Language language) {
    return language == Language::English ? EnglishOrdinal(n) : std::to_string(n);
}

}  // namespace velmora
