#include "result/frmBhavas.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "presentation/BhavaPoints.h"
#include "result/ChartView.h"
#include "widgets/ChartPageParts.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"
#include "presentation/Glossary.h"
#include "presentation/ChartNotes.h"
#include "services/LanguageChoice.h"

namespace velmora {

namespace {

void Fill(QTableWidget* table, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c) table->setItem(row, c, new QTableWidgetItem(cells[c]));
}

// Tall and wide enough for every row and column, without scroll bars.
void FitRows(QTableWidget* table) {
    table->resizeColumnsToContents();
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setMinimumHeight(table->horizontalHeader()->sizeHint().height() + table->verticalHeader()->length() +
                            2 * table->frameWidth());
    table->setMinimumWidth(table->horizontalHeader()->length() + 2 * table->frameWidth());
}

}  // namespace

QString frmBhavas::Summary(const Chart& chart) {
    if (chart.mode != ComputationMode::Precise)
        return Tr(QT_TRANSLATE_NOOP("Velmora", "A classic chart has no house cusps: choose precise positions on the "
                                               "form for the bhavas."));
    QString text = FromUtf8(BhavaHeading(chart, LanguageChoice::Current())) + QLatin1Char('.');
    text += QLatin1Char(' ') + QString::fromStdString(chart.ayanamsaLabel) +
            (chart.positions == PositionKind::True ? Tr(QT_TRANSLATE_NOOP("Velmora", ", true positions."))
                                                   : Tr(QT_TRANSLATE_NOOP("Velmora", ", apparent positions.")));
    return text;
}

frmBhavas::frmBhavas(const Chart& chart, const ChartStyleChoice& style, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmBhavas"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Bhavas (houses) - %1"), TextRole::WindowTitle, {QString::fromStdString(chart.birth.name)});
    QWidget* page = ScrollingPage(this);
    auto* grid = new QGridLayout(page);

    lblSummary = SummaryLabel(Summary(chart), QStringLiteral("lblSummary"), page);
    grid->addWidget(lblSummary, 0, 0, 1, 3);

    // Its text (Placidus houses beyond the polar circles) in the language, with the rows below.
    lblNote = new QLabel(page);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    lblNote->setFocusPolicy(Qt::TabFocus);
    lblNote->setStyleSheet(QStringLiteral("color: #800000"));
    lblNote->setVisible(!chart.housesNote.empty());
    grid->addWidget(lblNote, 1, 0, 1, 3);

    QList<QWidget*> chain{lblSummary, lblNote};
    if (chart.mode == ComputationMode::Precise) {
        tblCusps = TranslatedTable(12,
                         {QT_TRANSLATE_NOOP("Velmora", "House"), QT_TRANSLATE_NOOP("Velmora", "Begins at"),
                          QT_TRANSLATE_NOOP("Velmora", "Points")},
                         QStringLiteral("tblCusps"), QT_TRANSLATE_NOOP("Velmora", "House cusps"), page);
        grid->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "Cusps"), tblCusps, page), 2, 0, Qt::AlignTop);

        tblBhavas = TranslatedTable(kBodyCount,
                          {QT_TRANSLATE_NOOP("Velmora", "Point"), QT_TRANSLATE_NOOP("Velmora", "Sign"),
                           QT_TRANSLATE_NOOP("Velmora", "House")},
                          QStringLiteral("tblBhavas"), QT_TRANSLATE_NOOP("Velmora", "Each point's house"), page);
        // The rows, written again in each language chosen.
        const auto fill = [this, chart] {
            const QString note = ShownDigits(FromUtf8(HousesNoteIn(chart, LanguageChoice::Current())));
            lblNote->setText(note);
            lblNote->setAccessibleName(note);
            for (const BhavaRow& row : BhavaRows(chart, LanguageChoice::Current()))
                Fill(tblCusps, row.house - 1,
                     {ShownDigits(QString::number(row.house)), ShownDigits(FromUtf8(row.cusp)), FromUtf8(row.points)});
            FitRows(tblCusps);
            const Glossary& glossary = GlossaryOf(LanguageChoice::Current());
            for (int i = 0; i < kBodyCount; ++i) {
                const auto at = static_cast<std::size_t>(i);
                Fill(tblBhavas, i,
                     {FromUtf8(glossary.pointNames[at]),
                      FromUtf8(glossary.signs[static_cast<std::size_t>(chart.points[at].sign)]),
                      ShownDigits(QString::number(chart.bhavas[at]))});
            }
            FitRows(tblBhavas);
        };
        fill();
        OnLanguageChange(this, fill);
        grid->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "Each point's house"), tblBhavas, page), 2, 1, Qt::AlignTop);

        const char* title = QT_TRANSLATE_NOOP("Velmora", "Bhava chart (bhava chalit)");
        bhavaChart = new ChartView(Tr(title), MakeChartDiagram(BhavaPoints(chart)), style.Style(), page);
        style.Follow(bhavaChart, [chart = bhavaChart](ChartStyle chosen) { chart->SetStyle(chosen); });
        OnLanguageChange(bhavaChart, [view = bhavaChart, title] { view->SetChart(Tr(title), view->Diagram()); });
        bhavaChart->setObjectName(QStringLiteral("bhavaChart"));
        grid->addWidget(Framed(title, bhavaChart, page), 2, 2);
        grid->setColumnStretch(2, 1);
        grid->setRowStretch(2, 1);
        chain << tblCusps << tblBhavas << bhavaChart->HouseSpots();
    }
    SetPageKeys(this, chain);
    OnLanguageChange(this, [this, chart] {
        lblSummary->setText(Summary(chart));
        lblSummary->setAccessibleName(lblSummary->text());
    });

    FitOnScreen(this, QSize(900, 640));
}

}  // namespace velmora
