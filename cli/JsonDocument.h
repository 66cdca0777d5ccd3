#pragma once
// A JSON document built by the JSON library (nlohmann::ordered_json, its keys
// in the order given) with the same calls as JsonWriter and CsvRow, so the
// chart's fields build it from the same functions. The values are those the
// compact text of JsonWriter reads back as: bytes that are not UTF-8 become
// U+FFFD, a double whose shortest text is a whole number is that integer, a
// double that is not finite is null.

#include <cstdint>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/ListCalls.h"

namespace velmora::cli {

class JsonDocument : public ListCalls<JsonDocument> {
public:
    void BeginObject() { Open(nlohmann::ordered_json::object()); }
    void EndObject() { stack_.pop_back(); }
    void BeginArray() { Open(nlohmann::ordered_json::array()); }
    void EndArray() { stack_.pop_back(); }
    void Key(std::string_view key) { key_ = key; }
    void String(std::string_view text);
    void TypedText(std::string_view text) { String(text); }
    void Int(std::int64_t value) { Add(value); }
    void Bool(bool value) { Add(value); }
    void Double(double value);

    // The document: the first value written, with everything inside it.
    const nlohmann::ordered_json& Value() const { return root_; }

private:
    // Adds `value` where the writing stands and returns it.
    nlohmann::ordered_json& Add(nlohmann::ordered_json value);
    void Open(nlohmann::ordered_json container) { stack_.push_back(&Add(std::move(container))); }

    nlohmann::ordered_json root_;
    std::vector<nlohmann::ordered_json*> stack_;  // the open objects and arrays, innermost last
    std::string key_;
};

}  // namespace velmora::cli
