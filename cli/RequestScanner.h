#pragma once
// The quick reading of a batch request line. Nearly every line of a study is
// a flat object of plain ASCII texts, small whole numbers and true or false;
// this reads such a line in one pass without building a document. Whatever
// it is not sure of (an escape, a byte beyond ASCII, a number that is not a
// small whole one, a repeated key, any refusal) it leaves to the full JSON
// reader, which then gives the same request or the exact refusal.

#include <string_view>

#include "cli/ChartRequest.h"

namespace velmora::cli {

// True when `line` is a good request, read into `request`; false when the
// full reader must decide (and `request` is then to be read again).
bool ScanRequest(std::string_view line, ChartRequest& request);

}  // namespace velmora::cli
