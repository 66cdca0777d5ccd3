#pragma once
// The web pages the program links to, and the one way a page is opened.

#include <QUrl>

namespace velmora {

enum class WebPage { Help, Home, Download, Donation, CoBranding, BrandedEdition };

// The fixed address of each page.
QUrl WebPageAddress(WebPage page);

// Opening a page goes through this interface so that tests can capture it
// instead of starting a browser.
class WebOpener {
public:
    virtual ~WebOpener() = default;
    // Asks the desktop to show `url`; a failure is silent and changes nothing.
    virtual void Open(const QUrl& url) = 0;
};

// The real one: QDesktopServices.
class DesktopWebOpener : public WebOpener {
public:
    void Open(const QUrl& url) override;
};

// Opens one of the pages above.
void OpenWebPage(WebOpener& opener, WebPage page);

}  // namespace velmora
