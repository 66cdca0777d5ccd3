#include "presentation/YogaNames.h"

#include "analysis/Doshas.h"

namespace velmora {

// Each language's table, defined in its own file.
extern const YogaNameTable kHindiYogaNames;
extern const YogaNameTable kTamilYogaNames;
extern const YogaNameTable kTeluguYogaNames;
extern const YogaNameTable kKannadaYogaNames;

const YogaNameTable& YogaNamesOf(Language language) {
    switch (language) {
        case Language::Tamil: return kTamilYogaNames;
        case Language::Telugu: return kTeluguYogaNames;
        case Language::Kannada: return kKannadaYogaNames;
        case Language::Hindi:
        case Language::English: break;
    }
    return kHindiYogaNames;
}

std::string_view YogaName(const YogaRule& rule, Language language) {
    if (language == Language::English) return rule.name;
    for (const YogaNameRow& row : YogaNamesOf(language).yogas)
        if (row.id == rule.id) return row.name;
    return rule.name;  // a yoga without its row: the tests name it
}

std::string_view YogaFamilyName(YogaFamily family, Language language) {
    if (language == Language::English) return YogaFamilyName(family);
    return YogaNamesOf(language).families[static_cast<std::size_t>(family)];
}

std::string_view KalaSarpaKindName(int rahuHouse, Language language) {
    const auto kind = static_cast<std::size_t>(((rahuHouse - 1) % 12 + 12) % 12);
    return language == Language::English ? kKalaSarpaKinds[kind] : YogaNamesOf(language).kalaSarpaKinds[kind];
}

}  // namespace velmora
