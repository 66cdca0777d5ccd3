#include "services/Preferences.h"

#include <QSettings>

#include "services/SettingsFile.h"

namespace velmora {

namespace {

const QString kPreciseKey = QStringLiteral("precisePositions");

QSettings Settings() { return QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")); }

}  // namespace

// A settings file that is not a regular file (a FIFO would hold the window
// before it shows) is never read or written: the default stands.
bool SettingsPreferences::PrecisePositions() const {
    if (!SettingsSetAside().isEmpty()) return true;
    return Settings().value(kPreciseKey, true).toBool();
}

void SettingsPreferences::SetPrecisePositions(bool precise) {
    if (!SettingsSetAside().isEmpty()) return;
    Settings().setValue(kPreciseKey, precise);
}

}  // namespace velmora
