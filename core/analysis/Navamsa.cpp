#include "analysis/Navamsa.h"

#include "analysis/Varga.h"

namespace velmora {

// The D9 row of the sixteen vargas' table.
int NavamsaSign(double degrees) { return VargaSign(VargaIndexOfFactor(9), degrees); }

}  // namespace velmora
