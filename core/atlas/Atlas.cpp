#include "atlas/Atlas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "atlas/AtlasData.h"
#include "atlas/TextFold.h"

namespace velmora {

namespace {

std::string_view TextAt(std::uint32_t offset) { return std::string_view(kAtlasText + offset); }

AtlasPlace PlaceAt(std::size_t index) {
    AtlasPlace place;
    std::memcpy(&place, kAtlasPlaceBytes + index * sizeof place, sizeof place);
    return place;
}

AtlasKey KeyAt(std::size_t index) {
    AtlasKey key;
    std::memcpy(&key, kAtlasKeyBytes + index * sizeof key, sizeof key);
    return key;
}

std::string SearchKeyAt(std::size_t index) { return FoldForSearch(TextAt(KeyAt(index).text)); }

// The first index in [first, last) where `holds` no longer does; it holds for
// a run of keys from `first` on and for none after.
template <typename Holds>
std::size_t EndOfRun(std::size_t first, std::size_t last, Holds holds) {
    while (first < last) {
        const std::size_t middle = first + (last - first) / 2;
        if (holds(SearchKeyAt(middle))) first = middle + 1;
        else last = middle;
    }
    return first;
}

// The keys that start with `prefix`, a run of the sorted list, of which the
// first ones, up to `exactEnd`, are the prefix itself.
struct KeyRun {
    std::size_t first, exactEnd, last;
};

KeyRun KeysStartingWith(const std::string& prefix) {
    KeyRun run;
    run.first = EndOfRun(0, kAtlasKeyCount, [&](const std::string& key) { return key < prefix; });
    run.exactEnd = EndOfRun(run.first, kAtlasKeyCount, [&](const std::string& key) { return key == prefix; });
    run.last = EndOfRun(run.exactEnd, kAtlasKeyCount, [&](const std::string& key) { return key.starts_with(prefix); });
    return run;
}

// What follows a comma: a place passes when its state or country starts with
// it, or its country code is it. Each state and country is looked at once per
// search, not once per place.
class Narrowing {
public:
    explicit Narrowing(const std::string& narrow) : any_(narrow.empty()) {
        if (any_) return;
        states_.resize(kAtlasStateCount);
        for (std::size_t i = 0; i < kAtlasStateCount; ++i)
            states_[i] = kAtlasStates[i].name != 0 && TextAt(kAtlasStates[i].key).starts_with(narrow);
        countries_.resize(kAtlasCountryCount);
        for (std::size_t i = 0; i < kAtlasCountryCount; ++i)
            countries_[i] = TextAt(kAtlasCountries[i].key).starts_with(narrow) ||
                            FoldForSearch(TextAt(kAtlasCountries[i].code)) == narrow;
    }
    bool Passes(std::size_t index) const {
        if (any_) return true;
        const AtlasPlace place = PlaceAt(index);
        return states_[place.state] || countries_[place.country];
    }

private:
    bool any_;
    std::vector<char> states_, countries_;
};

struct Candidate {
    std::size_t index;
    std::uint32_t text;  // the name it was found by
    std::uint32_t rank;  // that name's rank
};

bool IsOwnName(const Candidate& c) { return PlaceAt(c.index).name == c.text; }

Candidate* Find(std::vector<Candidate>& found, std::size_t index) {
    const auto at = std::find_if(found.begin(), found.end(), [&](const Candidate& c) { return c.index == index; });
    return at == found.end() ? nullptr : &*at;
}

// The places a query finds: those of which it is a whole name (every one,
// by the place's own name where that is one of them), and the `limit` best
// ranked of which it is only the start of a name, by their best names, in
// rank order.
struct Found {
    std::vector<Candidate> exact, started;
};

Found Candidates(std::string_view query, std::size_t limit) {
    Found found;
    const std::size_t comma = query.find(',');
    const std::string name = FoldForSearch(query.substr(0, comma));
    if (name.empty() || limit == 0) return found;
    const Narrowing narrowing(comma == std::string_view::npos ? std::string() : FoldForSearch(query.substr(comma + 1)));
    const KeyRun run = KeysStartingWith(name);
    for (std::size_t k = run.first; k < run.exactEnd; ++k) {
        const AtlasKey key = KeyAt(k);
        if (!narrowing.Passes(key.place)) continue;
        const Candidate c{key.place, key.text, key.rank};
        if (Candidate* known = Find(found.exact, key.place)) {
            if (IsOwnName(c)) *known = c;
        } else {
            found.exact.push_back(c);
        }
    }
    std::vector<Candidate>& started = found.started;
    for (std::size_t k = run.exactEnd; k < run.last; ++k) {
        const AtlasKey key = KeyAt(k);
        // Most keys end here: ranked below the `limit` kept so far.
        if (started.size() == limit && key.rank >= started.back().rank) continue;
        if (Find(found.exact, key.place) || !narrowing.Passes(key.place)) continue;
        if (Candidate* known = Find(started, key.place)) {
            if (known->rank < key.rank) continue;
            started.erase(started.begin() + (known - started.data()));  // found again by a better name
        }
        const Candidate c{key.place, key.text, key.rank};
        const auto at = std::lower_bound(started.begin(), started.end(), c.rank,
                                         [](const Candidate& x, std::uint32_t rank) { return x.rank < rank; });
        started.insert(at, c);
        if (started.size() > limit) started.pop_back();
    }
    return found;
}

void ByPopulation(std::vector<Candidate>& found) {
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return PlaceAt(a.index).population > PlaceAt(b.index).population;
    });
}

std::vector<AtlasEntry> Entries(const std::vector<Candidate>& found, std::size_t limit) {
    std::vector<AtlasEntry> entries;
    for (const Candidate& c : found) {
        if (entries.size() == limit) break;
        entries.push_back(Atlas::Place(c.index));
        if (!IsOwnName(c)) entries.back().MatchedAlias = TextAt(c.text);
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
    const AtlasPlace p = PlaceAt(index);
    const AtlasCountry& country = kAtlasCountries[p.country];
    AtlasEntry e;
    e.Index = index;
    e.Name = TextAt(p.name);
    e.State = TextAt(kAtlasStates[p.state].name);
    e.Country = TextAt(country.name);
    e.CountryCode = TextAt(country.code);
    e.TimeZone = TextAt(kAtlasZones[p.zone]);
    e.Latitude = p.latitudeMicro / 1e6;
    e.Longitude = p.longitudeMicro / 1e6;
    e.Population = p.population;
    return e;
}

std::vector<AtlasEntry> Atlas::Search(std::string_view query, std::size_t limit) {
    Found found = Candidates(query, limit);
    // Whole names and capitals by their own names first, most populous first;
    // then the places the query only starts a name of, in rank order.
    std::vector<Candidate> ranked = std::move(found.exact);
    const auto capitals = std::find_if(found.started.begin(), found.started.end(),
                                       [](const Candidate& c) { return c.rank >= kAtlasCapitalKeyCount; });
    ranked.insert(ranked.end(), found.started.begin(), capitals);
    ByPopulation(ranked);
    ranked.insert(ranked.end(), capitals, found.started.end());
    return Entries(ranked, limit);
}

bool Atlas::Resolve(std::string_view query, AtlasEntry& place, std::vector<AtlasEntry>& candidates,
                    std::size_t limit) {
    Found found = Candidates(query, limit);
    // A name typed in full outranks the places it is only the start of.
    std::vector<Candidate>& named = found.exact.empty() ? found.started : found.exact;
    ByPopulation(named);
    candidates = Entries(named, limit);
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
