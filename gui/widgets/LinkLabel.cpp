#include "widgets/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include "widgets/Translated.h"

namespace velmora {

LinkLabel::LinkLabel(const QString& text, WebOpener& web, WebPage page, QWidget* parent)
    : WrappedLabel(text, parent), web_(web), page_(page) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    // Tab reaches the link from its first paint on (see paintEvent), or after
    // two seconds should it not be painted by then (scrolled out of view).
    QTimer::singleShot(2000, this, &LinkLabel::TakeFocus);
    setForegroundRole(QPalette::Link);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    setPalette(p);
    setAccessibleName(text);
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Opens %1"), TextRole::AccessibleDescription,
              {WebPageAddress(page).toString()});
}

// Qt lays out the text of a label that takes focus as a rich-text document,
// a tenth of the input form's start-up for its three links, where an
// unfocusable label measures and draws the same text (to the pixel) for much
// less. So a link is drawn the cheap way first and takes focus once drawn,
// before anyone can Tab to it.
void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    TakeFocus();
}

void LinkLabel::TakeFocus() {
    if (focusPolicy() != Qt::StrongFocus) setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Activate();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Activate();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void LinkLabel::Activate() {
    OpenWebPage(web_, page_);
    emit activated();
}

}  // namespace velmora
