// The atlas search. Expected places, coordinates and zones are those of the
// GeoNames gazetteer (geonames.org/ID, the record of that id as GeoNames
// published it in its cities500 file of 5 March 2023) and the IANA zone ids
// it gives; a place's coordinates are checked to about a kilometre unless
// said otherwise.

#include "atlas/Atlas.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "atlas/AtlasAliases.h"
#include "atlas/TextFold.h"
#include "birth/ZoneHistory.h"

namespace velmora {
namespace {

TEST(TextFold, CaseAccentsAndPunctuationAside) {
    const std::pair<const char*, const char*> cases[] = {
        {"São Paulo", "saopaulo"}, {"sao-paulo", "saopaulo"}, {"Zürich", "zurich"}, {"ZURICH", "zurich"},
        {"Saint-Étienne", "saintetienne"}, {"Kraków", "krakow"}, {"Łódź", "lodz"}, {"Straße", "strasse"},
        {"Ærøskøbing", "aeroskobing"}, {"Rāwatsār", "rawatsar"}, {"Hà Nội", "hanoi"}, {"Việt Trì", "viettri"},
        {"N’Djamena", "ndjamena"}, {"  ", ""}, {"İzmir", "izmir"}, {"Den Haag", "denhaag"},
        {"मुंबई", "मुंबई"}, {"சென்னை", "சென்னை"},  // other scripts as written
    };
    for (const auto& [text, key] : cases) EXPECT_EQ(FoldForSearch(text), key) << text;
}

TEST(Atlas, HoldsTheGeoNamesCities) {
    // GeoNames' cities500 file of 5 March 2023 has 141,049 lines of 1,000
    // people or more or a division's seat down to the third level (PPLA,
    // PPLA2, PPLA3, PPLC), counted with awk on the file; and Srirangam.
    EXPECT_EQ(Atlas::Size(), 141049u + 1u);
}

struct FindCase {
    const char* query;
    const char* name;
    const char* country;
    const char* zone;
    double latitude, longitude;
};

// The places a query finds, the first of them checked against `c`, its
// coordinates to within `degrees`.
std::vector<AtlasEntry> ExpectFoundFirst(const FindCase& c, double degrees) {
    const auto found = Atlas::Search(c.query, 5);
    if (found.empty()) {
        ADD_FAILURE() << "nothing found";
        return found;
    }
    EXPECT_EQ(found[0].Name, c.name);
    EXPECT_EQ(found[0].Country, c.country);
    EXPECT_EQ(found[0].TimeZone, c.zone);
    EXPECT_NEAR(found[0].Latitude, c.latitude, degrees);
    EXPECT_NEAR(found[0].Longitude, c.longitude, degrees);
    return found;
}

// Country names are ISO 3166's (Debian's iso-codes), the common one where it
// has one.
TEST(Atlas, FindsByTheFirstLettersMostPopulousFirst) {
    const FindCase cases[] = {
        {"sao paulo", "São Paulo", "Brazil", "America/Sao_Paulo", -23.547, -46.636},          // 3448439
        {"zurich", "Zürich", "Switzerland", "Europe/Zurich", 47.367, 8.550},                  // 2657896
        {"Zürich", "Zürich", "Switzerland", "Europe/Zurich", 47.367, 8.550},
        {"kolk", "Kolkata", "India", "Asia/Kolkata", 22.563, 88.363},                         // 1275004
        {"Springfield, Illinois", "Springfield", "United States", "America/Chicago", 39.802, -89.644},  // 4250542
        {"springfield, mass", "Springfield", "United States", "America/New_York", 42.101, -72.590},    // 4951788
        {"london", "London", "United Kingdom", "Europe/London", 51.509, -0.126},              // 2643743
        {"London, Canada", "London", "Canada", "America/Toronto", 42.984, -81.233},          // 6058560
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.query);
        const auto found = ExpectFoundFirst(c, 0.02);
        // After the first, the places these find by their own names come most
        // populous first (an alternate name ranks by a tenth of it).
        std::vector<std::uint32_t> populations;
        for (std::size_t i = 1; i < found.size(); ++i)
            if (found[i].MatchedAlias.empty()) populations.push_back(found[i].Population);
        for (std::size_t i = 1; i < populations.size(); ++i) EXPECT_GE(populations[i - 1], populations[i]);
    }
    EXPECT_TRUE(Atlas::Search("xqzv").empty());
    EXPECT_TRUE(Atlas::Search("").empty());
    EXPECT_TRUE(Atlas::Search(", India").empty());
    EXPECT_EQ(Atlas::Search("s", 7).size(), 7u);
}

// National capitals by their names old and new (Singapore, Nouakchott and Sri
// Jayawardenepura Kotte were missing from older GeoNames extracts).
// Coordinates: the places' Wikipedia articles, to the minute.
TEST(Atlas, CapitalsByTheirNamesOldAndNew) {
    const FindCase cases[] = {
        {"singapore", "Singapore", "Singapore", "Asia/Singapore", 1 + 17 / 60.0, 103 + 50 / 60.0},
        {"Nouakchott", "Nouakchott", "Mauritania", "Africa/Nouakchott", 18 + 5 / 60.0, -(15 + 58 / 60.0)},
        // GeoNames writes it Jayewardenepura, and Jayawardenepura among its names.
        {"Sri Jayawardenepura", "Sri Jayewardenepura Kotte", "Sri Lanka", "Asia/Colombo", 6 + 54 / 60.0,
         79 + 54 / 60.0},
        {"Kiev", "Kyiv", "Ukraine", "Europe/Kyiv", 50 + 27 / 60.0, 30 + 31 / 60.0},
        {"Astana", "Astana", "Kazakhstan", "Asia/Almaty", 51 + 10 / 60.0, 71 + 26 / 60.0},
        {"Nur-Sultan", "Astana", "Kazakhstan", "Asia/Almaty", 51 + 10 / 60.0, 71 + 26 / 60.0},
        {"Naypyidaw", "Nay Pyi Taw", "Myanmar", "Asia/Yangon", 19 + 45 / 60.0, 96 + 6 / 60.0},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.query);
        ExpectFoundFirst(c, 0.05);
    }
}

