#include "result/ChartImage.h"

#include <QBuffer>
#include <QFile>
#include <algorithm>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <sys/stat.h>

#include "result/ChartPainter.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

QString Commit(QSaveFile& file, const QByteArray& bytes) {
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace

QString ExportTargetRefusal(const QString& path) {
    struct stat target {};
    // stat follows links and, unlike an open, never waits on a FIFO.
    if (::stat(QFile::encodeName(path).constData(), &target) != 0 || S_ISREG(target.st_mode)) return {};
    return Tr(QT_TRANSLATE_NOOP("Velmora", "it is not a regular file"));
}

QString WriteChartSvg(const QString& path, const Chart& chart, const ResultLabels& labels, ChartStyle style,
                      bool cellDegrees) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(kChartImageSize);
    svg.setViewBox(QRect(QPoint(0, 0), kChartImageSize));
    svg.setTitle(Tr(QT_TRANSLATE_NOOP("Velmora", "Velmora chart of %1")).arg(ShownText(labels.name)));
    svg.setDescription(style == ChartStyle::North ? Tr(QT_TRANSLATE_NOOP("Velmora", "North-Indian chart"))
                                                  : Tr(QT_TRANSLATE_NOOP("Velmora", "South-Indian chart")));
    QPainter painter;
    if (!painter.begin(&svg)) return Tr(QT_TRANSLATE_NOOP("Velmora", "the SVG could not be drawn"));
    PaintResultChart(painter, QRectF(QPointF(0, 0), QSizeF(kChartImageSize)), chart, labels, style, cellDegrees);
    painter.end();

    if (const QString refusal = ExportTargetRefusal(path); !refusal.isEmpty()) return refusal;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    return Commit(file, buffer.data());
}

QString WriteChartPng(const QString& path, const Chart& chart, const ResultLabels& labels, int scale,
                      ChartStyle style, bool cellDegrees) {
    scale = std::clamp(scale, 1, 8);
    QImage image(kChartImageSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintResultChart(painter, QRectF(QPointF(0, 0), QSizeF(kChartImageSize)), chart, labels, style, cellDegrees);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return Tr(QT_TRANSLATE_NOOP("Velmora", "the PNG could not be encoded"));

    if (const QString refusal = ExportTargetRefusal(path); !refusal.isEmpty()) return refusal;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    return Commit(file, bytes);
}

}  // namespace velmora
