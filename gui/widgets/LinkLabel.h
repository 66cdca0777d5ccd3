#pragma once
// A label that opens a web page: link colour, pointing-hand cursor, reachable
// with Tab and activated with Enter or Space as well as a click.

#include <QLabel>

#include "services/WebLinks.h"
#include "widgets/WrappedLabel.h"

namespace velmora {

class LinkLabel : public WrappedLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, WebOpener& web, WebPage page, QWidget* parent = nullptr);

    WebPage page() const { return page_; }

signals:
    void activated();  // after the page was handed to the opener

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Activate();
    void TakeFocus();

    WebOpener& web_;
    WebPage page_;
};

}  // namespace velmora
