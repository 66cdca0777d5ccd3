#pragma once
// The place look-up's web search: shows a map search for a place in the
// default browser, where the user reads off its latitude and longitude.

#include <QString>
#include <QUrl>

namespace velmora {

class WebOpener;

class WebSearch {
public:
    explicit WebSearch(WebOpener& opener);

    // Opens the map search for `searchText`. `homePage` is the address of the
    // site that asks; the map search needs nothing from it. Returns whether
    // an address was handed to the browser; nothing is read back and a
    // browser that fails to start is not reported.
    bool Search(const QString& searchText, const QUrl& homePage);

    // The search page's address. Every character of the text that could
    // change the address ('&', '#', '?', '/', '+', '%', spaces, non-ASCII) is
    // percent-encoded, so the whole text always arrives as one query value.
    static QUrl SearchAddress(const QString& searchText);

private:
    WebOpener& opener_;
};

}  // namespace velmora