// The names people type for these cities, in Latin letters and their own
// scripts, find them first. Coordinates to 10⁻⁵°, as GeoNames gives them.
TEST(Atlas, FindsCitiesByTheNamesPeopleUse) {
    const struct {
        const char* query;
        long geonameId;
        FindCase place;
    } cases[] = {
        {"Wien", 2761369, {"", "Vienna", "Austria", "Europe/Vienna", 48.20849, 16.37208}},
        {"München", 2867714, {"", "Munich", "Germany", "Europe/Berlin", 48.13743, 11.57549}},
        {"Muenchen", 2867714, {"", "Munich", "Germany", "Europe/Berlin", 48.13743, 11.57549}},
        {"Köln", 2886242, {"", "Köln", "Germany", "Europe/Berlin", 50.93333, 6.95}},
        {"Cologne", 2886242, {"", "Köln", "Germany", "Europe/Berlin", 50.93333, 6.95}},
        {"Firenze", 3176959, {"", "Florence", "Italy", "Europe/Rome", 43.77925, 11.24626}},
        {"Den Haag", 2747373, {"", "The Hague", "Netherlands", "Europe/Amsterdam", 52.07667, 4.29861}},
        {"'s-Gravenhage", 2747373, {"", "The Hague", "Netherlands", "Europe/Amsterdam", 52.07667, 4.29861}},
        {"Puttaparthi", 6621344, {"", "Puttaparthi", "India", "Asia/Kolkata", 14.1652, 77.8117}},
        {"Puttaparti", 6621344, {"", "Puttaparthi", "India", "Asia/Kolkata", 14.1652, 77.8117}},
        {"Sringeri", 1255633, {"", "Sringeri", "India", "Asia/Kolkata", 13.41698, 75.25271}},
        {"Shringeri", 1255633, {"", "Sringeri", "India", "Asia/Kolkata", 13.41698, 75.25271}},
        {"मुंबई", 1275339, {"", "Mumbai", "India", "Asia/Kolkata", 19.07283, 72.88261}},
        {"Bombay", 1275339, {"", "Mumbai", "India", "Asia/Kolkata", 19.07283, 72.88261}},
        {"சென்னை", 1264527, {"", "Chennai", "India", "Asia/Kolkata", 13.08784, 80.27847}},
        {"Madras", 1264527, {"", "Chennai", "India", "Asia/Kolkata", 13.08784, 80.27847}},
        {"ಶೃಂಗೇರಿ", 1255633, {"", "Sringeri", "India", "Asia/Kolkata", 13.41698, 75.25271}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.query) + ", geonames.org/" + std::to_string(c.geonameId));
        FindCase expected = c.place;
        expected.query = c.query;
        ExpectFoundFirst(expected, 1e-5);
    }
}

// Srirangam, now a part of Tiruchirappalli, is no place of its own in
// GeoNames' cities; the atlas adds it: 10°52′ N 78°41′ E (its Wikipedia
// article; the Census of India 2001).
TEST(Atlas, AddsTheTownsGeoNamesCountsAsParts) {
    const FindCase srirangam{"Srirangam", "Srirangam", "India", "Asia/Kolkata", 10 + 52 / 60.0, 78 + 41 / 60.0};
    const auto found = ExpectFoundFirst(srirangam, 0.01);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0].State, "Tamil Nadu");
}

