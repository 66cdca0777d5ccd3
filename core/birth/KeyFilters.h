#pragma once
// The key filters of the form's text boxes: one character (a Unicode code
// point) in, the character to insert or the message that refuses it out.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kLettersOnlyMessage = "Please Enter only Letters";
inline constexpr std::string_view kNumbersOnlyMessage = "Only Numbers Are Accepted";

struct KeyFilterResult {
    std::optional<char32_t> accepted;  // the character to insert (Enter and Backspace pass unchanged)
    std::string_view refusal;          // the message when refused (information icon for names,
                                       // error icon for numbers), empty when accepted
    bool Accepted() const { return accepted.has_value(); }
};

// txtName: names as people write them: the letters and combining marks of
// every script, the zero-width (non-)joiner, the hyphen, the apostrophe (' and
// U+2019), space, Enter (13) and Backspace (8). Latin letters of every block
// are typed as capitals by Unicode's simple uppercase mapping (a as A, é as
// É, ṣ as Ṣ, ǆ and ǅ as Ǆ; ß, ŉ and the ligatures, which have no one-letter
// capital, stay). Other scripts are left as typed.
KeyFilterResult FilterNameKey(char32_t code);
// txtLonD, txtLonM, txtLatD, txtLatM: digits and Backspace.
KeyFilterResult FilterNumberKey(char32_t code);

// Whether `code` is a Unicode letter or mark (general category L or M, from
// the Unicode data the build's tables were generated from).
bool IsLetterOrMark(char32_t code);

using KeyFilter = KeyFilterResult (*)(char32_t code);
inline constexpr std::size_t kNoBoxLimit = std::string::npos;

// Types `keys` (UTF-8) into `box` one character at a time, as a person at the
// form would: the box's key filter decides each key, a refused key leaves
// what was typed before and after it, Backspace takes back the last
// character, Enter adds nothing to a one-line box. Returns the refusal of the
// first refused key (a byte that is not UTF-8 is refused), or, when the box
// already holds `maxLength` characters, "<boxName>: the box holds at most N
// digits, got \"keys\""; empty when every key went in.
std::string TypeIntoBox(std::string_view keys, KeyFilter filter, std::size_t maxLength,
                        std::string_view boxName, std::string& box);

}  // namespace velmora
