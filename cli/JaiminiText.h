#pragma once
// The text output's sections asked with --point-details (the full position
// table: longitude to the second, sign, nakshatra, pada and lord, speed,
// motion, dignity, combustion and war) and --jaimini (the chara karakas in
// both schemes, the chosen one first, the karakamsa, the aspects of signs,
// the argalas on each house and the arudha padas of every varga).

#include <string>

#include "cli/ChartSource.h"

namespace velmora::cli {

void AppendPointDetails(std::string& out, const Chart& chart, bool ansi, Language language = Language::English);
void AppendJaimini(std::string& out, const ChartSource& source, bool ansi);

}  // namespace velmora::cli
