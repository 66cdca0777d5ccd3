#pragma once
// The South-Indian chart of one run drawn with a QPainter: the twelve sign
// cells with their numbers, the bodies (dark green) and the arudhas (blue)
// standing in each, and the person's name, date and time in the centre. The
// same drawing goes to the screen image, SVG, PNG, the printer and PDF, all
// as real text.

#include <QRectF>

#include "chart/AnalysisRun.h"

class QPainter;

namespace velmora {

// Draws the chart filling `area` (in the painter's units). Fonts are sized
// to the cells, so every entry fits whatever the size.
void PaintSouthIndianChart(QPainter& painter, const QRectF& area, const ResultFormTexts& result);

// A text a person typed (a name, a place) as the chart and the printed
// pages show it: at most kLongestShownText characters, the rest elided with
// "…", so that an oversized text is laid out in bounded time.
inline constexpr qsizetype kLongestShownText = 200;
QString ShownText(const std::string& text);

// The entries of a caption as the run writes it ("\r\nSun\r\nMercury (R) "):
// one per entry, trailing blanks dropped, empty ones left out.
QStringList CaptionEntries(const std::string& caption);

}  // namespace velmora
