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
// available area allows and centres it there, frame included.
void FitOnScreen(QWidget* window, QSize wanted);

}  // namespace velmora
