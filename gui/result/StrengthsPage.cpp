#include "result/StrengthsPage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/Strengths.h"
#include "presentation/StrengthLabels.h"
#include "result/SunriseChoice.h"
#include "widgets/ChartPageParts.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"
#include "services/LanguageChoice.h"

namespace velmora {

namespace {

// A read-only table of one StrengthTable: its header over the columns, the
// first column's labels at the left, the numbers at the right.
QTableWidget* TableOf(const StrengthTable& t, QWidget* parent) {
    auto* table = new QTableWidget(static_cast<int>(t.rows.size()), static_cast<int>(t.header.size()), parent);
    table->setAccessibleName(FromUtf8(t.title));
    QStringList header;
    for (const std::string& h : t.header) header << FromUtf8(h);
    table->setHorizontalHeaderLabels(header);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    for (int r = 0; r < table->rowCount(); ++r) {
        const auto& row = t.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(ShownDigits(FromUtf8(row[static_cast<std::size_t>(c)])));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
    return table;
}

}  // namespace

StrengthsPage::StrengthsPage(const Chart& chart, QWidget* parent) : QWidget(parent, Qt::Window), chart_(chart) {
    setObjectName(QStringLiteral("StrengthsPage"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Strengths - %1"), TextRole::WindowTitle, {FromUtf8(chart.birth.name)});
    auto* column = new QVBoxLayout(this);

    cboSunrise = AddSunriseChoice(column, this);

    tabTables = new QTabWidget(this);
    tabTables->setObjectName(QStringLiteral("tabTables"));
    Translate(tabTables, QT_TRANSLATE_NOOP("Velmora", "Strength tables"), TextRole::AccessibleName);
    column->addWidget(tabTables, 1);
    lblNote = AddPageNote(column, this);

    connect(cboSunrise, &QComboBox::currentIndexChanged, this, &StrengthsPage::Fill);
    SetPageKeys(this, {cboSunrise, tabTables, lblNote});
    Fill();
    OnLanguageChange(this, [this] { Fill(); });
    FitOnScreen(this, QSize(760, 520));
}

void StrengthsPage::Fill() {
    const StrengthsOutcome outcome = ComputeStrengths(chart_, SunriseChosen(cboSunrise));
    const int shown = tabTables->currentIndex();
    while (tabTables->count() > 0) {
        QWidget* page = tabTables->widget(0);
        tabTables->removeTab(0);
        delete page;
    }
    for (const StrengthTable& table : StrengthTables(outcome, LanguageChoice::Current())) {
        // "Shadbala (virupas; …)": the tab takes the words before the bracket.
        const std::string title = table.title.substr(0, table.title.find(" ("));
        tabTables->addTab(TableOf(table, tabTables), FromUtf8(title));
    }
    if (shown >= 0 && shown < tabTables->count()) tabTables->setCurrentIndex(shown);
    cboSunrise->setEnabled(outcome.balas.has_value());
    QStringList notes;
    for (const std::string& note : StrengthNotes(outcome, LanguageChoice::Current())) notes << FromUtf8(note) + QLatin1Char('.');
    lblNote->setText(notes.join(QLatin1Char(' ')));
    lblNote->setAccessibleName(lblNote->text());
}

}  // namespace velmora
