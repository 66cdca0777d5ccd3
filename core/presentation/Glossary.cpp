#include "presentation/Glossary.h"

#include "presentation/ChartLabels.h"
#include "presentation/ChartStyle.h"

namespace velmora {

// Each language's table, defined in its own file.
extern const Glossary kHindiGlossary;
extern const Glossary kTamilGlossary;
extern const Glossary kTeluguGlossary;
extern const Glossary kKannadaGlossary;

namespace {

// The program's own English texts: the tables the rest of the program
// writes from, so that English stays what it always was.
const Glossary kEnglishGlossary = {
    Language::English,
    kSignEnglishNames,
    kSignNames,
    kPlainBodyNames,
    kPointNames,
    kBodyAbbreviations,
    "R",
    kNakshatraNames,
    kTithiNames,
    kNewMoonTithi,
    {"Shukla", "Krishna"},
    kYogaNames,
    kMovingKaranas,
    kFixedKaranas,
    kVaraNames,
    kKootaNames,
    {"Vimshottari", "Yogini", "Ashtottari", "Chara", "Narayana"},
    {"Rasi", "Hora", "Drekkana", "Chaturthamsa", "Saptamsa", "Navamsa", "Dasamsa", "Dwadasamsa", "Shodasamsa",
     "Vimsamsa", "Chaturvimsamsa", "Saptavimsamsa", "Trimsamsa", "Khavedamsa", "Akshavedamsa", "Shashtiamsa"},
    // The marriage match's reasons
    kVarnaNames,
    kVashyaNames,
    kYoniNames,
    kGanaNames,
    kNadiNames,
    kTaraNames,
};

}  // namespace

const Glossary& GlossaryOf(Language language) {
    switch (language) {
        case Language::Hindi: return kHindiGlossary;
        case Language::Tamil: return kTamilGlossary;
        case Language::Telugu: return kTeluguGlossary;
        case Language::Kannada: return kKannadaGlossary;
        case Language::English: break;
    }
    return kEnglishGlossary;
}

std::string_view TithiName(const Glossary& glossary, int tithi) {
    if (tithi == kTithiCount) return glossary.newMoon;
    return glossary.tithis[static_cast<std::size_t>((tithi - 1) % 15)];
}

std::string_view PakshaName(const Glossary& glossary, int tithi) { return glossary.pakshas[tithi <= 15 ? 0 : 1]; }

std::string_view KaranaName(const Glossary& glossary, int karana) {
    if (karana == 1) return glossary.fixedKaranas[0];
    if (karana >= 58) return glossary.fixedKaranas[static_cast<std::size_t>(karana - 57)];
    return glossary.movingKaranas[static_cast<std::size_t>((karana - 2) % 7)];
}

std::string BodyLabel(const Glossary& glossary, int body, bool retrograde) {
    if (glossary.language == Language::English) return BodyLabel(body, retrograde);
    std::string label(glossary.points[static_cast<std::size_t>(body)]);
    if (retrograde) label.append(" (").append(glossary.retrograde).append(")");
    return label;
}

std::string BodyShortLabel(const Glossary& glossary, int body, bool retrograde) {
    if (glossary.language == Language::English) return BodyShortLabel(body, retrograde);
    std::string label(glossary.pointShort[static_cast<std::size_t>(body)]);
    if (retrograde) label.append("(").append(glossary.retrograde).append(")");
    return label;
}

std::string_view PositionRowCaption(const Glossary& glossary, int body) {
    return glossary.language == Language::English ? PositionCaption(body)
                                                  : glossary.pointNames[static_cast<std::size_t>(body)];
}

std::string WithSignShort(const Glossary& glossary, std::string text) {
    if (glossary.language == Language::English) return text;
    for (int sign = 0; sign < kSignCount; ++sign) {
        const std::string_view english = kSignNames[static_cast<std::size_t>(sign)];
        if (const std::size_t at = text.find(english); at != std::string::npos) {
            text.replace(at, english.size(), glossary.signShort[static_cast<std::size_t>(sign)]);
            break;
        }
    }
    return text;
}

}  // namespace velmora
