#include <ostream>

#include "birth/ZoneTable.h"
#include "cli/Commands.h"

namespace velmora::cli {

int RunZonesCommand(std::ostream& out) {
    for (int p = 0; p < kZoneItems; ++p) {
        out << (p < 10 ? " " : "") << p << "  " << kZoneTable[p].DisplayText << '\n';
    }
    return 0;
}

}  // namespace velmora::cli
