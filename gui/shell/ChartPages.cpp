#include "shell/ChartPages.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QWidget>

#include "result/frmDashas.h"

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
    AddChartPage(menu, owner, QStringLiteral("&Dashas…"), QStringLiteral("actDashas"), chart, services,
                 [](const Chart& c, Services s, QWidget* parent) { return new frmDashas(c, s, parent); });
}

}  // namespace velmora
