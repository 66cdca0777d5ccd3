#pragma once
// The report as plain text: each piece followed by its line breaks as "\r\n".

#include <string>

#include "report/ReportPiece.h"

namespace velmora {

std::string ReportPlainText(const Report& report);

}  // namespace velmora
