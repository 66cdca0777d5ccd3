#pragma once
// A top-level window opened inside the available area of its screen (the
// screen less the desktop's panels), frame and title bar included: never
// larger than that area, never placed past its edges. What does not fit is
// reached by scrolling inside the window.

#include <QMargins>
#include <QSize>

class QWidget;

namespace velmora {

// The frame the desktop puts round `window`: the real one where the platform
// knows it, else a title bar and borders of common size.
QMargins WindowFrame(const QWidget* window);

// Resizes `window` to `wanted` (its inside, without the frame) as far as the
// available area allows and centres it there, frame included. Once the
// desktop has framed it, the whole frame is kept inside the area at the
// first showing, and the window comes back where the person left it when it
// is hidden and shown again (whatever the window manager makes of a place
// asked for before it framed the window).
void FitOnScreen(QWidget* window, QSize wanted);

}  // namespace velmora
