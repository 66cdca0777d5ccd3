#include "widgets/HelpMenu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>

#include "services/Messenger.h"
#include "services/Services.h"
#include "services/WebLinks.h"
#include "widgets/Manual.h"

namespace velmora {

namespace {

// Opens `page`; when no browser starts, the person is told, the address is
// put on the clipboard to paste into one, and the manual is named for help.
void OpenOrTell(Services services, QWidget* over, WebPage page) {
    if (OpenWebPage(services.web, page)) return;
    const QString address = WebPageAddress(page).toString();
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(address);
    QString text = QStringLiteral("No web browser could be opened for %1. The address is on the clipboard, to "
                                  "paste into a browser.")
                       .arg(address);
    if (page == WebPage::Help)
        text += QStringLiteral(" The manual on this computer is under Help > Contents (F1).");
    services.messenger.Show(over, text, MessageIcon::Information);
}

QAction* AddLink(QMenu* menu, const QString& caption, const char* name, Services services, WebPage page) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, menu,
                     [services, page, menu] { OpenOrTell(services, menu->window(), page); });
    return action;
}

}  // namespace

void AddHelpMenus(QMenuBar* bar, Services services, std::function<void()> showAbout) {
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* contents = help->addAction(QStringLiteral("&Contents"));
    contents->setObjectName(QStringLiteral("mnuContents"));
    contents->setShortcut(QKeySequence::HelpContents);
    contents->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(contents, &QAction::triggered, bar,
                     [services, bar] { ShowManual(services.messenger, bar->window()); });
    help->addSeparator();
    AddLink(help, QStringLiteral("&Online Help"), "mnuOnline", services, WebPage::Help);
    AddLink(help, QStringLiteral("&Visit Us Online"), "mnuVisit", services, WebPage::Home);
    help->addSeparator();
    AddLink(help, QStringLiteral("Check for Software &Update"), "mnuUpdate", services, WebPage::Download);
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, help, [showAbout = std::move(showAbout)] { showAbout(); });

    QAction* donate = bar->addAction(QStringLiteral("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(donate, &QAction::triggered, bar,
                     [services, bar] { OpenOrTell(services, bar->window(), WebPage::Donation); });
}

}  // namespace velmora
