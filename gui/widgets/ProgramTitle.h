#pragma once
// The program's name and version as the main windows and the About box show
// it: "Velmora v" and the project's version.

#include <QString>

namespace velmora {

inline QString ProgramTitle() { return QStringLiteral("Velmora v" VELMORA_VERSION); }

}  // namespace velmora
