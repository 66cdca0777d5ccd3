#include "shell/ChartOutput.h"

#include <QAction>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QPrinter>

#include "result/ChartImage.h"
#include "result/PrintDocument.h"
#include "services/ChartStyleChoice.h"
#include "services/FileDialogs.h"
#include "services/Messenger.h"
#include "services/Preferences.h"
#include "services/Services.h"
#include "services/SystemMonthNames.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

QPageSize::PageSizeId LocalPaper() {
    const QLocale::MeasurementSystem system = QLocale::system().measurementSystem();
    return system == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

void ReportFailure(Services services, QWidget* window, const QString& path, const QString& reason) {
    if (reason.isEmpty()) return;
    services.messenger.Show(window, Tr(QT_TRANSLATE_NOOP("Velmora", "Cannot write \"%1\": %2.")).arg(path, reason), MessageIcon::Error);
}

// The style and the ashtakavarga as the person last chose them (the
// ashtakavarga on its page), for the printed pages and the images.
PrintChoices AsChosen(const Services& services) {
    PrintChoices chosen;
    chosen.style = services.chartStyle.Style();
    chosen.cellDegrees = services.chartStyle.CellDegrees();
    chosen.karakaScheme = services.preferences.KeptKarakaScheme();
    chosen.ashtakavargaReading = services.preferences.KeptAshtakavargaReading();
    chosen.ashtakavargaReduced = services.preferences.KeptAshtakavargaReduced();
    return chosen;
}

}  // namespace

QString ExportChart(const QString& path, const Chart& chart, const MonthNames& months, int pngScale,
                    QPageSize::PageSizeId paper, PrintChoices choices) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf")) return WriteChartPdf(path, chart, months, paper, choices);
    if (suffix == QLatin1String("svg"))
        return WriteChartSvg(path, chart, ResultLabelsOf(chart, months), choices.style, choices.cellDegrees);
    if (suffix == QLatin1String("png"))
        return WriteChartPng(path, chart, ResultLabelsOf(chart, months), pngScale, choices.style, choices.cellDegrees);
    return Tr(QT_TRANSLATE_NOOP("Velmora", "the name must end in .pdf, .svg or .png"));
}

ChartOutputActions AddChartOutputActions(QMenu* menu, QWidget* window, std::shared_ptr<const Chart> result,
                                         Services services) {
    ChartOutputActions actions;
    const QString person = QString::fromStdString(result->birth.name);

    actions.print = menu->addAction(QString());
    Translate(actions.print, QT_TRANSLATE_NOOP("Velmora", "&Print…"));
    actions.print->setObjectName(QStringLiteral("mnuPrint"));
    actions.print->setShortcut(QKeySequence::Print);
    QObject::connect(actions.print, &QAction::triggered, window, [window, result, services] {
        services.files.PrintWithPreview(window, [window, result, services](QPrinter& printer) {
            // Printing to a file writes only a regular file or a new name.
            const QString file = printer.outputFileName();
            if (!file.isEmpty()) {
                const QString refusal = ExportTargetRefusal(file);
                if (!refusal.isEmpty()) return ReportFailure(services, window, file, refusal);
            }
            PrintDocument(*result, SystemMonthNames(), AsChosen(services)).Paint(printer);
        });
    });

    actions.exportPdf = menu->addAction(QString());
    Translate(actions.exportPdf, QT_TRANSLATE_NOOP("Velmora", "&Export as PDF…"));
    actions.exportPdf->setObjectName(QStringLiteral("mnuExportPdf"));
    QObject::connect(actions.exportPdf, &QAction::triggered, window, [window, result, services, person] {
        const QString path = AskFileToSave(services.files, window, Tr(QT_TRANSLATE_NOOP("Velmora", "Export as PDF")), person,
                                           QStringLiteral(".pdf"), Tr(QT_TRANSLATE_NOOP("Velmora", "PDF files (*.pdf)")));
        if (path.isEmpty()) return;
        ReportFailure(services, window, path,
                      WriteChartPdf(path, *result, SystemMonthNames(), LocalPaper(), AsChosen(services)));
    });

    actions.exportImage = menu->addAction(QString());
    Translate(actions.exportImage, QT_TRANSLATE_NOOP("Velmora", "Export Chart as &Image…"));
    actions.exportImage->setObjectName(QStringLiteral("mnuExportImage"));
    QObject::connect(actions.exportImage, &QAction::triggered, window, [window, result, services, person] {
        const QString path =
            AskFileToSave(services.files, window, Tr(QT_TRANSLATE_NOOP("Velmora", "Export Chart as Image")), person,
                          QStringLiteral(".png"), Tr(QT_TRANSLATE_NOOP("Velmora", "PNG images (*.png);;SVG images (*.svg)")));
        if (path.isEmpty()) return;
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
            services.messenger.Show(window, Tr(QT_TRANSLATE_NOOP("Velmora", "Choose a name ending in .png or .svg.")),
                                    MessageIcon::Error);
            return;
        }
        int scale = 1;
        if (suffix == QLatin1String("png")) {
            const QSize one = kChartImageSize;
            const int choice = services.messenger.Choose(
                window, Tr(QT_TRANSLATE_NOOP("Velmora", "The size of the PNG image:")),
                {Tr(QT_TRANSLATE_NOOP("Velmora", "&1× (%1 × %2)")).arg(one.width()).arg(one.height()),
                 Tr(QT_TRANSLATE_NOOP("Velmora", "&2× (%1 × %2, crisp)")).arg(2 * one.width()).arg(2 * one.height()),
                 Tr(QT_TRANSLATE_NOOP("Velmora", "&3× (%1 × %2)")).arg(3 * one.width()).arg(3 * one.height())});
            if (choice < 0) return;
            scale = choice + 1;
        }
        ReportFailure(services, window, path,
                      ExportChart(path, *result, SystemMonthNames(), scale, LocalPaper(), AsChosen(services)));
    });
    return actions;
}

}  // namespace velmora
