#include "services/WebLinks.h"

#include <QDesktopServices>

namespace velmora {

QUrl WebPageAddress(WebPage page) {
    switch (page) {
    case WebPage::Help: return QUrl(QStringLiteral("https://velmora.org/help/"));
    case WebPage::Home: return QUrl(QStringLiteral("https://velmora.org/"));
    case WebPage::Download: return QUrl(QStringLiteral("https://velmora.org/download/"));
    case WebPage::Donation: return QUrl(QStringLiteral("https://velmora.org/donate/"));
    case WebPage::CoBranding: return QUrl(QStringLiteral("https://velmora.org/cobrand/"));
    case WebPage::BrandedEdition: return QUrl(QStringLiteral("https://velmora.org/branded-edition/"));
    }
    return {};
}

bool DesktopWebOpener::Open(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool OpenWebPage(WebOpener& opener, WebPage page) { return opener.Open(WebPageAddress(page)); }

}  // namespace velmora
