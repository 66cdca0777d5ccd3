#include "widgets/ChartPageParts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

namespace velmora {

QWidget* ScrollingPage(QWidget* window) {
    auto* scroll = new QScrollArea(window);
    scroll->setObjectName(QStringLiteral("scrollPage"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* page = new QWidget(scroll);
    page->setObjectName(QStringLiteral("page"));
    scroll->setWidget(page);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    return page;
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

QComboBox* AddChartStyleChooser(QBoxLayout* row, ChartStyle current, QWidget* parent) {
    auto* caption = new QLabel(QStringLiteral("Chart &style:"), parent);
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("cboStyle"));
    box->addItems({QStringLiteral("South-Indian (signs fixed)"), QStringLiteral("North-Indian (houses fixed)")});
    box->setCurrentIndex(current == ChartStyle::North ? 1 : 0);
    box->setAccessibleName(QStringLiteral("Chart style"));
    caption->setBuddy(box);
    row->addWidget(caption);
    row->addWidget(box);
    return box;
}

QComboBox* AddChartStyleChooser(QBoxLayout* row, ChartStyleChoice& choice, QWidget* parent,
                                std::function<void(ChartStyle)> chosen) {
    QComboBox* box = AddChartStyleChooser(row, choice.style, parent);
    QObject::connect(box, &QComboBox::currentIndexChanged, parent,
                     [&choice, chosen = std::move(chosen)](int index) {
                         choice.style = index == 1 ? ChartStyle::North : ChartStyle::South;
                         chosen(choice.style);
                     });
    return box;
}

void SetPageKeys(QWidget* page, const QList<QWidget*>& tabChain) {
    for (qsizetype i = 1; i < tabChain.size(); ++i) QWidget::setTabOrder(tabChain[i - 1], tabChain[i]);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), page);
    close->setContext(Qt::WindowShortcut);
    QObject::connect(close, &QShortcut::activated, page, &QWidget::close);
}

}  // namespace velmora
