#pragma once
// The "&Help" menu and the top-level "&Donate" entry both windows share.

#include <functional>

class QMenuBar;

namespace velmora {

struct Services;

// Adds "&Help" (mnuContents, the manual, also on F1; a separator;
// mnuOnline, mnuVisit, a separator, mnuUpdate, a separator, mnuAbout) and
// the top-level "&Donate" (mnuDonate) to `bar`. The web entries open their
// pages through `services.web` and say so when no browser could be started;
// "&About Software" calls `showAbout`.
void AddHelpMenus(QMenuBar* bar, Services services, std::function<void()> showAbout);

}  // namespace velmora
