#include "cli/RequestScanner.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velmora::cli {

namespace {

class Scanner {
public:
    explicit Scanner(std::string_view text) : at_(text.data()), end_(text.data() + text.size()) {}

    void SkipSpace() {
        while (at_ != end_ && (*at_ == ' ' || *at_ == '\t' || *at_ == '\n' || *at_ == '\r')) ++at_;
    }
    bool AtEnd() const { return at_ == end_; }
    bool Take(char c) {
        if (at_ == end_ || *at_ != c) return false;
        ++at_;
        return true;
    }
    bool Peek(char c) const { return at_ != end_ && *at_ == c; }

    // A string of printable ASCII without escapes.
    bool PlainString(std::string_view& text) {
        if (!Take('"')) return false;
        const char* const start = at_;
        for (; at_ != end_; ++at_) {
            const auto c = static_cast<unsigned char>(*at_);
            if (c == '"') {
                text = std::string_view(start, static_cast<std::size_t>(at_ - start));
                ++at_;
                return true;
            }
            if (c < 0x20 || c >= 0x7F || c == '\\') return false;
        }
        return false;
    }

    bool Literal(std::string_view word) {
        if (static_cast<std::size_t>(end_ - at_) < word.size() || std::string_view(at_, word.size()) != word)
            return false;
        at_ += word.size();
        return true;
    }

    // A whole number of at most 18 digits, without sign, fraction or
    // exponent, as the full reader takes an unsigned integer.
    bool SmallUnsigned(std::string_view& digits) {
        const char* const start = at_;
        while (at_ != end_ && *at_ >= '0' && *at_ <= '9') ++at_;
        const std::size_t count = static_cast<std::size_t>(at_ - start);
        if (count == 0 || count > 18 || (count > 1 && *start == '0')) return false;
        if (at_ != end_ && (*at_ == '.' || *at_ == 'e' || *at_ == 'E')) return false;
        digits = std::string_view(start, count);
        return true;
    }

private:
    const char* at_;
    const char* end_;
};

enum Key : int {
    kName, kDate, kTime, kLon, kLat, kCity, kState, kCountry, kPlace, kTz, kAmbiguous, kDashaYear,
    kZone, kDst, kPrecise, kNode, kAyanamsa, kPositions, kHouses, kKeyCount
};

constexpr std::string_view kKeyNames[kKeyCount] = {"name",  "date",    "time",  "lon",      "lat",
                                                   "city",  "state",   "country", "place",  "tz",
                                                   "ambiguous", "dashaYear", "zone", "dst",   "precise", "node",
                                                   "ayanamsa", "positions", "houses"};

// The plain texts, from kName to kDashaYear.
std::string ChartRequest::*const kTextMembers[] = {
    &ChartRequest::name,  &ChartRequest::date,    &ChartRequest::time,  &ChartRequest::lon,
    &ChartRequest::lat,   &ChartRequest::city,    &ChartRequest::state, &ChartRequest::country,
    &ChartRequest::place, &ChartRequest::tz,      &ChartRequest::ambiguous, &ChartRequest::dashaYear};

// The precise chart's choices, from kAyanamsa on.
std::optional<std::string> ChartRequest::*const kChoiceMembers[] = {
    &ChartRequest::ayanamsa, &ChartRequest::positions, &ChartRequest::houses};

// The key's number, or -1. The first letter and the length narrow it to one
// candidate, compared once: this runs for every key of every line.
int FindKey(std::string_view name) {
    if (name.empty()) return -1;
    int k = -1;
    switch (name[0]) {
        case 'n': k = name.size() == 4 && name[1] == 'a' ? kName : kNode; break;
        case 'd': k = name.size() == 4 ? kDate : name.size() == 3 ? kDst : kDashaYear; break;
        case 't': k = name.size() == 4 ? kTime : kTz; break;
        case 'l': k = name.size() == 3 && name[1] == 'o' ? kLon : kLat; break;
        case 'c': k = name.size() == 4 ? kCity : kCountry; break;
        case 's': k = kState; break;
        case 'p': k = name.size() == 5 ? kPlace : name.size() == 7 ? kPrecise : kPositions; break;
        case 'a': k = name.size() > 1 && name[1] == 'y' ? kAyanamsa : kAmbiguous; break;
        case 'h': k = kHouses; break;
        case 'z': k = kZone; break;
        default: return -1;
    }
    return kKeyNames[k] == name ? k : -1;
}

bool Truth(Scanner& s, bool& value) {
    if (s.Literal("true")) {
        value = true;
        return true;
    }
    if (s.Literal("false")) {
        value = false;
        return true;
    }
    return false;
}

}  // namespace

bool ScanRequest(std::string_view line, ChartRequest& request) {
    request = ChartRequest{};
    Scanner s(line);
    s.SkipSpace();
    if (!s.Take('{')) return false;
    s.SkipSpace();
    unsigned seen = 0;
    if (!s.Peek('}')) {
        for (;;) {
            std::string_view name, text;
            s.SkipSpace();
            if (!s.PlainString(name)) return false;
            const int key = FindKey(name);
            if (key < 0 || (seen & (1u << key)) != 0) return false;
            seen |= 1u << key;
            s.SkipSpace();
            if (!s.Take(':')) return false;
            s.SkipSpace();
            if (key < kZone) {
                if (!s.PlainString(text)) return false;
                (request.*kTextMembers[key]).assign(text);
            } else if (key == kZone) {
                if (s.Peek('"')) {
                    if (!s.PlainString(text)) return false;
                } else if (!s.SmallUnsigned(text)) {
                    return false;
                }
                request.zone.assign(text);
                request.zoneGiven = true;
            } else if (key == kDst) {
                if (!Truth(s, request.dst)) return false;
            } else if (key == kPrecise) {
                if (!Truth(s, request.precise)) return false;
            } else if (key == kNode) {
                if (!s.PlainString(text)) return false;
                request.node.assign(text);
                request.nodeGiven = true;
            } else {
                if (!s.PlainString(text)) return false;
                (request.*kChoiceMembers[key - kAyanamsa]).emplace(text);
            }
            s.SkipSpace();
            if (s.Take(',')) continue;
            if (s.Peek('}')) break;
            return false;
        }
    }
    s.Take('}');
    s.SkipSpace();
    if (!s.AtEnd()) return false;
    const auto has = [&](Key k) { return (seen & (1u << k)) != 0; };
    if (!has(kName) || !has(kDate) || !has(kTime)) return false;
    if (!has(kPlace) && (!has(kLon) || !has(kLat))) return false;
    return true;
}

}  // namespace velmora::cli
