#include "widgets/ChartPageParts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace velmora {

QGridLayout* ScrollingPage(QWidget* window, QWidget*& page) {
    auto* scroll = new QScrollArea(window);
    scroll->setObjectName(QStringLiteral("scrollPage"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    page = new QWidget(scroll);
    page->setObjectName(QStringLiteral("page"));
    scroll->setWidget(page);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    return new QGridLayout(page);
}

QLabel* SummaryLabel(const QString& text, const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setWordWrap(true);
    label->setFocusPolicy(Qt::TabFocus);
    label->setAccessibleName(text);
    return label;
}

QGroupBox* Framed(const QString& title, QWidget* inside, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(inside);
    return box;
}

}  // namespace velmora
