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
    // Asks the desktop to show `url`; false when no browser could be
    // started. A failure changes nothing else.
    virtual bool Open(const QUrl& url) = 0;
};

// The real one: QDesktopServices.
class DesktopWebOpener : public WebOpener {
public:
    bool Open(const QUrl& url) override;
};

// Opens one of the pages above; false when no browser could be started.
bool OpenWebPage(WebOpener& opener, WebPage page);

}  // namespace velmora
