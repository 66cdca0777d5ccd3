#pragma once
// The program's icon: a small South-Indian chart, drawn rather than loaded so
// that no resource file is needed.

#include <QIcon>

namespace velmora {

QIcon VelmoraIcon();

}  // namespace velmora
