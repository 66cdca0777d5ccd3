// The atlas search. Expected places, coordinates and zones are those of the
// GeoNames gazetteer (geonames.org, cities15000) and the IANA zone ids it
// gives; a place's coordinates are checked to about a kilometre.

#include "atlas/Atlas.h"

#include <gtest/gtest.h>

#include "atlas/AtlasAliases.h"
#include "atlas/TextFold.h"

namespace velmora {
namespace {

TEST(TextFold, CaseAccentsAndPunctuationAside) {
    const std::pair<const char*, const char*> cases[] = {
        {"São Paulo", "saopaulo"}, {"sao-paulo", "saopaulo"}, {"Zürich", "zurich"}, {"ZURICH", "zurich"},
        {"Saint-Étienne", "saintetienne"}, {"Kraków", "krakow"}, {"Łódź", "lodz"}, {"Straße", "strasse"},
        {"Ærøskøbing", "aeroskobing"}, {"Rāwatsār", "rawatsar"}, {"Hà Nội", "hanoi"}, {"Việt Trì", "viettri"},
        {"N’Djamena", "ndjamena"}, {"  ", ""}, {"İzmir", "izmir"},
    };
    for (const auto& [text, key] : cases) EXPECT_EQ(FoldForSearch(text), key) << text;
}

TEST(Atlas, HoldsTheGeoNamesCities) {
    // libgeonames 0.3: cities of 15,000 people and more, and three capitals it lacks.
    EXPECT_EQ(Atlas::Size(), 24361u + 3u);
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

TEST(Atlas, FindsByTheFirstLettersMostPopulousFirst) {
    const FindCase cases[] = {
        {"sao paulo", "São Paulo", "Brazil", "America/Sao_Paulo", -23.547, -46.636},
        {"zurich", "Zurich", "Switzerland", "Europe/Zurich", 47.367, 8.550},
        {"Zürich", "Zurich", "Switzerland", "Europe/Zurich", 47.367, 8.550},
        {"kolk", "Kolkata", "India", "Asia/Kolkata", 22.563, 88.363},
        {"Springfield, Illinois", "Springfield", "United States of America", "America/Chicago", 39.802, -89.644},
        {"springfield, mass", "Springfield", "United States of America", "America/New_York", 42.101, -72.590},
        {"london", "London", "United Kingdom", "Europe/London", 51.509, -0.126},
        {"London, Canada", "London", "Canada", "America/Toronto", 42.984, -81.233},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.query);
        const auto found = ExpectFoundFirst(c, 0.02);
        for (std::size_t i = 1; i < found.size(); ++i) EXPECT_GE(found[i - 1].Population, found[i].Population);
    }
    EXPECT_TRUE(Atlas::Search("xqzv").empty());
    EXPECT_TRUE(Atlas::Search("").empty());
    EXPECT_TRUE(Atlas::Search(", India").empty());
    EXPECT_EQ(Atlas::Search("s", 7).size(), 7u);
}

// National capitals of more than 100,000 people that the GeoNames data lacks
// (Singapore, Nouakchott, Sri Jayawardenepura Kotte), and capitals it knows by
// another name. Coordinates: the places' Wikipedia articles, to the minute.
TEST(Atlas, CapitalsTheGeoNamesDataLacks) {
    const FindCase cases[] = {
        {"singapore", "Singapore", "Singapore", "Asia/Singapore", 1 + 17 / 60.0, 103 + 50 / 60.0},
        {"Nouakchott", "Nouakchott", "Mauritania", "Africa/Nouakchott", 18 + 5 / 60.0, -(15 + 58 / 60.0)},
        {"Sri Jayawardenepura", "Sri Jayawardenepura Kotte", "Sri Lanka", "Asia/Colombo", 6 + 54 / 60.0,
         79 + 54 / 60.0},
        {"Kiev", "Kyiv", "Ukraine", "Europe/Kiev", 50 + 27 / 60.0, 30 + 31 / 60.0},
        {"Astana", "Nur-Sultan", "Kazakhstan", "Asia/Almaty", 51 + 10 / 60.0, 71 + 26 / 60.0},
        {"Naypyidaw", "Nay Pyi Taw", "Myanmar", "Asia/Yangon", 19 + 45 / 60.0, 96 + 6 / 60.0},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.query);
        ExpectFoundFirst(c, 0.05);
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
    EXPECT_EQ(Atlas::DisplayName(Atlas::Search("kolkata")[0]), "Kolkata, State of West Bengal, India");
}

}  // namespace
}  // namespace velmora
