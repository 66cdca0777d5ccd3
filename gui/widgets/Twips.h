#pragma once
// Window measures are kept in twips (1/1440 inch) as the windows were designed;
// Qt places widgets in device-independent pixels and scales them for high-DPI
// screens itself. At 96 DPI one pixel is 15 twips.

#include <QRect>

namespace velmora {

inline constexpr int kTwipsPerPixel = 15;

// Nearest pixel, halves away from zero.
constexpr int TwipsToPixels(double twips) {
    const double px = twips / kTwipsPerPixel;
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}

constexpr double PixelsToTwips(int px) { return static_cast<double>(px) * kTwipsPerPixel; }

inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace velmora
