#include "shell/ChartPages.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include "result/ShodasavargaPage.h"
#include "result/AshtakavargaPage.h"
#include "result/JaiminiPage.h"
#include "result/YogasPage.h"
#include "result/PositionsPage.h"
#include "shell/MatchWith.h"
#include "result/frmPanchanga.h"
#include "result/StrengthsPage.h"
#include "result/frmTransits.h"
#include "result/frmBhavas.h"
#include "result/frmDashas.h"
#include "result/BirthTimePage.h"
#include "widgets/Translated.h"

namespace velmora {

QAction* AddChartPage(QMenu* menu, QWidget* owner, const QString& caption, const QString& objectName,
                      std::shared_ptr<const Chart> chart, Services services, ChartPageMaker make) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    // The page once made; a page closed by the person is only hidden, so it
    // keeps what was chosen on it until the main window goes.
    auto page = std::make_shared<QPointer<QWidget>>();
    QObject::connect(action, &QAction::triggered, owner,
                     [owner, objectName, chart = std::move(chart), services, make = std::move(make), page] {
                         if (!*page) {
                             QWidget* made = make(*chart, services, owner);
                             made->setWindowFlag(Qt::Window, true);
                             if (made->objectName().isEmpty()) made->setObjectName(objectName + QStringLiteral("Page"));
                             *page = made;
                         }
                         (*page)->show();
                         (*page)->raise();
                         (*page)->activateWindow();
                     });
    return action;
}

QAction* AddChartPage(QMenu* menu, QWidget* owner, const char* caption, const QString& objectName,
                      std::shared_ptr<const Chart> chart, Services services, ChartPageMaker make) {
    QAction* action = AddChartPage(menu, owner, QString(), objectName, std::move(chart), services, std::move(make));
    Translate(action, caption);
    return action;
}

void AddChartPages(QMenu* menu, QWidget* owner, const std::shared_ptr<const Chart>& chart, Services services) {
    // One line per page: AddChartPage(menu, owner, caption, name, chart, services, maker).
    AddChartPage(menu, owner, QT_TRANSLATE_NOOP("Velmora", "&Vargas…"), QStringLiteral("mnuVargas"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) { return new ShodasavargaPage(c, s.chartStyle, parent); });
    AddChartPage(menu, owner, QT_TRANSLATE_NOOP("Velmora", "P&ositions…"), QStringLiteral("mnuPositions"), chart, services,
                 [](const Chart& c, Services, QWidget* parent) { return new PositionsPage(c, parent); });
    AddChartPage(menu, owner, QT_TRANSLATE_NOOP("Velmora", "&Bhavas (Houses)…"), QStringLiteral("mnuBhavas"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) { return new frmBhavas(c, s.chartStyle, parent); });
    AddChartPage(menu, owner, QT_TRANSLATE_NOOP("Velmora", "&Dashas…"), QStringLiteral("actDashas"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) { return new frmDashas(c, s, parent); });
    AddChartPage(menu, owner, QT_TRANSLATE_NOOP("Velmora", "&Ashtakavarga…"), QStringLiteral("mnuAshtakavarga"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) { return new AshtakavargaPage(c, s.chartStyle, s.preferences, parent); });
    AddChartPage(menu, owner, QT_TRANSLATE_NOOP("Velmora", "&Jaimini…"), QStringLiteral("mnuJaimini"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) { return new JaiminiPage(c, s.chartStyle, s.preferences, parent); });
    AddChartPage(menu, owner, QT_TRANSLATE_NOOP("Velmora", "&Yogas…"), QStringLiteral("mnuYogas"), chart, services,
                 [](const Chart& c, Services, QWidget* parent) { return new YogasPage(c, parent); });
    AddMatchWith(menu, owner, chart, services);
    AddChartPage(menu, owner, QT_TRANSLATE_NOOP("Velmora", "&Panchanga…"), QStringLiteral("mnuPanchanga"), chart, services,
                 [](const Chart& c, Services, QWidget* parent) { return new frmPanchanga(c, parent); });
    AddChartPage(menu, owner, QT_TRANSLATE_NOOP("Velmora", "&Strengths…"), QStringLiteral("mnuStrengths"), chart, services,
                 [](const Chart& c, Services, QWidget* parent) { return new StrengthsPage(c, parent); });
    AddChartPage(menu, owner, QT_TRANSLATE_NOOP("Velmora", "&Transits…"), QStringLiteral("mnuTransits"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) {
                     return new frmTransits(c, s.clock, s.chartStyle, parent);
                 });
    AddChartPage(menu, owner, QT_TRANSLATE_NOOP("Velmora", "Birth t&ime…"), QStringLiteral("mnuBirthTime"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) { return new BirthTimePage(c, s.chartStyle, parent); });
}

}  // namespace velmora
