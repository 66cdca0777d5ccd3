#pragma once
// The headings, column titles and row captions the chart's texts are written
// with (the position text, the panchanga, the dashas, the vargas, the
// ashtakavarga, the strengths, the Jaimini analyses, the yogas, the full
// position table, the birth-time sensitivity), in each language Velmora
// speaks. The chart's terms are not here: they come from the Glossary.
//
// English is the key: a text asks for its phrase by its English words,
// Say(language, "Strengths"), and a phrase the table lacks does not compile.
// Each other language has one table file (PhrasesHindi.cpp …) that pairs
// every English phrase with its translation, in this list's order; the
// compiler checks that every row is there, in order, and translated. No
// native reader has reviewed these translations yet: docs/glossary.md and
// `tools/translations/translations.py review` mark every one unreviewed.
//
// "%1", "%2" … in a phrase stand for what the text fills in (a name, a
// number, a date), in the order the translation needs them. Where one
// English word means two things, the key says which after a "|"
// ("Points|score"); the English text is the words before it.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "text/Language.h"

namespace velmora {

inline constexpr std::string_view kPhraseEnglish[] = {
    // The birth's details
    "Your details",
    "Name",
    "Date of Birth",
    "Time of Birth",
    "Longitude",
    "Latitude",
    "City",
    "State",
    "Country",
    "Place",
    "Time zone",
    "Positions",
    // The positions and the birth chart
    "Vedic Planetary Position",
    "Hora",
    "Beside each point its degrees and minutes in its sign (21:33 is 21° 33′).",
    "House 1 at the top, the houses running counter-clockwise; the numbers are the signs (1 %1 … 12 %2).",
    "House %1 (%2) also holds:",
    // The nakshatras and the dashas
    "Nakshatras",
    "pada",
    "lord",
    "%1 dasha (years of %2 days, dates in the birth's local calendar)",
    "%1 dasha to %2 levels",
    "%1 in %2, pada %3",
    "%1 period",
    "%1 sub-period",
    "%1 years %2 months %3 days",
    "%1 left at birth",
    "Running on %1",
    "(marked >)",
    "No period runs on %1",
    "No period of this cycle runs on %1",
    "Period",
    "From",
    "To",
    "Maha dasha",
    "Antar dasha",
    "Pratyantar dasha",
    "Sookshma dasha",
    "Prana dasha",
    // The bhavas
    "House",
    "Begins at",
    "Points",
    "Bhava chart",
    // The panchanga
    "Panchanga at birth",
    "Weekday (vara)",
    "Tithi",
    "Nakshatra",
    "Yoga",
    "Karana",
    "Sunrise",
    "Sunset",
    "Note",
    "%1 to %2",
    "%1% left at birth",
    "sunrise %1",
    "local midnight %1",
    "none in this day",
    // The transits
    "Transits (T-) over the birth chart",
    "Moment",
    "retrograde",
    "direct",
    "house %1 from the Moon, house %2 from the ascendant",
    "Sade sati",
    "Phase %1",
    "no passage found within 31 years",
    "running, phase %1 %2",
    "not running; the next passage",
    "rising (Saturn in the 12th from the Moon)",
    "peak (Saturn over the Moon's sign)",
    "setting (Saturn in the 2nd from the Moon)",
    "Next sign changes and stations within a year",
    "enters %1 %2",
    "stays in its sign for a year",
    "turns retrograde %1",
    "turns direct %1",
    // What a classic chart cannot show, and the days without a sunrise or sunset
    "Classic positions (the program's own model)",
    "The panchanga needs precise positions: the classic engine computes neither the sunrise nor positions at other moments; choose precise positions",
    "Transits need precise positions: the classic engine computes neither the sunrise nor positions at other moments; choose precise positions",
    "Shadbala and bhava bala need precise positions: kala bala needs the sunrise and sunset, chesta bala the moment in Universal Time, dig and bhava bala the midheaven, which the classic engine does not compute; choose precise positions (the vimsopaka bala is shown)",
    "The birth-time sensitivity needs precise positions: the classic engine takes the birth to the minute and its positions do not follow the time continuously; choose precise positions",
    "the midnight sun",
    "the polar night",
    "The Sun does not rise at this place on %1 (%2); the day begins at local midnight",
    "The Sun neither rises nor sets at this place on %1 (%2); the day begins at local midnight",
    "The Sun does not set at this place in the day begun at the sunrise of %1 (%2)",
    "The Sun does not set at this place in the birth's day (%1); tribhaga bala divides the whole day as daytime and the hours count from the day's start",
    "The Sun does not rise at this place in the birth's day (%1); tribhaga bala divides the whole day as night and the hours count from the day's start",
    // How the chart was computed, and the zone's clock
    "Precise: Swiss Ephemeris",
    "Precise: Swiss Ephemeris (Moshier)",
    "true positions",
    "true node",
    "mean node",
    "%1, daylight saving",
    "%1 on %2 at %3",
    "%1, as the tz database gives it before %2",
    "%1: the local mean time of %2, not of the birth place",
    "%1: a city's mean time, not the birth place's",
    "%1, the earlier of the two (the clocks showed this time twice)",
    "%1, the later of the two (the clocks showed this time twice)",
    // What a screen reader says of a chart's cell
    "%1 retrograde",
    "transiting %1",
    "%1 at %2",
    // The birth-time window cut at the years computed
    "The window begins at %1, %2 min %3 s before the given time: precise positions are computed for the years %4 to %5",
    "The window ends at %1, %2 min %3 s after the given time: precise positions are computed for the years %4 to %5",
    // The dasha years' names
    "365.25 days (Julian)",
    "365.2425 days (Gregorian)",
    "360 days (savana)",
    "365.256364 days (sidereal)",
    // The house systems' names
    "Whole sign",
    "Sripati",
    "Placidus",
    "Equal",
    // The birth time's sensitivity
    "Birth time: what changes within ±%1 minutes",
    "%1 of %2 items keep their value throughout the window.",
    // The strengths
    "Strengths",
    "Shadbala (virupas; 60 make a rupa)",
    "Sthana",
    "Dig",
    "Kala",
    "Chesta",
    "Naisargika",
    "Drik",
    "Total",
    "Rupas",
    "Required rupas",
    "Ishta phala",
    "Kashta phala",
    "Strong enough",
    "yes",
    "no",
    "Sthana and kala bala in parts (virupas)",
    "Uchcha",
    "Saptavargaja",
    "Ojayugma",
    "Kendradi",
    "Drekkana",
    "Nathonnata",
    "Paksha",
    "Tribhaga",
    "Abda",
    "Masa",
    "Vara",
    "Ayana",
    "Yuddha",
    "Bhava bala (virupas)",
    "Middle",
    "Lord's",
    "Drishti",
    "Vimsopaka bala (out of 20)",
    "Shadvarga",
    "Saptavarga",
    "Dasavarga",
    "Shodasavarga",
    // The positions in full
    "Positions in full",
    "Point",
    "Sign",
    "Pada",
    "Lord",
    "Speed",
    "Motion",
    "Dignity",
    "Combust",
    "War",
    "Notes",
    "exalted",
    "moolatrikona",
    "own sign",
    "great friend",
    "friend",
    "neutral",
    "enemy",
    "great enemy",
    "debilitated",
    // Jaimini
    "Jaimini",
    "Chara karakas, eight (Sun to Saturn and Rahu):",
    "Chara karakas, seven (Sun to Saturn):",
    "Karakamsa: %1 (the Navamsa sign of the atmakaraka, %2)",
    "%1 aspects %2, %3 and %4",
    "Rashi drishti (the signs each sign aspects):",
    "Argala on each house (2nd, 4th, 11th and 5th; obstructed from the 12th, 10th, 3rd and 9th):",
    "Arudha padas of every house in every varga:",
    // The yogas and doshas
    "Yogas in %1",
    "Mars dosha",
    "Kala Sarpa",
    "Kemadruma",
    "Doshas",
    "None of the catalogue's yogas.",
    // The ashtakavarga
    "Ashtakavarga (Parashara): bindus by sign, %1's reading",
    "Sarvashtakavarga: each sign's bindus under its name or number",
    "After trikona and ekadhipatya shodhana: bindus by sign",
    "Pindas",
    "Rasi",
    "Graha",
    "Shodhya",
    // The marriage match
    "Marriage match: %1",
    "Bride",
    "Groom",
    "bride",
    "groom",
    "%1 in %2",
    "Koota",
    "Points|score",
    "Max",
    "Why",
    "Nadi dosha",
    "Bhakoot dosha",
    "%1: none.",
    "Mars dosha, %1",
    // Jaimini's karakas and argalas
    "Atmakaraka",
    "Amatyakaraka",
    "Bhratrikaraka",
    "Matrikaraka",
    "Pitrikaraka",
    "Putrakaraka",
    "Gnatikaraka",
    "Darakaraka",
    "House %1:",
    "none",
    "%1 and %2",
    "%1 in the %2, unobstructed",
    "%1 in the %2, obstructed by %3 in the %4: argala prevails",
    "%1 in the %2, obstructed by %3 in the %4: obstructed",
    // The position table's notes
    "combust (%1 from the Sun)",
    "at war with %1, won (%2 apart)",
    "at war with %1, lost (%2 apart)",
    // The bhavas' heading
    "Bhavas: %1 houses",
    "Bhavas: %1 houses (each cusp where its house begins)",
    // The Mars dosha's summaries and reasons
    "Both charts have the Mars dosha: it is balanced.",
    "Only the bride's chart has the Mars dosha.",
    "Only the groom's chart has the Mars dosha.",
    "Neither chart has the Mars dosha.",
    "No Mars dosha.",
    "Mars dosha from %1.",
    "Mars is in the %1 from %2: no dosha.",
    "Mars is in the %1 from %2: dosha.",
    "Mars is in the %1 from %2, but %3: cancelled.",
    "Mars in the %1 in %2 gives no dosha",
    "Mars is with Jupiter",
    "Mars is with the Moon",
    "Venus is in the ascendant",
    "Jupiter is in the ascendant",
    // The sunrise conventions and the strengths' source
    "upper limb with refraction",
    "disc centre without refraction",
    "After Brihat Parashara Hora Shastra ch. 27 as B. V. Raman works it out (Graha and Bhava Balas): houses by whole signs for kendradi bala, the ascendant and midheaven for dig bala, Sripati's house middles for bhava bala, the sunrise by the %1",
    // A sign dasha's reading
    "%1: from %2, the signs forward, the first period from birth in full",
    "%1: from %2, the signs backward, the first period from birth in full",
    "K. N. Rao's reading (Predicting through Jaimini's Chara Dasha)",
    "Sanjay Rath's reading (Narayana Dasa), as P. V. R. Narasimha Rao states it",
    // The yogas, doshas and sensitivity
    "Formed by",
    "Kind",
    "Source",
    "No Kala Sarpa: the planets lie on both sides of the nodes.",
    "Kala Sarpa (%1, Rahu in house %2): the seven planets lie from Rahu onwards to Ketu.",
    "Kala Sarpa (%1, Rahu in house %2): the seven planets lie from Ketu onwards to Rahu.",
    "No Kemadruma: %1 beside the Moon.",
    "Kemadruma: no planet in the 2nd or 12th from the Moon, and nothing cancels it.",
    "Kemadruma cancelled: %1.",
    "%1 with the Moon",
    "%1 in a kendra from the Moon",
    "%1 in a kendra from the ascendant",
    "the Moon in a kendra from the ascendant",
    "%1 is %2",
    "%1 is %2; the given %3 lies %4 from the earlier edge",
    "%1 is %2; the given %3 lies %4 from the later edge",
    "%1 throughout the window, %2 to %3",
    "%1 from %2 to %3",
    "%1 from before %2 to %3",
    "%1 from %2 to after %3",
    "%1 h %2 min %3 s",
    "%1 min %2 s",
    "%1 s",
    "±%1 minutes: %2 to %3 on the zone's clock (UTC%4 at the given time)",
    "Every Vimshottari major and sub-period start moves %1 days earlier for each minute the birth is later",
    "Every Vimshottari major and sub-period start moves %1 days later for each minute the birth is later",
    "%1 lagna",
    "%1 nakshatra",
    "%1 at birth",
    "%1 bhava",
    "Cusp %1",
    "house %1",
    // The marriage match's reasons
    "The bride's Moon in %1 is %2, the groom's in %3 %4: the groom's varna is not below the bride's.",
    "The bride's Moon in %1 is %2, the groom's in %3 %4: the groom's varna is below the bride's.",
    "The bride's Moon is %1, the groom's %2: the same class.",
    "The bride's Moon is %1, the groom's %2: the vashya table gives this pair its points.",
    "From the bride's %1 the groom's %2 is %3; from the groom's, the bride's is %4.",
    "the %1 star, %2 (good)",
    "the %1 star, %2 (bad)",
    "The bride's %1 is %2, the groom's %3 %4: %5.",
    "the same yoni",
    "sworn enemies",
    "enemies",
    "neutral to each other",
    "friends",
    "The lords of the Moons' signs are %1 (%2) and %3 (%4): the same planet.",
    "The lords of the Moons' signs are %1 (%2) and %3 (%4): %5, %6.",
    "%1 counts %2 a friend",
    "%1 counts %2 an enemy",
    "%1 counts %2 neutral",
    "The bride's %1 is of the %2 gana, the groom's %3 of the %4 gana.",
    "Both Moons are in %1: the same sign.",
    "The groom's Moon sign %1 is the %2 from the bride's %3 and hers the %4 from his: a %5/%6 pair.",
    "The groom's Moon sign %1 is the %2 from the bride's %3 and hers the %4 from his: not 2/12, 5/9 or 6/8.",
    "Both Moons are in the %1 nadi.",
    "The bride's Moon is in the %1 nadi, the groom's in the %2 nadi.",
    "Nadi dosha, cancelled: both Moons are in %1 but in different nakshatras.",
    "Nadi dosha, cancelled: both Moons are in %1 but in different signs.",
    "Nadi dosha, cancelled: both Moons are in %1 but in different padas.",
    "Nadi dosha: both Moons are in the %1 nadi, and no exception applies.",
    "Bhakoot dosha, cancelled: the Moon signs' lords are both %1.",
    "Bhakoot dosha, cancelled: the Moon signs' lords %1 and %2 are friends.",
    "Bhakoot dosha, cancelled: the lords of the Moons' Navamsa signs are both %1.",
    "Bhakoot dosha, cancelled: the lords of the Moons' Navamsa signs %1 and %2 are friends.",
    "Bhakoot dosha: the Moon signs are %1/%2 from each other, and neither their lords nor their Navamsa lords are one planet or friends.",
    "North-Indian ashtakoota guna milan (36 points) from the Moons' signs and nakshatras; tables and sources in docs/matching.md",
    // The input form's zone line
    "%1. The zone list has no entry for UTC%2; tick \"Precise positions\" to compute with the exact offset.",
    // Why a zone gives no offset for a clock
    "time zone: no zone is named %1 in the time-zone database (give an id such as Asia/Kolkata or Europe/London)",
    "%1 did not exist in %2: the clocks went from %3 (%4) straight to %5 (%6)",
    "%1 happened twice in %2: first at %3, then at %4; say which (earlier or later)",
    "%1 (daylight saving)",
    // The houses beyond the polar circles
    "Placidus houses cannot be drawn at %1, where some degrees of the ecliptic never rise or set; the houses are equal houses from the ascendant",
};
inline constexpr std::size_t kPhraseCount = std::size(kPhraseEnglish);

consteval bool PhrasesDistinct() {
    for (std::size_t i = 0; i < kPhraseCount; ++i)
        for (std::size_t j = i + 1; j < kPhraseCount; ++j)
            if (kPhraseEnglish[i] == kPhraseEnglish[j]) return false;
    return true;
}
static_assert(PhrasesDistinct(), "every English phrase is listed once");

// A phrase by its English words, found when the program is compiled.
class PhraseKey {
public:
    consteval PhraseKey(const char* english) : index_(IndexOf(english)) {}
    constexpr std::size_t Index() const { return index_; }

private:
    static consteval std::size_t IndexOf(std::string_view english) {
        for (std::size_t i = 0; i < kPhraseCount; ++i)
            if (kPhraseEnglish[i] == english) return i;
        throw "not a phrase of kPhraseEnglish";  // a compile error: the text has no row
    }
    std::size_t index_;
};

// One language's table: each English phrase with its translation.
struct PhraseRow {
    std::string_view english, text;
};
using PhraseTable = std::array<PhraseRow, kPhraseCount>;

// Whether a table pairs every phrase, in the list's order, with a translation.
consteval bool PhraseTableComplete(const PhraseTable& table) {
    for (std::size_t i = 0; i < kPhraseCount; ++i)
        if (table[i].english != kPhraseEnglish[i] || table[i].text.empty()) return false;
    return true;
}

// The table of a language other than English.
const PhraseTable& PhrasesOf(Language language);

// The phrase in the language; English: the key's own words (before any "|").
std::string_view Say(Language language, PhraseKey key);
// The same with "%1", "%2" … filled in: Say(language, "Yogas in %1", {"D9 Navamsa"}).
std::string Say(Language language, PhraseKey key, std::initializer_list<std::string_view> fill);

// A text made elsewhere that may be a phrase (a dignity's name, a scheme's
// name): its translation where the table has it, else the text as it is.
std::string_view SayIfPhrase(Language language, std::string_view english);

// A count as a phrase's "%1" takes it where the phrase says "the %1": "21st"
// in English; elsewhere the bare number, which the phrase gives its
// language's ordinal ending ("%1वें", "%1-ஆம்").
std::string OrdinalFill(int n, Language language);

// "%1", "%2" … of `pattern` replaced by the texts of `fill`; a "%" before
// anything else stays as it is ("%1% left").
std::string FillPhrase(std::string_view pattern, std::initializer_list<std::string_view> fill);

}  // namespace velmora
