#pragma once
// The text output's section asked with --yogas: the yogas present in each
// varga asked, with the planets forming them and their sources, and the
// doshas.

#include <string>

#include "cli/ChartSource.h"

namespace velmora::cli {

void AppendYogas(std::string& out, const ChartSource& source, bool ansi);

}  // namespace velmora::cli
