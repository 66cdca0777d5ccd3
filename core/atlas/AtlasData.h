#pragma once
// The atlas table, written at build time from Debian's GeoNames data
// (libgeonames; cities of about 15,000 people and more; data CC-BY-4.0) by
// tools/atlas. Texts are offsets into one block of NUL-terminated UTF-8
// strings; the search keys come sorted, so nothing is built at run time.

#include <cstddef>
#include <cstdint>

namespace velmora {

struct AtlasPlace {
    std::uint32_t name, state, country, countryCode, zone;  // offsets into kAtlasText
    std::int32_t latitudeMicro;   // degrees × 10⁶, north positive
    std::int32_t longitudeMicro;  // degrees × 10⁶, east positive
    std::uint32_t population;
};

struct AtlasKey {
    std::uint32_t key;    // offset of the folded name in kAtlasText
    std::uint32_t place;  // index into kAtlasPlaces
};

extern const char kAtlasText[];
extern const AtlasPlace kAtlasPlaces[];
extern const std::size_t kAtlasPlaceCount;
extern const AtlasKey kAtlasKeys[];  // sorted by key, then by population, largest first
extern const std::size_t kAtlasKeyCount;

}  // namespace velmora
