#include "shell/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace velmora {

LinkLabel::LinkLabel(const QString& text, WebOpener& web, WebPage page, QWidget* parent)
    : QLabel(text, parent), web_(web), page_(page) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setForegroundRole(QPalette::Link);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    setPalette(p);
    setAccessibleName(text);
    setAccessibleDescription(QStringLiteral("Opens %1").arg(WebPageAddress(page).toString()));
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
