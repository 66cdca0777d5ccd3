#include "widgets/ChartPageParts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QHeaderView>
#include <QTableWidget>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "services/ChartStyleChoice.h"
#include "widgets/Translated.h"

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

QTableWidget* TranslatedTable(int rows, std::vector<const char*> headers, const QString& objectName,
                              const char* spoken, QWidget* parent) {
    auto* table = new QTableWidget(rows, static_cast<int>(headers.size()), parent);
    table->setObjectName(objectName);
    Translate(table, spoken, TextRole::AccessibleName);
    TranslateItems(table, std::move(headers));
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    return table;
}

QGroupBox* Framed(const QString& title, QWidget* inside, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(inside);
    return box;
}

QGroupBox* Framed(const char* title, QWidget* inside, QWidget* parent) {
    QGroupBox* box = Framed(QString(), inside, parent);
    Translate(box, title);
    return box;
}

QComboBox* AddChartStyleChooser(QBoxLayout* row, ChartStyle current, QWidget* parent) {
    auto* caption = Translated(new QLabel(parent), QT_TRANSLATE_NOOP("Velmora", "Chart &style:"));
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("cboStyle"));
    box->addItems({QString(), QString()});
    TranslateItems(box, {QT_TRANSLATE_NOOP("Velmora", "South-Indian (signs fixed)"),
                         QT_TRANSLATE_NOOP("Velmora", "North-Indian (houses fixed)")});
    box->setCurrentIndex(current == ChartStyle::North ? 1 : 0);
    Translate(box, QT_TRANSLATE_NOOP("Velmora", "Chart style"), TextRole::AccessibleName);
    caption->setBuddy(box);
    row->addWidget(caption);
    row->addWidget(box);
    return box;
}

QComboBox* AddChartStyleChooser(QBoxLayout* row, ChartStyleChoice& choice, QWidget* parent,
                                std::function<void(ChartStyle)> chosen) {
    QComboBox* box = AddChartStyleChooser(row, choice.Style(), parent);
    QObject::connect(box, &QComboBox::currentIndexChanged, &choice,
                     [&choice](int index) { choice.Choose(index == 1 ? ChartStyle::North : ChartStyle::South); });
    // A style chosen here or in any other window: the list shows it and the
    // page redraws.
    choice.Follow(box, [box, chosen = std::move(chosen)](ChartStyle style) {
        box->setCurrentIndex(style == ChartStyle::North ? 1 : 0);
        chosen(style);
    });
    return box;
}

namespace {

// Escape that no control of the page took closes the page. An open list or
// calendar is a window of its own and takes the key first, as in a dialog,
// so the first Escape closes only that.
class CloseOnEscape : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            auto* page = qobject_cast<QWidget*>(watched);
            if (page && key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                page->close();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void CloseWithEscape(QWidget* page) { page->installEventFilter(new CloseOnEscape(page)); }

void SetPageKeys(QWidget* page, const QList<QWidget*>& tabChain) {
    for (qsizetype i = 1; i < tabChain.size(); ++i) QWidget::setTabOrder(tabChain[i - 1], tabChain[i]);
    CloseWithEscape(page);
}

}  // namespace velmora
