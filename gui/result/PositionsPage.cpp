#include "result/PositionsPage.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/PointDetails.h"
#include "presentation/ChartNotes.h"
#include "presentation/PointDetailLabels.h"
#include "widgets/ChartPageParts.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"
#include "presentation/Phrases.h"
#include "services/LanguageChoice.h"

namespace velmora {

QString PositionsPage::Summary(const Chart& chart) {
    if (chart.mode != ComputationMode::Precise)
        return Tr(QT_TRANSLATE_NOOP("Velmora", "Classic positions (the program's own model): the engine computes no speeds."));
    return ShownDigits(FromUtf8(ModeTextIn(chart, LanguageChoice::Current()))) + Tr(QT_TRANSLATE_NOOP("Velmora", ". Speeds in degrees a day."));
}

PositionsPage::PositionsPage(const Chart& chart, QWidget* parent) : QWidget(parent, Qt::Window), chart_(chart) {
    setObjectName(QStringLiteral("frmPositions"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Positions - %1"), TextRole::WindowTitle, {QString::fromStdString(chart.birth.name)});
    QWidget* page = ScrollingPage(this);
    auto* column = new QVBoxLayout(page);

    lblSummary = SummaryLabel(Summary(chart), QStringLiteral("lblSummary"), page);
    column->addWidget(lblSummary);

    tblPositions = new QTableWidget(0, static_cast<int>(kPointDetailHeadings.size()), page);
    tblPositions->setObjectName(QStringLiteral("tblPositions"));
    Translate(tblPositions, QT_TRANSLATE_NOOP("Velmora", "The ten points in full"), TextRole::AccessibleName);
    tblPositions->verticalHeader()->hide();
    tblPositions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPositions->setTabKeyNavigation(false);
    Fill(chart);
    column->addWidget(tblPositions);

    lblSources = new QLabel(page);
    Translate(lblSources,
        QT_TRANSLATE_NOOP("Velmora", "Dignity: Brihat Parashara Hora Shastra ch. 3 (exaltation, moolatrikona, own sign, and the "
                       "compound of the natural and temporary relations to the sign's lord). Combustion: the Surya "
                       "Siddhanta's orbs (Moon 12°, Mars 17°, Mercury 14° or 12° retrograde, Jupiter 11°, Venus 10° "
                       "or 8° retrograde, Saturn 15°). War: two of Mars to Saturn less than 1° apart, the planet "
                       "to the north (greater latitude) winning."));
    lblSources->setObjectName(QStringLiteral("lblSources"));
    lblSources->setWordWrap(true);
    lblSources->setFocusPolicy(Qt::TabFocus);
    lblSources->setAccessibleName(lblSources->text());
    column->addWidget(lblSources);
    column->addStretch(1);

    SetPageKeys(this, {lblSummary, tblPositions, lblSources});
    // The table and the notes again in each language chosen.
    OnLanguageChange(this, [this] {
        lblSummary->setText(Summary(chart_));
        lblSummary->setAccessibleName(lblSummary->text());
        lblSources->setAccessibleName(lblSources->text());
        Fill(chart_);
    });
    FitOnScreen(this, QSize(1100, 520));
}

void PositionsPage::Fill(const Chart& chart) {
    const Language language = LanguageChoice::Current();
    const auto rows = PointDetailRows(PointDetailsOf(chart), language);
    tblPositions->setRowCount(static_cast<int>(rows.size()));
    QStringList headers;
    for (std::string_view heading : kPointDetailHeadings) headers << FromUtf8(SayIfPhrase(language, heading));
    tblPositions->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const PointDetailRow& row = rows[static_cast<std::size_t>(r)];
        const std::string* cells[] = {&row.point, &row.longitude, &row.sign,    &row.nakshatra,
                                      &row.pada,  &row.lord,      &row.speed,   &row.motion,
                                      &row.dignity, &row.combust, &row.war};
        static_assert(std::size(cells) == kPointDetailHeadings.size());
        for (int c = 0; c < static_cast<int>(std::size(cells)); ++c) {
            auto* item = new QTableWidgetItem(ShownDigits(FromUtf8(*cells[c])));
            item->setToolTip(headers[c] + QStringLiteral(": ") + item->text());
            tblPositions->setItem(r, c, item);
        }
    }
    tblPositions->resizeColumnsToContents();
    tblPositions->resizeRowsToContents();
    tblPositions->setMinimumHeight(tblPositions->horizontalHeader()->sizeHint().height() +
                                   tblPositions->verticalHeader()->length() + 2 * tblPositions->frameWidth());
}

}  // namespace velmora
