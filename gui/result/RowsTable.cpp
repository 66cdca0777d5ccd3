#include "result/RowsTable.h"

#include <QHeaderView>
#include <QTableWidget>

#include "widgets/Utf8Text.h"
#include "services/LanguageChoice.h"

namespace velmora {

QTableWidget* MakeRowsTable(const QString& objectName, const QString& accessibleName, QWidget* parent) {
    auto* table = new QTableWidget(0, 2, parent);
    table->setObjectName(objectName);
    table->setAccessibleName(accessibleName);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    // The captions' column as wide as its longest caption, in whatever
    // language and font the window has come to; the texts take the rest and
    // wrap onto more lines rather than being cut.
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->setWordWrap(true);
    table->setTextElideMode(Qt::ElideNone);
    return table;
}

void FillRows(QTableWidget* table, const std::vector<LabelRow>& rows) {
    table->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const LabelRow& row = rows[static_cast<std::size_t>(i)];
        table->setItem(i, 0, new QTableWidgetItem(FromUtf8(row.label)));
        auto* text = new QTableWidgetItem(ShownDigits(FromUtf8(row.text)));
        text->setToolTip(text->text());  // the whole text where the column cuts it
        table->setItem(i, 1, text);
    }
    // Room for every row on one line; a row wrapped in a narrow window scrolls.
    table->setMinimumHeight(table->rowCount() * table->verticalHeader()->defaultSectionSize() +
                            2 * table->frameWidth() + 2);
}

}  // namespace velmora
