#pragma once
// The atlas table, written at build time by tools/atlas from GeoNames' cities
// (every place of 1,000 people and more and every seat of a division down to
// the third level; data CC BY 4.0). Texts are offsets into one block of
// NUL-terminated UTF-8 strings. The places and their search keys are two
// blocks of bytes, each an array of the records below as the compiler that
// built the program lays them out (read with memcpy: a string literal
// compiles in a moment where an initialiser of half a million structures
// takes minutes). Nothing is built at run time.

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace velmora {

// Places come most populous first.
struct AtlasPlace {
    std::uint32_t name;          // offset into kAtlasText
    std::int32_t latitudeMicro;  // degrees × 10⁶, north positive
    std::int32_t longitudeMicro; // degrees × 10⁶, east positive
    std::uint32_t population;
    std::uint16_t state;         // index into kAtlasStates
    std::uint16_t country;       // index into kAtlasCountries
    std::uint16_t zone;          // index into kAtlasZones
};

// One name a place is found by: its own, its ASCII spelling, or an alternate
// name (another language, script or spelling, a former name).
//
// `rank` orders the places a query is only the start of a name of: first a
// national capital by its own name, most populous first; then every other
// name, by its place's population, an alternate name counting as a tenth of
// it (typing "Mu", Mumbai comes before Moscow's "Muskav"; typing "Münch",
// Munich's "München" still before Münchenstein). Smaller is better.
struct AtlasKey {
    std::uint32_t text;   // offset of the name as written in kAtlasText
    std::uint32_t place;  // index of the place
    std::uint32_t rank;
};

struct AtlasState {
    std::uint32_t name;  // offset into kAtlasText; 0 for none (the empty text)
    std::uint32_t key;   // offset of the name's search key (FoldForSearch)
};

struct AtlasCountry {
    std::uint32_t name, code, key;  // offsets into kAtlasText; key: the name's search key
};

static_assert(std::is_trivially_copyable_v<AtlasPlace> && std::is_trivially_copyable_v<AtlasKey>);

extern const char kAtlasText[];
extern const char kAtlasPlaceBytes[];  // kAtlasPlaceCount × sizeof(AtlasPlace)
extern const std::size_t kAtlasPlaceCount;
extern const std::size_t kAtlasCapitalKeyCount;  // ranks below it: capitals by their own names
extern const char kAtlasKeyBytes[];    // kAtlasKeyCount × sizeof(AtlasKey), sorted by search key, then place
extern const std::size_t kAtlasKeyCount;
extern const AtlasState kAtlasStates[];
extern const std::size_t kAtlasStateCount;
extern const AtlasCountry kAtlasCountries[];
extern const std::size_t kAtlasCountryCount;
extern const std::uint32_t kAtlasZones[];  // offsets of IANA zone ids in kAtlasText
extern const std::size_t kAtlasZoneCount;

}  // namespace velmora
