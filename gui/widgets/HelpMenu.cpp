#include "widgets/HelpMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "services/WebLinks.h"

namespace velmora {

namespace {

QAction* AddLink(QMenu* menu, const QString& caption, const char* name, WebOpener& web, WebPage page) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, menu, [&web, page] { OpenWebPage(web, page); });
    return action;
}

}  // namespace

void AddHelpMenus(QMenuBar* bar, WebOpener& web, std::function<void()> showAbout) {
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    AddLink(help, QStringLiteral("&Online Help"), "mnuOnline", web, WebPage::Help);
    AddLink(help, QStringLiteral("&Visit Us Online"), "mnuVisit", web, WebPage::Home);
    help->addSeparator();
    AddLink(help, QStringLiteral("Check for Software &Update"), "mnuUpdate", web, WebPage::Download);
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, help, [showAbout = std::move(showAbout)] { showAbout(); });

    QAction* donate = bar->addAction(QStringLiteral("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(donate, &QAction::triggered, bar, [&web] { OpenWebPage(web, WebPage::Donation); });
}

}  // namespace velmora
