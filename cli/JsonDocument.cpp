#include "cli/JsonDocument.h"

#include <charconv>
#include <cmath>

#include "cli/JsonWriter.h"
#include "cli/NumberText.h"
#include "text/Utf8.h"

namespace velmora::cli {

nlohmann::ordered_json& JsonDocument::Add(nlohmann::ordered_json value) {
    if (stack_.empty()) {
        root_ = std::move(value);
        return root_;
    }
    nlohmann::ordered_json& container = *stack_.back();
    if (container.is_object()) return container[key_] = std::move(value);
    container.push_back(std::move(value));
    return container.back();
}

void JsonDocument::String(std::string_view text) {
    if (FirstInvalidUtf8(text) == std::string_view::npos) {
        Add(std::string(text));
        return;
    }
    std::string valid;
    AppendValidUtf8(valid, text);
    Add(std::move(valid));
}

// As the library reads the shortest text back: digits alone are an integer
// (signed with a minus, else unsigned), anything else a double.
void JsonDocument::Double(double value) {
    if (!std::isfinite(value)) {
        Add(nullptr);
        return;
    }
    std::string text;
    if (ShortestTextIsInteger(value, text)) {
        const char* const end = text.data() + text.size();
        std::int64_t signedValue = 0;
        std::uint64_t unsignedValue = 0;
        if (text.front() == '-') {
            if (std::from_chars(text.data(), end, signedValue).ec == std::errc{}) {
                Add(signedValue);
                return;
            }
        } else if (std::from_chars(text.data(), end, unsignedValue).ec == std::errc{}) {
            Add(unsignedValue);
            return;
        }
    }
    Add(value);
}

}  // namespace velmora::cli
