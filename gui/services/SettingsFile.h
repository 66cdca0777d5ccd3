#pragma once
// The per-user settings file QSettings reads for Velmora, and whether it can
// be used at all.

#include <QString>

namespace velmora {

// Why the settings are set aside, or empty: a settings file that is not a
// regular file (a FIFO would hold the window before it shows). Nothing is
// then read from or written to the settings: the recent files are empty and
// the kept preferences take their defaults.
QString SettingsSetAside();

}  // namespace velmora
