#pragma once
// The chart's terms in each language Velmora speaks: the twelve signs, the
// nine grahas and the ascendant, the 27 nakshatras, the tithis, yogas,
// karanas and weekdays of the panchanga, the eight kootas, the dasha systems,
// the sixteen vargas and the classes the kootas compare. English is the program's own texts, byte for byte
// (the same tables the rest of the program writes from); each other
// language has one table file (GlossaryHindi.cpp …) whose comments cite the
// published list each term comes from, as docs/glossary.md does.
//
// A front end asks for the glossary of the language chosen and takes every
// term from it; a term is never translated anywhere else.

#include <array>
#include <string>
#include <string_view>

#include "analysis/GunaMilan.h"
#include "analysis/Nakshatra.h"
#include "analysis/PanchangaNames.h"
#include "analysis/Varga.h"
#include "birth/DashaChoice.h"
#include "engine/NameTables.h"
#include "text/Language.h"

namespace velmora {

struct Glossary {
    Language language = Language::English;
    // By sign index 0 Aries … 11 Pisces: the name, and the short form a
    // narrow chart cell and the position texts write ("Ari").
    std::array<std::string_view, kSignCount> signs;
    std::array<std::string_view, kSignCount> signShort;
    // By body number 0 Sun … 9 ascendant: the name as a chart cell and the
    // position table write it ("Asc"), as a sentence says it ("Ascendant"),
    // and the short form of a narrow cell ("As").
    std::array<std::string_view, kBodyCount> points;
    std::array<std::string_view, kBodyCount> pointNames;
    std::array<std::string_view, kBodyCount> pointShort;
    // The letter of the retrograde mark: "R" ("Mercury (R)"); the
    // languages take the first letter of their word for it (vakri).
    std::string_view retrograde;
    std::array<std::string_view, kNakshatraCount> nakshatras;
    // The fifteen tithis of a fortnight (the last the full Moon) and the new Moon.
    std::array<std::string_view, 15> tithis;
    std::string_view newMoon;
    std::array<std::string_view, 2> pakshas;  // the bright and the dark fortnight
    std::array<std::string_view, kYogaCount> yogas;
    std::array<std::string_view, 7> movingKaranas;
    std::array<std::string_view, 4> fixedKaranas;  // Kimstughna, Shakuni, Chatushpada, Naga
    std::array<std::string_view, 7> weekdays;      // from Sunday
    std::array<std::string_view, kKootaCount> kootas;
    std::array<std::string_view, kDashaSystemCount> dashaSystems;
    std::array<std::string_view, kVargaCount> vargas;  // D1, D2, D3, D4, D7 … D60, as Varga.cpp lists them
    // The marriage match's reasons: the classes the kootas compare, in the
    // order of analysis/GunaMilan.h's tables (kVarnaNames …).
    std::array<std::string_view, kVarnaNames.size()> varnas;
    std::array<std::string_view, kVashyaNames.size()> vashyas;
    std::array<std::string_view, kYoniNames.size()> yonis;
    std::array<std::string_view, kGanaNames.size()> ganas;
    std::array<std::string_view, kNadiNames.size()> nadis;
    std::array<std::string_view, kTaraNames.size()> taras;
};

const Glossary& GlossaryOf(Language language);

// The terms by number, as the panchanga counts them.
std::string_view TithiName(const Glossary& glossary, int tithi);    // 1 … 30
std::string_view PakshaName(const Glossary& glossary, int tithi);   // 1 … 30
std::string_view KaranaName(const Glossary& glossary, int karana);  // 1 … 60

// "Mercury (R) " in English, as BodyLabel writes it; "बुध (व)" in Hindi.
std::string BodyLabel(const Glossary& glossary, int body, bool retrograde);
// "Me(R)" in English, as BodyShortLabel writes it; "बु(व)" in Hindi.
std::string BodyShortLabel(const Glossary& glossary, int body, bool retrograde);

// The caption of a body's row in the position table: "Surya/Sun" …
// "Asc/Lagna" in English, as the result form has always written them; the
// body's name as a sentence says it in another language.
std::string_view PositionRowCaption(const Glossary& glossary, int body);

// An engine position text ("16 Sag 31", "16° 31' 32\" Sag") with its sign
// written in the glossary's short form; English: the text as it is.
std::string WithSignShort(const Glossary& glossary, std::string text);

}  // namespace velmora
