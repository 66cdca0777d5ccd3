#pragma once
// The place look-up: checks that city, state and country are filled and
// composes the text handed to the web search.

#include <string>
#include <string_view>

#include "atlas/Atlas.h"
#include "birth/FormFields.h"
#include "birth/InputValidation.h"

namespace velmora {

struct PlaceLookupResult {
    ValidationResult failure;  // check 1 city, 2 state, 3 country; 0 when the search can go
    std::string searchText;    // "<city> <state> <country> Latitude Longitude", as typed
};

// The emptiness tests compare the untrimmed texts: a field of spaces passes.
PlaceLookupResult ComposePlaceSearch(std::string_view city, std::string_view state,
                                     std::string_view country);

// Typed coordinates farther than this from the place the City names are not
// that place's.
inline constexpr double kNamedPlaceRadiusKm = 50;

// What the City box names when no place is chosen: an atlas place written out
// in full (its name or a former name; "Mumbai, Maharashtra" when the name
// alone finds several), and whether the typed coordinates disagree with it:
// they came from another place (`coordinatesFrom`, the atlas name of the
// place set aside, empty when typed by hand) or lie more than
// kNamedPlaceRadiusKm from it. A city the atlas does not know, or coordinates
// that are not whole numbers yet, disagree with nothing.
struct NamedPlace {
    bool Disagrees = false;
    AtlasEntry Place;        // the named place, when Disagrees
    double DistanceKm = 0;   // from the typed coordinates to it
};
NamedPlace CheckNamedPlace(const FormFields& form, std::string_view coordinatesFrom);

// Great-circle distance on a sphere of the Earth's mean radius (6371 km).
double DistanceKm(double latitude1, double longitude1, double latitude2, double longitude2);

}  // namespace velmora
