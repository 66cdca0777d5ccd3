#pragma once
// velmora --export OUT BIRTHFILE: the chart of a birth file written as a PDF,
// SVG or PNG file without any window, for scripts.

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora {

inline constexpr int kExportRefused = 2;      // a bad request or birth file
inline constexpr int kExportWriteFailed = 1;  // the output file could not be written

// `args` are the words after --export: OUT BIRTHFILE, then optionally
// --paper a4|letter, --scale 1-8 (PNG) and --chart-style south|north. Needs a QGuiApplication (any
// platform, offscreen is enough). Messages go to `err`; returns the exit status.
int RunHeadlessExport(const std::vector<std::string>& args, std::ostream& err);

// The words after the program's name that ask for an export in a form
// --export does not take (--export=OUT, or --paper, --scale, --chart-style or
// the ashtakavarga's options without --export first): the message a bad export request gets, empty when the
// words ask for none.
std::string MisplacedExportRequest(const std::vector<std::string>& words);

}  // namespace velmora
