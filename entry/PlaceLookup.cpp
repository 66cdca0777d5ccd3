#include "entry/PlaceLookup.h"

namespace velmora {

PlaceLookupResult ComposePlaceSearch(std::string_view city, std::string_view state,
                                     std::string_view country) {
    PlaceLookupResult result;
    if (city.empty()) {
        result.failure = {1, "Please Enter City", MessageIcon::Information, FormField::City};
        return result;
    }
    if (state.empty()) {
        result.failure = {2, "Please Enter State", MessageIcon::Information, FormField::State};
        return result;
    }
    if (country.empty()) {
        result.failure = {3, "Please Enter Country", MessageIcon::Information, FormField::Country};
        return result;
    }
    result.searchText.reserve(city.size() + state.size() + country.size() + 22);
    result.searchText.append(city).append(" ").append(state).append(" ").append(country);
    result.searchText.append(" Latitude Longitude");
    return result;
}

}  // namespace velmora
