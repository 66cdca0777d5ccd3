#include "atlas/Atlas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "atlas/AtlasAliases.h"
#include "atlas/AtlasData.h"
#include "atlas/TextFold.h"

namespace velmora {

namespace {

std::string_view TextAt(std::uint32_t offset) { return std::string_view(kAtlasText + offset); }

std::string_view KeyOf(const AtlasKey& key) { return TextAt(key.key); }

// The keys that start with `prefix`: one run of the sorted list.
std::pair<const AtlasKey*, const AtlasKey*> KeysStartingWith(std::string_view prefix) {
    const AtlasKey* begin = kAtlasKeys;
    const AtlasKey* end = kAtlasKeys + kAtlasKeyCount;
    const AtlasKey* first = std::lower_bound(begin, end, prefix,
                                             [](const AtlasKey& k, std::string_view p) { return KeyOf(k) < p; });
    const AtlasKey* last = first;
    while (last != end && KeyOf(*last).starts_with(prefix)) ++last;
    return {first, last};
}

// The most populous place of that exact name in that country.
bool FindPlace(std::string_view name, std::string_view countryCode, std::size_t& index) {
    const std::string key = FoldForSearch(name);
    const auto [first, last] = KeysStartingWith(key);
    for (const AtlasKey* k = first; k != last; ++k) {
        if (KeyOf(*k) != key) continue;
        if (TextAt(kAtlasPlaces[k->place].countryCode) != countryCode) continue;
        index = k->place;  // keys of one name come most populous first
        return true;
    }
    return false;
}

struct Candidate {
    std::size_t index;
    bool exact;  // the whole name was typed
    std::string_view alias;
};

bool Narrowed(std::size_t index, std::string_view narrow) {
    if (narrow.empty()) return true;
    const AtlasPlace& p = kAtlasPlaces[index];
    return FoldForSearch(TextAt(p.state)).starts_with(narrow) || FoldForSearch(TextAt(p.country)).starts_with(narrow) ||
           FoldForSearch(TextAt(p.countryCode)) == narrow;
}

std::vector<Candidate> Candidates(std::string_view query) {
    const std::size_t comma = query.find(',');
    const std::string name = FoldForSearch(query.substr(0, comma));
    const std::string narrow = comma == std::string_view::npos ? std::string() : FoldForSearch(query.substr(comma + 1));
    std::vector<Candidate> found;
    if (name.empty()) return found;
    const auto [first, last] = KeysStartingWith(name);
    for (const AtlasKey* k = first; k != last; ++k)
        if (Narrowed(k->place, narrow)) found.push_back({k->place, KeyOf(*k) == name, {}});
    for (const AtlasAlias& alias : AtlasAliases()) {
        const std::string key = FoldForSearch(alias.Alias);
        if (!key.starts_with(name)) continue;
        std::size_t index = 0;
        if (!FindPlace(alias.Name, alias.CountryCode, index) || !Narrowed(index, narrow)) continue;
        const auto known = std::find_if(found.begin(), found.end(), [&](const Candidate& c) { return c.index == index; });
        if (known != found.end()) {
            known->exact = known->exact || key == name;
        } else {
            found.push_back({index, key == name, alias.Alias});
        }
    }
    return found;
}

bool MorePopulous(const Candidate& a, const Candidate& b) {
    const auto pa = kAtlasPlaces[a.index].population, pb = kAtlasPlaces[b.index].population;
    return pa != pb ? pa > pb : a.index < b.index;
}

std::vector<AtlasEntry> Entries(std::vector<Candidate>& found, std::size_t limit) {
    const std::size_t n = std::min(limit, found.size());
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(n), found.end(), MorePopulous);
    std::vector<AtlasEntry> entries;
    entries.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        entries.push_back(Atlas::Place(found[i].index));
        entries.back().MatchedAlias = found[i].alias;
    }
    return entries;
}

}  // namespace

BoxAngle ToBoxAngle(double degrees, int maxDegrees) {
    const long limit = maxDegrees * 60L + 59;
    const long minutes = std::min(limit, std::lround(std::fabs(degrees) * 60));
    return {static_cast<int>(minutes / 60), static_cast<int>(minutes % 60), degrees < 0};
}

std::size_t Atlas::Size() { return kAtlasPlaceCount; }

AtlasEntry Atlas::Place(std::size_t index) {
    const AtlasPlace& p = kAtlasPlaces[index];
    AtlasEntry e;
    e.Index = index;
    e.Name = TextAt(p.name);
    e.State = TextAt(p.state);
    e.Country = TextAt(p.country);
    e.CountryCode = TextAt(p.countryCode);
    e.TimeZone = TextAt(p.zone);
    e.Latitude = p.latitudeMicro / 1e6;
    e.Longitude = p.longitudeMicro / 1e6;
    e.Population = p.population;
    return e;
}

std::vector<AtlasEntry> Atlas::Search(std::string_view query, std::size_t limit) {
    std::vector<Candidate> found = Candidates(query);
    return Entries(found, limit);
}

bool Atlas::Resolve(std::string_view query, AtlasEntry& place, std::vector<AtlasEntry>& candidates,
                    std::size_t limit) {
    std::vector<Candidate> found = Candidates(query);
    // A name typed in full outranks the places it is only the start of.
    if (std::any_of(found.begin(), found.end(), [](const Candidate& c) { return c.exact; }))
        std::erase_if(found, [](const Candidate& c) { return !c.exact; });
    candidates = Entries(found, limit);
    if (candidates.empty()) return false;
    if (candidates.size() == 1 || std::uint64_t{candidates[0].Population} >= 10 * std::uint64_t{candidates[1].Population}) {
        place = candidates[0];
        return true;
    }
    return false;
}

std::string Atlas::DisplayName(const AtlasEntry& place) {
    std::string text(place.Name);
    if (!place.State.empty() && place.State != place.Name) {
        text += ", ";
        text += place.State;
    }
    if (!place.Country.empty()) {
        text += ", ";
        text += place.Country;
    }
    return text;
}

}  // namespace velmora
