#pragma once
// The key filters of the form's text boxes: one character code in, the
// character to insert or the message that refuses it out.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kLettersOnlyMessage = "Please Enter only Letters";
inline constexpr std::string_view kNumbersOnlyMessage = "Only Numbers Are Accepted";

struct KeyFilterResult {
    std::optional<char16_t> accepted;  // the character to insert (Enter and Backspace pass unchanged)
    std::string_view refusal;          // the message when refused (information icon for names,
                                       // error icon for numbers), empty when accepted
    bool Accepted() const { return accepted.has_value(); }
};

// txtName: letters (lower case turned to capitals), space, Enter (13), Backspace (8).
KeyFilterResult FilterNameKey(char16_t code);
// txtLonD, txtLonM, txtLatD, txtLatM: digits and Backspace.
KeyFilterResult FilterNumberKey(char16_t code);

using KeyFilter = KeyFilterResult (*)(char16_t code);
inline constexpr std::size_t kNoBoxLimit = std::string::npos;

// Types `keys` into `box` one character at a time, as a person at the form
// would: the box's key filter decides each key, Backspace takes back the last
// character, Enter adds nothing to a one-line box. Returns the refusal of the
// first refused key, or, when the box already holds `maxLength` characters,
// "<boxName>: the box holds at most N digits, got \"keys\""; empty when every
// key went in. Each byte of `keys` is one key.
std::string TypeIntoBox(std::string_view keys, KeyFilter filter, std::size_t maxLength,
                        std::string_view boxName, std::string& box);

}  // namespace velmora
