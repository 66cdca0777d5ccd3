#pragma once
// The search key of a place name or a typed query: letters and digits only,
// in lower case, accents taken off ("São Paulo" and "sao-paulo" both give
// "saopaulo", "Zürich" gives "zurich", "Bengaluru" "bengaluru"). Letters of
// other scripts are kept as they are written.

#include <string>
#include <string_view>

namespace velmora {

std::string FoldForSearch(std::string_view utf8);

}  // namespace velmora
