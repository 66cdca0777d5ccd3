#pragma once
// A PDF file written whole or not at all: the pages `paint` draws on a
// writer set up as every printed page of the program is (the paper, margins
// of 15 mm, 300 dots an inch).

#include <QPageSize>
#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace velmora {

// The reason the file could not be written, empty when done. `paint` says
// whether it could draw.
QString WritePdfFile(const QString& path, const QString& title, QPageSize::PageSizeId paper,
                     const std::function<bool(QPagedPaintDevice&)>& paint);

}  // namespace velmora
