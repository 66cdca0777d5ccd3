#pragma once
// The key filters of the form's text boxes: one character code in, the
// character to insert or the message that refuses it out.

#include <optional>
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

}  // namespace velmora
