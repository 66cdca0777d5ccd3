#include "entry/WebSearch.h"

#include "services/WebLinks.h"

namespace velmora {

WebSearch::WebSearch(WebOpener& opener) : opener_(opener) {}

QUrl WebSearch::SearchAddress(const QString& searchText) {
    QUrl url(QStringLiteral("https://www.openstreetmap.org/search"));
    // Only the unreserved characters (letters, digits, "-._~") stay as they are.
    url.setQuery(QStringLiteral("query=") + QString::fromLatin1(QUrl::toPercentEncoding(searchText)),
                 QUrl::StrictMode);
    return url;
}

bool WebSearch::Search(const QString& searchText, [[maybe_unused]] const QUrl& homePage) {
    const QUrl url = SearchAddress(searchText);
    if (!url.isValid()) return false;
    opener_.Open(url);
    return true;
}

}  // namespace velmora
