// Writes the atlas table (atlas/AtlasData.h) from Debian's GeoNames data:
// every city the library knows and the capitals it lacks (AtlasExtraPlaces.h),
// their texts in one block, and the sorted search keys of their names.
//
// Usage: velmora-atlas OUTPUT.cpp

#include <geonames.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "atlas/AtlasExtraPlaces.h"
#include "atlas/TextFold.h"

namespace {

class TextBlock {
public:
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
    std::map<std::string, std::uint32_t> offsets_;
};

struct Place {
    std::uint32_t name, state, country, code, zone;
    long latitude, longitude;
    unsigned population;
    std::string key;
};

std::string Text(const char* text) { return text ? text : ""; }

void WriteBlock(std::ostream& out, const std::string& block) {
    out << "extern const char kAtlasText[] =\n";
    std::size_t column = 0;
    out << "    \"";
    for (const char c : block) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\0') {
            out << "\\000";  // three digits: a digit after it stays a digit
            column += 4;
        } else if (c == '"' || c == '\\') {
            out << '\\' << c;
            column += 2;
        } else if (byte < 0x20 || byte >= 0x7F) {
            // Octal escapes of three digits never run into the next character.
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velmora-atlas OUTPUT.cpp\n";
        return 2;
    }
    TextBlock text;
    std::vector<Place> places;
    const int count = geonames_get_n_cities();
    for (int i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (!city) continue;
        const std::string name = Text(geonames_city_get_name(city));
        Place p{text.Add(name),
                text.Add(Text(geonames_city_get_state(city))),
                text.Add(Text(geonames_city_get_country(city))),
                text.Add(Text(geonames_city_get_country_code(city))),
                text.Add(Text(geonames_city_get_timezone(city))),
                std::lround(geonames_city_get_latitude(city) * 1e6),
                std::lround(geonames_city_get_longitude(city) * 1e6),
                geonames_city_get_population(city),
                velmora::FoldForSearch(name)};
        geonames_city_free(city);
        places.push_back(std::move(p));
    }
    if (places.empty()) {
        std::cerr << "velmora-atlas: the GeoNames library holds no cities\n";
        return 1;
    }
    for (const velmora::ExtraPlace& extra : velmora::kExtraPlaces) {
        const std::string name(extra.Name), code(extra.CountryCode);
        const std::string key = velmora::FoldForSearch(name);
        const bool known = std::any_of(places.begin(), places.end(), [&](const Place& p) {
            return p.key == key && text.Block().compare(p.code, code.size() + 1, code.c_str(), code.size() + 1) == 0;
        });
        if (known) continue;
        places.push_back({text.Add(name), text.Add(std::string(extra.State)), text.Add(std::string(extra.Country)),
                          text.Add(code), text.Add(std::string(extra.TimeZone)), std::lround(extra.Latitude * 1e6),
                          std::lround(extra.Longitude * 1e6), extra.Population, key});
    }

    std::vector<std::uint32_t> order(places.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<std::uint32_t>(i);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        if (places[a].key != places[b].key) return places[a].key < places[b].key;
        return places[a].population > places[b].population;
    });
    std::vector<std::uint32_t> keyOffsets(places.size());
    for (std::size_t i = 0; i < places.size(); ++i) keyOffsets[i] = text.Add(places[i].key);

    std::ofstream out(argv[1], std::ios::binary);
    out << "// Written by tools/atlas/GenerateAtlas.cpp from Debian's GeoNames data\n"
           "// (GeoNames, CC-BY-4.0). Do not edit.\n\n"
           "#include \"atlas/AtlasData.h\"\n\nnamespace velmora {\n\n";
    WriteBlock(out, text.Block());
    out << "extern const AtlasPlace kAtlasPlaces[] = {\n";
    for (const Place& p : places)
        out << "    {" << p.name << ", " << p.state << ", " << p.country << ", " << p.code << ", " << p.zone << ", "
            << p.latitude << ", " << p.longitude << ", " << p.population << "u},\n";
    out << "};\nextern const std::size_t kAtlasPlaceCount = " << places.size() << ";\n\n";
    out << "extern const AtlasKey kAtlasKeys[] = {\n";
    for (std::uint32_t i : order) out << "    {" << keyOffsets[i] << ", " << i << "},\n";
    out << "};\nextern const std::size_t kAtlasKeyCount = " << places.size() << ";\n\n}  // namespace velmora\n";
    out.close();
    if (!out) {
        std::cerr << "velmora-atlas: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
