#pragma once
// The birth places Velmora knows without a network: GeoNames' places of 1,000
// people and more, by their names in Latin letters and other scripts (Wien,
// München, मुंबई, சென்னை) and a short list of former and English names,
// searched by the first letters of a name, case, accents and punctuation
// aside, and narrowed by a state or country typed after a comma
// ("Springfield, Illinois"). The table is compiled in; a search builds
// nothing and keeps nothing.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct AtlasEntry {
    std::size_t Index = 0;  // stable within one build of the program
    std::string_view Name, State, Country, CountryCode, TimeZone;  // TimeZone: the IANA id
    double Latitude = 0;   // degrees, north positive
    double Longitude = 0;  // degrees, east positive
    std::uint32_t Population = 0;
    std::string_view MatchedAlias;  // the other name (former, English, another language's) that found it
};

// Decimal degrees as the form's degree and minute boxes hold them: to the
// nearest minute, at most `maxDegrees`° 59′, the hemisphere apart.
struct BoxAngle {
    int Degrees = 0;
    int Minutes = 0;
    bool Negative = false;  // west or south
};
BoxAngle ToBoxAngle(double degrees, int maxDegrees);

class Atlas {
public:
    static std::size_t Size();
    static AtlasEntry Place(std::size_t index);

    // Places with a name that starts with the query's letters, narrowed by
    // what follows a comma; at most `limit`. The places the query is a whole
    // name of and the national capitals come first, most populous first;
    // then the others, most populous first, a place found by another
    // language's or a former name counting a tenth of its people.
    static std::vector<AtlasEntry> Search(std::string_view query, std::size_t limit = 10);

    // The one place a query means: the only match, or the most populous by
    // ten times the next, names written out in full counting before prefixes.
    // Otherwise none, with `candidates` (up to `limit`) to choose from.
    static bool Resolve(std::string_view query, AtlasEntry& place, std::vector<AtlasEntry>& candidates,
                        std::size_t limit = 8);

    // "Kolkata, West Bengal, India".
    static std::string DisplayName(const AtlasEntry& place);
};

}  // namespace velmora
