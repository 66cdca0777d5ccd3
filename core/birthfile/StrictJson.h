#pragma once
// A JSON text read whole, with what the JSON library would let by refused:
// a key given twice in one object (the library keeps the last; RFC 8259 §4
// says the names within an object should be unique and leaves the meaning of
// a repeated one to the reader), a number too large for a double, and, when
// a limit is given, arrays and objects nested deeper than it. Birth files,
// batch lines and pairs of births for matching are all read this way.

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace velmora {

enum class JsonFault { None, NotJson, RepeatedKey, NumberTooLarge, TooDeep };

struct StrictJson {
    nlohmann::json value;  // the document, when `fault` is None
    JsonFault fault = JsonFault::None;
    std::size_t byte = 0;  // NotJson: the byte, counted from 1, where the text stops being JSON
    // RepeatedKey and NumberTooLarge: the keys down to it, joined by dots
    // ("bride.name"); empty for a number outside any object.
    std::string where;
};

// `maxDepth`: how many arrays and objects may be open at once; 0 for no limit.
StrictJson ReadStrictJson(std::string_view text, std::size_t maxDepth = 0);

}  // namespace velmora
