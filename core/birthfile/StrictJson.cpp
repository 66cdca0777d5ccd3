#include "birthfile/StrictJson.h"

#include <set>
#include <vector>

namespace velmora {

namespace {

using Json = nlohmann::json;

// Stops the library's reading from inside its callback.
struct Stop {
    JsonFault fault;
};

std::string Joined(const std::vector<std::string>& keys) {
    std::string path;
    for (const std::string& key : keys) {
        if (key.empty()) continue;
        if (!path.empty()) path += '.';
        path += key;
    }
    return path;
}

}  // namespace

StrictJson ReadStrictJson(std::string_view text, std::size_t maxDepth) {
    StrictJson read;
    std::vector<std::set<std::string>> seen;  // the keys of each object open
    std::vector<std::string> path;            // the last key of each
    const Json::parser_callback_t check = [&](int depth, Json::parse_event_t event, Json& parsed) {
        switch (event) {
        case Json::parse_event_t::object_start:
        case Json::parse_event_t::array_start:
            // `depth` counts the arrays and objects around this one.
            if (maxDepth > 0 && static_cast<std::size_t>(depth) >= maxDepth) throw Stop{JsonFault::TooDeep};
            if (event == Json::parse_event_t::object_start) {
                seen.emplace_back();
                path.emplace_back();
            }
            break;
        case Json::parse_event_t::object_end:
            seen.pop_back();
            path.pop_back();
            break;
        case Json::parse_event_t::key: {
            const std::string& key = parsed.get_ref<const std::string&>();
            path.back() = key;
            if (!seen.back().insert(key).second) throw Stop{JsonFault::RepeatedKey};
            break;
        }
        default: break;
        }
        return true;
    };
    try {
        read.value = Json::parse(text, check);
        return read;
    } catch (const Stop& stop) {
        read.fault = stop.fault;
    } catch (const Json::parse_error& e) {
        read.fault = JsonFault::NotJson;
        read.byte = e.byte;
    } catch (const Json::out_of_range&) {
        read.fault = JsonFault::NumberTooLarge;
    }
    read.value = Json();
    if (read.fault != JsonFault::NotJson && read.fault != JsonFault::TooDeep) read.where = Joined(path);
    return read;
}

}  // namespace velmora
