#pragma once
// The "&Help" menu and the top-level "&Donate" entry both windows share.

#include <functional>

class QMenuBar;

namespace velmora {

class WebOpener;

// Adds "&Help" (mnuOnline, mnuVisit, a separator, mnuUpdate, a separator,
// mnuAbout) and the top-level "&Donate" (mnuDonate) to `bar`. The web entries
// open their pages through `web`; "&About Software" calls `showAbout`.
void AddHelpMenus(QMenuBar* bar, WebOpener& web, std::function<void()> showAbout);

}  // namespace velmora
