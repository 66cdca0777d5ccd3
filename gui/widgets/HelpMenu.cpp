#include "widgets/HelpMenu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>

#include "services/Messenger.h"
#include "services/Services.h"
#include "services/WebLinks.h"
#include "widgets/LanguageMenu.h"
#include "widgets/Manual.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

// Opens `page`; when no browser starts, the person is told, the address is
// put on the clipboard to paste into one, and the manual is named for help.
void OpenOrTell(Services services, QWidget* over, WebPage page) {
    if (OpenWebPage(services.web, page)) return;
    const QString address = WebPageAddress(page).toString();
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(address);
    QString text = Tr(QT_TRANSLATE_NOOP("Velmora", "No web browser could be opened for %1. The address is on the "
                                                   "clipboard, to paste into a browser."))
                       .arg(address);
    if (page == WebPage::Help)
        text += Tr(QT_TRANSLATE_NOOP("Velmora", " The manual on this computer is under Help > Contents (F1)."));
    services.messenger.Show(over, text, MessageIcon::Information);
}

QAction* AddLink(QMenu* menu, const char* caption, const char* name, Services services, WebPage page) {
    QAction* action = menu->addAction(QString());
    Translate(action, caption);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, menu,
                     [services, page, menu] { OpenOrTell(services, menu->window(), page); });
    return action;
}

}  // namespace

void AddHelpMenus(QMenuBar* bar, Services services, std::function<void()> showAbout) {
    AddLanguageMenu(bar);
    QMenu* help = bar->addMenu(QString());
    Translate(help, QT_TRANSLATE_NOOP("Velmora", "&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* contents = help->addAction(QString());
    Translate(contents, QT_TRANSLATE_NOOP("Velmora", "&Contents"));
    contents->setObjectName(QStringLiteral("mnuContents"));
    contents->setShortcut(QKeySequence::HelpContents);
    contents->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(contents, &QAction::triggered, bar,
                     [services, bar] { ShowManual(services.messenger, bar->window()); });
    help->addSeparator();
    AddLink(help, QT_TRANSLATE_NOOP("Velmora", "&Online Help"), "mnuOnline", services, WebPage::Help);
    AddLink(help, QT_TRANSLATE_NOOP("Velmora", "&Visit Us Online"), "mnuVisit", services, WebPage::Home);
    help->addSeparator();
    AddLink(help, QT_TRANSLATE_NOOP("Velmora", "Check for Software &Update"), "mnuUpdate", services, WebPage::Download);
    help->addSeparator();
    QAction* about = help->addAction(QString());
    Translate(about, QT_TRANSLATE_NOOP("Velmora", "&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(about, &QAction::triggered, help, [showAbout = std::move(showAbout)] { showAbout(); });

    QAction* donate = bar->addAction(QString());
    Translate(donate, QT_TRANSLATE_NOOP("Velmora", "&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(donate, &QAction::triggered, bar,
                     [services, bar] { OpenOrTell(services, bar->window(), WebPage::Donation); });
}

}  // namespace velmora
