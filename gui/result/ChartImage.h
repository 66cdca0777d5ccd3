#pragma once
// The chart as a picture file: SVG (text stays text) or PNG at a scale (2 for
// screens and prints that want it crisp). Written whole or not at all.

#include <QSize>
#include <QString>

#include "chart/Chart.h"
#include "presentation/ResultTexts.h"
#include "presentation/ChartStyle.h"

namespace velmora {

// The chart's size at scale 1, in pixels (SVG user units).
inline constexpr QSize kChartImageSize{640, 544};

// Why an export may not write to `path`: an existing target (a link's too)
// that is not a regular file, a FIFO or a device, is never replaced. Empty
// when the path names a regular file or nothing yet.
QString ExportTargetRefusal(const QString& path);

// The birth chart in the given style. Returns the reason the file could not
// be written, empty when done.
QString WriteChartSvg(const QString& path, const Chart& chart, const ResultLabels& labels,
                      ChartStyle style = ChartStyle::South, bool cellDegrees = false);
QString WriteChartPng(const QString& path, const Chart& chart, const ResultLabels& labels, int scale = 1,
                      ChartStyle style = ChartStyle::South, bool cellDegrees = false);

}  // namespace velmora
