#pragma once
// The module's docstrings and its type stubs (velmora.pyi), made from the
// tables the command line writes and reads by: the chart's fields
// (cli/ChartFields), the keys of a batch line and the options' paragraphs of
// velmora-cli --help, and the module's choices (BatchChoices). A field or an
// option added there is documented here without a word written twice.

#include <string>
#include <vector>

namespace velmora::python {

// The keys a birth may have, in the order --help lists them.
std::vector<std::string> BirthKeys();

std::string ChartDoc();
std::string ChartsDoc();
std::string FrameDoc();
std::string ModuleDoc();

// The text of velmora.pyi.
std::string StubText();

}  // namespace velmora::python
