#pragma once
// Replacing a reused string's text with characters built in a local buffer.

#include <string>
#include <string_view>

namespace velmora {

// The string keeps its storage. Appending to the emptied string takes the
// short way, without the checks for overlapping text that an assignment makes.
inline void SetText(std::string& out, std::string_view text) {
    out.clear();
    out.append(text.data(), text.size());
}

}  // namespace velmora
