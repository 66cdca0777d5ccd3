#pragma once
// The report's pieces written into a rich-text document at a cursor, each
// with its own weight, colour and size; each break starts a new paragraph.
// The result form and the printed pages both write the report this way.

#include "report/ReportPiece.h"

class QTextCursor;

namespace velmora {

void InsertReport(QTextCursor& cursor, const Report& report);

}  // namespace velmora
