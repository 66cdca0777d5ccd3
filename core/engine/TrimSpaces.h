#pragma once
// Leading and trailing blanks removed, as the form's checks and the position
// texts trim them (spaces only; other white space stays).

#include <string_view>

namespace velmora {

constexpr std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace velmora