// A whole name and a capital come before a name only begun, then places by
// population, a name of another language or spelling counting as a tenth of
// it. Populations as GeoNames gives them: Vienna 1,691,468 (2761369), Wiener
// Neustadt 44,820 (2761524); Berlin 3,426,354 (2950159), Bern 121,631
// (2661552), Bergen 285,911 (3161732); Muscat 797,000 (287286), Mumbai
// 12,691,836 (1275339), Moscow 10,381,222 (524901), found by "Muskav".
TEST(Atlas, WholeNamesAndCapitalsFirst) {
    const struct {
        const char* query;
        std::vector<const char*> order;  // these, in this order (others may come between)
    } cases[] = {
        {"Wien", {"Vienna", "Wiener Neustadt"}},
        {"Ber", {"Berlin", "Bern", "Bergen"}},
        {"Mu", {"Muscat", "Mumbai", "Moscow"}},
        {"Delhi", {"Delhi", "Dili"}},  // Dili, Timor-Leste, is also written Delhi
        {"Paris", {"Paris", "Parys"}}, // Parys, South Africa, is also written Paris
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        const auto found = Atlas::Search(c.query, 25);
        std::size_t at = 0;
        for (const char* name : c.order) {
            while (at < found.size() && found[at].Name != name) ++at;
            EXPECT_LT(at, found.size()) << name << " missing or out of order";
        }
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found[0].Name, c.order.front());
    }
}

// A place's state is its first-level division as GeoNames gives it now, also
// where a country renumbered its divisions after the place's record was
// written (Vietnam merged its provinces in 2025, Norway its counties in 2020
// and split them in 2024).
TEST(Atlas, StatesAsGeoNamesGivesThemNow) {
    const struct {
        const char* query;
        const char* name;
        const char* state;
    } cases[] = {
        {"Ho Chi Minh City", "Ho Chi Minh City", "Ho Chi Minh City (HCMC)"},  // 1566083
        {"Hanoi", "Hanoi", "Hanoi"},                                          // 1581130
        {"Tromsø", "Tromsø", "Troms"},                                        // 3133895
        {"Drammen", "Drammen", "Buskerud"},                                   // 3159016
        {"Puttaparthi", "Puttaparthi", "Andhra Pradesh"},                     // 6621344
        {"München", "Munich", "Bavaria"},                                     // 2867714
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        const auto found = Atlas::Search(c.query, 1);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].Name, c.name);
        EXPECT_EQ(found[0].State, c.state);
    }
}

// Every zone the atlas gives a place is one the system's time-zone database
// knows: a place whose zone it lacked could be picked but not charted.
TEST(Atlas, EveryZoneIsInTheTimeZoneDatabase) {
    std::set<std::string_view> zones;
    for (std::size_t i = 0; i < Atlas::Size(); ++i) zones.insert(Atlas::Place(i).TimeZone);
    EXPECT_GT(zones.size(), 300u);
    for (std::string_view zone : zones) {
        const ZoneLookup lookup = LookUpZone(zone, LocalClock{2000, 1, 3, 12, 0, 0});
        EXPECT_TRUE(lookup.Found) << zone << ": " << lookup.Message;
    }
}

TEST(Atlas, FormerAndEnglishNamesLeadToTheirPlaces) {
    for (const AtlasAlias& alias : AtlasAliases()) {
        SCOPED_TRACE(alias.Alias);
        const auto found = Atlas::Search(alias.Alias, 30);
        const auto hit = std::find_if(found.begin(), found.end(), [&](const AtlasEntry& e) {
            return e.Name == alias.Name && e.CountryCode == alias.CountryCode;
        });
        EXPECT_NE(hit, found.end()) << "no " << alias.Name << " in the atlas";
    }
    const auto bombay = Atlas::Search("bombay");
    ASSERT_FALSE(bombay.empty());
    EXPECT_EQ(bombay[0].Name, "Mumbai");
    EXPECT_EQ(bombay[0].MatchedAlias, "Bombay");
}

TEST(Atlas, ResolvesOnlyWhatIsClear) {
    AtlasEntry place;
    std::vector<AtlasEntry> candidates;
    EXPECT_TRUE(Atlas::Resolve("Kolkata", place, candidates));
    EXPECT_EQ(place.Name, "Kolkata");
    EXPECT_TRUE(Atlas::Resolve("Paris", place, candidates));  // Paris, France, over Paris, Texas
    EXPECT_EQ(place.CountryCode, "FR");
    EXPECT_TRUE(Atlas::Resolve("Calcutta", place, candidates));
    EXPECT_EQ(place.Name, "Kolkata");
    EXPECT_FALSE(Atlas::Resolve("Springfield", place, candidates));
    EXPECT_GE(candidates.size(), 3u);
    EXPECT_TRUE(Atlas::Resolve("Springfield, Illinois", place, candidates));
    EXPECT_EQ(place.State, "Illinois");
    EXPECT_FALSE(Atlas::Resolve("Nowhereville", place, candidates));
    EXPECT_TRUE(candidates.empty());
    EXPECT_EQ(Atlas::DisplayName(Atlas::Search("kolkata")[0]), "Kolkata, West Bengal, India");
    EXPECT_TRUE(Atlas::Resolve("Wien", place, candidates));  // Vienna, over Wien, Wisconsin
    EXPECT_EQ(place.Name, "Vienna");
    EXPECT_EQ(place.MatchedAlias, "Wien");
}

}  // namespace
}  // namespace velmora
