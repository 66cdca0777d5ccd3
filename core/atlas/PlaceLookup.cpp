#include "atlas/PlaceLookup.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "birth/Birth.h"

namespace velmora {

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Degrees from a degree and a minute box, or nothing when either is not a
// plain number.
std::optional<double> BoxDegrees(const std::string& degrees, const std::string& minutes, bool negative) {
    const auto digits = [](const std::string& text) {
        return !text.empty() && text.size() <= 3 &&
               std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(degrees) || !digits(minutes)) return std::nullopt;
    return JoinCoordinate(TextToInteger(degrees), TextToInteger(minutes), negative);
}

}  // namespace

double DistanceKm(double latitude1, double longitude1, double latitude2, double longitude2) {
    constexpr double kRadian = std::numbers::pi / 180;
    const double dLat = (latitude2 - latitude1) * kRadian, dLon = (longitude2 - longitude1) * kRadian;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(latitude1 * kRadian) * std::cos(latitude2 * kRadian) * std::sin(dLon / 2) *
                         std::sin(dLon / 2);
    return 2 * 6371.0 * std::asin(std::min(1.0, std::sqrt(a)));
}

NamedPlace CheckNamedPlace(const FormFields& form, std::string_view coordinatesFrom) {
    NamedPlace named;
    const std::string_view city = Trimmed(form.City);
    if (city.empty()) return named;
    const std::optional<double> latitude = BoxDegrees(form.LatDeg, form.LatMin, form.South);
    const std::optional<double> longitude = BoxDegrees(form.LonDeg, form.LonMin, !form.East);
    if (!latitude || !longitude) return named;
    AtlasEntry place;
    std::vector<AtlasEntry> candidates;
    bool found = Atlas::Resolve(city, place, candidates);
    const std::string_view state = Trimmed(form.State);
    if (!found && !state.empty())
        found = Atlas::Resolve(std::string(city) + ", " + std::string(state), place, candidates);
    // Written out in full: a prefix still being typed names nothing.
    if (!found || !(SameName(place.Name, city) || SameName(place.MatchedAlias, city))) return named;
    named.Place = place;
    named.DistanceKm = DistanceKm(*latitude, *longitude, place.Latitude, place.Longitude);
    named.Disagrees = (!coordinatesFrom.empty() && Atlas::DisplayName(place) != coordinatesFrom) ||
                      named.DistanceKm > kNamedPlaceRadiusKm;
    return named;
}

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
