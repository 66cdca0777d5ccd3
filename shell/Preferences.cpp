#include "shell/Preferences.h"

#include <QSettings>

namespace velmora {

namespace {

const QString kPreciseKey = QStringLiteral("precisePositions");

QSettings Settings() { return QSettings(QStringLiteral("Velmora"), QStringLiteral("Velmora")); }

}  // namespace

bool SettingsPreferences::PrecisePositions() const { return Settings().value(kPreciseKey, true).toBool(); }

void SettingsPreferences::SetPrecisePositions(bool precise) { Settings().setValue(kPreciseKey, precise); }

}  // namespace velmora
