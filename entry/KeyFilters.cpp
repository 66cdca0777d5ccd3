#include "entry/KeyFilters.h"

#include "engine/Quoted.h"

namespace velmora {

namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;
constexpr char16_t kSpace = 32;

KeyFilterResult Accept(char16_t code) { return {code, {}}; }
KeyFilterResult Refuse(std::string_view message) { return {std::nullopt, message}; }

}  // namespace

KeyFilterResult FilterNameKey(char16_t code) {
    if (code >= u'A' && code <= u'Z') return Accept(code);
    if (code >= u'a' && code <= u'z') return Accept(static_cast<char16_t>(code - 32));
    if (code == kSpace || code == kEnter || code == kBackspace) return Accept(code);
    return Refuse(kLettersOnlyMessage);
}

KeyFilterResult FilterNumberKey(char16_t code) {
    if ((code >= u'0' && code <= u'9') || code == kBackspace) return Accept(code);
    return Refuse(kNumbersOnlyMessage);
}

std::string TypeIntoBox(std::string_view keys, KeyFilter filter, std::size_t maxLength,
                        std::string_view boxName, std::string& box) {
    box.clear();
    for (char key : keys) {
        const KeyFilterResult r = filter(static_cast<char16_t>(static_cast<unsigned char>(key)));
        if (!r.Accepted()) return std::string(r.refusal);
        const char16_t typed = *r.accepted;
        if (typed == kBackspace) {
            if (!box.empty()) box.pop_back();
        } else if (typed != kEnter) {
            if (box.size() >= maxLength)
                return std::string(boxName) + ": the box holds at most " + std::to_string(maxLength) +
                       " digits, got " + Quoted(keys);
            box.push_back(static_cast<char>(typed));
        }
    }
    return {};
}

}  // namespace velmora
