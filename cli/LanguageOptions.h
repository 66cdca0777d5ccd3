#pragma once
// --lang en|hi|ta|te|kn and --digits western|native: the language the text
// (and the JSON's "labels") is written in, and whose digits the text uses.

#include <string>

#include "cli/CliOptions.h"
#include "presentation/LocalFormat.h"
#include "text/Language.h"

namespace velmora::cli {

// The language and digits into `language` and `digits`; returns the
// refusal (naming the choices), empty when good. Native digits need a
// language that has its own.
std::string ReadLanguageOptions(const CliOptions& options, Language& language, Digits& digits);

// The same for a command that writes a text or, with --json, one JSON
// document: --digits is refused with --json, whose numbers stay 0-9.
std::string ReadTextLanguageOptions(const CliOptions& options, Language& language, Digits& digits);

}  // namespace velmora::cli
