#pragma once
// A text in double quotes, for messages that show what was typed.

#include <string>
#include <string_view>

namespace velmora {

inline std::string Quoted(std::string_view text) {
    // Appended into one reserved string: the chain of temporaries that
    // "\"" + std::string(text) + "\"" makes is also what GCC 12 at -O3 takes
    // for an overlapping copy (-Wrestrict).
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

}  // namespace velmora
