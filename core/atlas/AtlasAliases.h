#pragma once
// Well-known names that the GeoNames data does not carry, former, English or
// current (where the data keeps the older name), each pointing at its place
// by the atlas's name and the country code.

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
