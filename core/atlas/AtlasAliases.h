#pragma once
// Well-known names, former, English or current (where the data keeps the older
// name), each pointing at its place by the atlas's name and the country code.
// GeoNames' alternate names carry most of them by now; this list makes sure
// of them: the atlas table adds each as a name of its place when it is built,
// and the build fails when a place named here is not in the data.

#include <span>
#include <string_view>

namespace velmora {

struct AtlasAlias {
    std::string_view Alias;
    std::string_view Name;         // the place's name in the atlas
    std::string_view CountryCode;  // ISO 3166 code, as the atlas has it
};

std::span<const AtlasAlias> AtlasAliases();

}  // namespace velmora
