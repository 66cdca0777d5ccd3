#include "shell/MatchWith.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "birthfile/BirthFile.h"
#include "chart/ComputeChart.h"
#include "entry/RecentBirthFiles.h"
#include "result/ChartPainter.h"
#include "result/MatchPage.h"
#include "services/FileDialogs.h"
#include "services/LanguageChoice.h"
#include "services/Messenger.h"
#include "services/SystemMonthNames.h"
#include "presentation/ChartNotes.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"

namespace velmora {

MatchPage* MatchWithFile(QWidget* owner, const Chart& chart, const QString& path, Services services) {
    auto refuse = [&](const QString& why) {
        services.messenger.Show(
            owner, Tr(QT_TRANSLATE_NOOP("Velmora", "The second birth (\"%1\") cannot be matched: %2")).arg(path, why), MessageIcon::Error);
        return nullptr;
    };
    const BirthFileRead read = ReadBirthFile(path.toStdString());
    if (!read.Ok()) return refuse(FromUtf8(read.error));
    ChartWants wants;  // the Moons and the Mars dosha: no report, no dasha
    wants.report = false;
    wants.dashas = {};
    const ChartOutcome computed = ComputeChartOfForm(read.fields, wants);
    if (!computed.Computed())
        return refuse(Tr(QT_TRANSLATE_NOOP("Velmora", "its chart cannot be computed: %1"))
                          .arg(FromUtf8(ChartRefusalIn(computed.refusal, LanguageChoice::Current()))));
    const Chart& other = *computed.chart;
    const int bride = services.messenger.Choose(
        owner, Tr(QT_TRANSLATE_NOOP("Velmora", "Which of the two is the bride? Varna, Yoni and Gana score the pair by it.")),
        {Tr(QT_TRANSLATE_NOOP("Velmora", "%1 (this chart)")).arg(ShownText(chart.birth.name)),
         QStringLiteral("%1 (%2)").arg(ShownText(other.birth.name), QFileInfo(path).fileName())});
    if (bride < 0) return nullptr;
    MatchSheet sheet = bride == 0 ? MakeMatchSheet(chart, other) : MakeMatchSheet(other, chart);
    auto* page = new MatchPage(std::move(sheet), services, owner);
    page->setAttribute(Qt::WA_DeleteOnClose);
    page->show();
    page->raise();
    page->activateWindow();
    return page;
}

void AddMatchWith(QMenu* menu, QWidget* owner, std::shared_ptr<const Chart> chart, Services services) {
    menu->addSeparator();
    QAction* match = menu->addAction(QString());
    Translate(match, QT_TRANSLATE_NOOP("Velmora", "&Match With…"));
    match->setObjectName(QStringLiteral("mnuMatchWith"));
    QObject::connect(match, &QAction::triggered, owner, [owner, chart, services] {
        const QString path = services.files.OpenFile(owner, Tr(QT_TRANSLATE_NOOP("Velmora", "Match With Birth Data")),
                                                     Tr(QT_TRANSLATE_NOOP("Velmora", "Velmora birth files (*.velmora)")));
        if (!path.isEmpty()) MatchWithFile(owner, *chart, path, services);
    });
    QMenu* recent = menu->addMenu(QString());
    Translate(recent, QT_TRANSLATE_NOOP("Velmora", "Match With &Recent"));
    recent->setObjectName(QStringLiteral("mnuMatchWithRecent"));
    // The list as it is whenever it opens.
    auto refill = [recent, owner, chart, services] {
        recent->clear();
        const QStringList files = RecentBirthFiles(services.preferences).Files();
        for (const QString& file : files) {
            QAction* item = recent->addAction(QFileInfo(file).fileName());
            item->setToolTip(file);
            QObject::connect(item, &QAction::triggered, owner,
                             [owner, chart, services, file] { MatchWithFile(owner, *chart, file, services); });
        }
        if (files.isEmpty()) recent->addAction(Tr(QT_TRANSLATE_NOOP("Velmora", "(no recent birth files)")))->setEnabled(false);
    };
    refill();
    QObject::connect(recent, &QMenu::aboutToShow, recent, refill);
}

}  // namespace velmora
