#include "result/PdfFile.h"

#include <QPdfWriter>
#include <QSaveFile>

#include "result/ChartImage.h"
#include "widgets/Translated.h"

namespace velmora {

QString WritePdfFile(const QString& path, const QString& title, QPageSize::PageSizeId paper,
                     const std::function<bool(QPagedPaintDevice&)>& paint) {
    if (const QString refusal = ExportTargetRefusal(path); !refusal.isEmpty()) return refusal;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(paper));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Velmora"));
        if (!paint(writer)) {
            file.cancelWriting();
            return Tr(QT_TRANSLATE_NOOP("Velmora", "the PDF could not be drawn"));
        }
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace velmora
