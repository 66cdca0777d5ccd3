#pragma once
// The checks a run makes before it reads the form, in their fixed order.

#include <string_view>

#include "birth/FormFields.h"

namespace velmora {

enum class MessageIcon { Error, Information };

struct ValidationResult {
    int check = 0;                    // 0 when every check passed, else 1 … 7
    std::string_view message;         // the exact text of the failing check
    MessageIcon icon = MessageIcon::Error;
    FormField focus = FormField::None;  // where the keyboard focus goes, None to leave it
    bool Passed() const { return check == 0; }
};

// Stops at the first failing check.
ValidationResult Input_Validation(const FormFields& form);

}  // namespace velmora
