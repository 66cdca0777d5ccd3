#include "result/ShodasavargaPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/Varga.h"
#include "presentation/VargaPoints.h"
#include "result/ChartView.h"
#include "services/LanguageChoice.h"
#include "widgets/ChartPageParts.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

constexpr int kVargottamaColumn = kVargaCount + 1;

QString SignName(int sign) { return FromUtf8(WindowTerms().signs[static_cast<std::size_t>(sign)]); }

}  // namespace

QString ShodasavargaPage::VargottamaText(const Chart& chart) {
    QStringList points;
    for (int i = 0; i < kBodyCount; ++i)
        if (chart.vargottama[static_cast<std::size_t>(i)]) points << FromUtf8(WindowTerms().pointNames[static_cast<std::size_t>(i)]);
    return Tr(QT_TRANSLATE_NOOP("Velmora", "Vargottama (the same sign in D1 and D9): %1."))
        .arg(points.isEmpty() ? Tr(QT_TRANSLATE_NOOP("Velmora", "none")) : points.join(QStringLiteral(", ")));
}

ShodasavargaPage::ShodasavargaPage(const Chart& chart, ChartStyleChoice& style, QWidget* parent)
    : QWidget(parent, Qt::Window), chart_(chart) {
    setObjectName(QStringLiteral("frmShodasavarga"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Divisional charts (Shodasavarga) - %1"), TextRole::WindowTitle, {QString::fromStdString(chart.birth.name)});
    QWidget* page = ScrollingPage(this);
    auto* column = new QVBoxLayout(page);

    lblVargottama = new QLabel(VargottamaText(chart), page);
    lblVargottama->setObjectName(QStringLiteral("lblVargottama"));
    QFont bold = lblVargottama->font();
    bold.setBold(true);
    lblVargottama->setFont(bold);
    lblVargottama->setWordWrap(true);
    lblVargottama->setFocusPolicy(Qt::TabFocus);
    lblVargottama->setAccessibleName(lblVargottama->text());
    column->addWidget(lblVargottama);

    // The table: a row a point, a column a varga, and whether it is vargottama.
    tblVargas = new QTableWidget(kBodyCount, kVargaCount + 2, page);
    tblVargas->setObjectName(QStringLiteral("tblVargas"));
    Translate(tblVargas, QT_TRANSLATE_NOOP("Velmora", "Signs in the sixteen divisional charts"), TextRole::AccessibleName);
    tblVargas->verticalHeader()->hide();
    tblVargas->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblVargas->setTabKeyNavigation(false);
    FillTable();
    column->addWidget(tblVargas);

    // The chooser and the style, then the chart.
    auto* chooserRow = new QHBoxLayout;
    auto* vargaCaption = Translated(new QLabel(page), QT_TRANSLATE_NOOP("Velmora", "&Divisional chart:"));
    cboVarga = new QComboBox(page);
    cboVarga->setObjectName(QStringLiteral("cboVarga"));
    for (int v = 0; v < kVargaCount; ++v) cboVarga->addItem(FromUtf8(VargaLabel(v, LanguageChoice::Current())));
    Translate(cboVarga, QT_TRANSLATE_NOOP("Velmora", "Divisional chart"), TextRole::AccessibleName);
    vargaCaption->setBuddy(cboVarga);
    chooserRow->addWidget(vargaCaption);
    chooserRow->addWidget(cboVarga);
    chooserRow->addSpacing(16);
    cboStyle = AddChartStyleChooser(chooserRow, style, page, [this](ChartStyle chosen) { chartVarga->SetStyle(chosen); });
    chooserRow->addStretch(1);
    column->addLayout(chooserRow);

    const int shown = VargaIndexOfFactor(9);
    chartVarga = new ChartView(FromUtf8(VargaLabel(shown, LanguageChoice::Current())), MakeChartDiagram(VargaPointsWithArudhas(chart, shown)), style.Style(), page);
    chartVarga->setObjectName(QStringLiteral("chartVarga"));
    fraChart = new QGroupBox(FromUtf8(VargaLabel(shown, LanguageChoice::Current())), page);
    fraChart->setObjectName(QStringLiteral("fraChart"));
    auto* frame = new QVBoxLayout(fraChart);
    frame->setContentsMargins(4, 4, 4, 4);
    frame->addWidget(chartVarga);
    column->addWidget(fraChart, 1);
    cboVarga->setCurrentIndex(shown);

    connect(cboVarga, &QComboBox::currentIndexChanged, this, &ShodasavargaPage::ShowVarga);

    // Tab: the vargottama line, the table, the chooser, the style, the chart house by house.
    QList<QWidget*> chain{lblVargottama, tblVargas, cboVarga, cboStyle};
    chain << chartVarga->HouseSpots();
    SetPageKeys(this, chain);
    // The texts made from the chart again in each language chosen.
    OnLanguageChange(this, [this] {
        lblVargottama->setText(VargottamaText(chart_));
        lblVargottama->setAccessibleName(lblVargottama->text());
        for (int v = 0; v < kVargaCount; ++v) cboVarga->setItemText(v, FromUtf8(VargaLabel(v, LanguageChoice::Current())));
        FillTable();
        ShowVarga(cboVarga->currentIndex());
    });

    FitOnScreen(this, QSize(900, 860));
}

void ShodasavargaPage::FillTable() {
    const Chart& chart = chart_;
    QStringList headers{Tr(QT_TRANSLATE_NOOP("Velmora", "Point"))};
    for (int v = 0; v < kVargaCount; ++v) headers << FromUtf8(VargaShortLabel(v));
    headers << Tr(QT_TRANSLATE_NOOP("Velmora", "Vargottama"));
    tblVargas->setHorizontalHeaderLabels(headers);
    for (int v = 0; v < kVargaCount; ++v) tblVargas->horizontalHeaderItem(v + 1)->setToolTip(FromUtf8(VargaLabel(v, LanguageChoice::Current())));
    const int navamsa = VargaIndexOfFactor(9);
    for (int i = 0; i < kBodyCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        tblVargas->setItem(i, 0, new QTableWidgetItem(FromUtf8(WindowTerms().pointNames[at])));
        for (int v = 0; v < kVargaCount; ++v) {
            const int sign = chart.vargas[static_cast<std::size_t>(v)][at];
            auto* item = new QTableWidgetItem(FromUtf8(WindowTerms().signShort[static_cast<std::size_t>(sign)]));
            // Read out in full: "Aries", not "Ari".
            item->setData(Qt::AccessibleTextRole, SignName(sign));
            item->setToolTip(FromUtf8(VargaLabel(v, LanguageChoice::Current())) + QStringLiteral(": ") + SignName(sign));
            if (chart.vargottama[at] && (v == 0 || v == navamsa)) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
                item->setBackground(QColor(255, 240, 160));
            }
            tblVargas->setItem(i, v + 1, item);
        }
        tblVargas->setItem(i, kVargottamaColumn,
                           new QTableWidgetItem(chart.vargottama[at] ? Tr(QT_TRANSLATE_NOOP("Velmora", "yes"))
                                                                     : Tr(QT_TRANSLATE_NOOP("Velmora", "no"))));
    }
    tblVargas->resizeColumnsToContents();
    tblVargas->resizeRowsToContents();
    tblVargas->setMinimumHeight(tblVargas->horizontalHeader()->sizeHint().height() + tblVargas->verticalHeader()->length() +
                                2 * tblVargas->frameWidth());
}

void ShodasavargaPage::ShowVarga(int varga) {
    if (varga < 0 || varga >= kVargaCount) return;
    if (cboVarga->currentIndex() != varga) cboVarga->setCurrentIndex(varga);  // calls back here
    const QString label = FromUtf8(VargaLabel(varga, LanguageChoice::Current()));
    fraChart->setTitle(label);
    chartVarga->SetChart(label, MakeChartDiagram(VargaPointsWithArudhas(chart_, varga)));
}

}  // namespace velmora
