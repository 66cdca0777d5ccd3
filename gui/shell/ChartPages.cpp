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

void AddChartPages(QMenu* menu, QWidget* owner, const std::shared_ptr<const Chart>& chart, Services services) {
    // One line per page: AddChartPage(menu, owner, caption, name, chart, services, maker).
    AddChartPage(menu, owner, QStringLiteral("&Vargas…"), QStringLiteral("mnuVargas"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) { return new ShodasavargaPage(c, s.chartStyle, parent); });
    AddChartPage(menu, owner, QStringLiteral("P&ositions\u2026"), QStringLiteral("mnuPositions"), chart, services,
                 [](const Chart& c, Services, QWidget* parent) { return new PositionsPage(c, parent); });
    AddChartPage(menu, owner, QStringLiteral("&Bhavas (Houses)\u2026"), QStringLiteral("mnuBhavas"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) { return new frmBhavas(c, s.chartStyle, parent); });
    AddChartPage(menu, owner, QStringLiteral("&Dashas…"), QStringLiteral("actDashas"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) { return new frmDashas(c, s, parent); });
    AddChartPage(menu, owner, QStringLiteral("&Ashtakavarga…"), QStringLiteral("mnuAshtakavarga"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) { return new AshtakavargaPage(c, s.chartStyle, s.preferences, parent); });
    AddChartPage(menu, owner, QStringLiteral("&Jaimini\u2026"), QStringLiteral("mnuJaimini"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) { return new JaiminiPage(c, s.chartStyle, s.preferences, parent); });
    AddChartPage(menu, owner, QStringLiteral("&Yogas\u2026"), QStringLiteral("mnuYogas"), chart, services,
                 [](const Chart& c, Services, QWidget* parent) { return new YogasPage(c, parent); });
    AddMatchWith(menu, owner, chart, services);
    AddChartPage(menu, owner, QStringLiteral("&Panchanga…"), QStringLiteral("mnuPanchanga"), chart, services,
                 [](const Chart& c, Services, QWidget* parent) { return new frmPanchanga(c, parent); });
    AddChartPage(menu, owner, QStringLiteral("&Strengths…"), QStringLiteral("mnuStrengths"), chart, services,
                 [](const Chart& c, Services, QWidget* parent) { return new StrengthsPage(c, parent); });
    AddChartPage(menu, owner, QStringLiteral("&Transits…"), QStringLiteral("mnuTransits"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) {
                     return new frmTransits(c, s.clock, s.chartStyle, parent);
                 });
    AddChartPage(menu, owner, QStringLiteral("Birth t&ime\u2026"), QStringLiteral("mnuBirthTime"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) { return new BirthTimePage(c, s.chartStyle, parent); });
}

}  // namespace velmora
