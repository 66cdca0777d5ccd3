#pragma once
// The place look-up: checks that city, state and country are filled and
// composes the text handed to the web search.

#include <string>
#include <string_view>

#include "entry/FormFields.h"
#include "entry/InputValidation.h"

namespace velmora {

struct PlaceLookupResult {
    ValidationResult failure;  // check 1 city, 2 state, 3 country; 0 when the search can go
    std::string searchText;    // "<city> <state> <country> Latitude Longitude", as typed
};

// The emptiness tests compare the untrimmed texts: a field of spaces passes.
PlaceLookupResult ComposePlaceSearch(std::string_view city, std::string_view state,
                                     std::string_view country);

}  // namespace velmora
