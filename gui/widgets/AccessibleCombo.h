#pragma once
// Drop-down lists that say what they are. Qt's own interface for a list on
// Linux gives the current item as the list's name and leaves the label to a
// label relation, so a list without a buddy label of its own is read as a
// bare number ("30"). This interface reads "Day of birth, 30" for a
// selection-only list with an accessible name, and behaves as Qt's own list
// otherwise: one child (the popup's view), the press and show-menu actions.

#include <QString>

namespace velmora {

// Installs the interface for every QComboBox created from now on. Call it
// before the first list is made; calling it again does nothing.
void InstallAccessibleCombo();

// What a list announces: its accessible name and its current item.
QString SpokenComboName(const QString& name, const QString& current);

}  // namespace velmora
