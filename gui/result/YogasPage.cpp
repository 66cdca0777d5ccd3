#include "result/YogasPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "presentation/VargaPoints.h"
#include "presentation/YogaLabels.h"
#include "widgets/ChartPageParts.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"
#include "presentation/Phrases.h"
#include "services/LanguageChoice.h"

namespace velmora {

YogasPage::YogasPage(const Chart& chart, QWidget* parent) : QWidget(parent, Qt::Window), chart_(chart) {
    setObjectName(QStringLiteral("frmYogas"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Yogas - %1"), TextRole::WindowTitle,
              {QString::fromStdString(chart.birth.name)});
    QWidget* page = ScrollingPage(this);
    auto* grid = new QGridLayout(page);

    lblSummary = SummaryLabel(QString(), QStringLiteral("lblSummary"), page);
    // In the language and its digits, again at each change of either.
    const auto summary = [this] {
        lblSummary->setText(
            Tr(QT_TRANSLATE_NOOP("Velmora", "The yogas of a catalogue of %1 (Brihat Parashara Hora Shastra, "
                                            "Phaladeepika, Saravali and B. V. Raman's Three Hundred Important "
                                            "Combinations) present in the varga chosen, each with the planets "
                                            "forming it and its source; the doshas of the birth chart below."))
                .arg(ShownDigits(QString::number(YogaCatalogue().size()))));
        lblSummary->setAccessibleName(lblSummary->text());
    };
    summary();
    OnLanguageChange(this, summary);
    grid->addWidget(lblSummary, 0, 0);

    auto* chooserRow = new QHBoxLayout;
    auto* vargaCaption = Translated(new QLabel(page), QT_TRANSLATE_NOOP("Velmora", "&Varga:"));
    cboVarga = new QComboBox(page);
    cboVarga->setObjectName(QStringLiteral("cboVarga"));
    for (int v = 0; v < kVargaCount; ++v) cboVarga->addItem(FromUtf8(VargaLabel(v, LanguageChoice::Current())));
    Translate(cboVarga, QT_TRANSLATE_NOOP("Velmora", "Varga the yogas are read in"), TextRole::AccessibleName);
    vargaCaption->setBuddy(cboVarga);
    chooserRow->addWidget(vargaCaption);
    chooserRow->addWidget(cboVarga);
    chooserRow->addStretch(1);
    grid->addLayout(chooserRow, 1, 0);

    tblYogas = new QTableWidget(0, static_cast<int>(std::size(kYogaHeadings)), page);
    tblYogas->setObjectName(QStringLiteral("tblYogas"));
    Translate(tblYogas, QT_TRANSLATE_NOOP("Velmora", "Yogas present"), TextRole::AccessibleName);
    tblYogas->verticalHeader()->hide();
    tblYogas->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblYogas->setTabKeyNavigation(false);
    tblYogas->horizontalHeader()->setStretchLastSection(true);
    tblYogas->setMinimumHeight(12 * (tblYogas->fontMetrics().lineSpacing() + 6));
    grid->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "Yogas"), tblYogas, page), 2, 0);

    lblDoshas = new QLabel(page);
    lblDoshas->setObjectName(QStringLiteral("lblDoshas"));
    lblDoshas->setWordWrap(true);
    lblDoshas->setFocusPolicy(Qt::TabFocus);
    Translate(lblDoshas, QT_TRANSLATE_NOOP("Velmora", "Doshas"), TextRole::AccessibleName);
    grid->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "Doshas"), lblDoshas, page), 3, 0);
    grid->setRowStretch(2, 1);

    ShowDoshas();
    ShowVarga(0);
    // The tables again in each language chosen.
    OnLanguageChange(this, [this] {
        lblSummary->setAccessibleName(lblSummary->text());
        for (int v = 0; v < kVargaCount; ++v) cboVarga->setItemText(v, FromUtf8(VargaLabel(v, LanguageChoice::Current())));
        ShowDoshas();
        ShowVarga(cboVarga->currentIndex());
    });
    connect(cboVarga, &QComboBox::currentIndexChanged, this, [this](int index) { ShowVarga(index); });

    SetPageKeys(this, {lblSummary, cboVarga, tblYogas, lblDoshas});
    FitOnScreen(this, QSize(980, 760));
}

void YogasPage::ShowDoshas() {
    QString doshaText;
    for (const std::string& line : DoshaLines(YogasOf(chart_, 0), LanguageChoice::Current())) {
        if (!doshaText.isEmpty()) doshaText += QLatin1Char('\n');
        doshaText += FromUtf8(line);
    }
    lblDoshas->setText(doshaText);
    lblDoshas->setAccessibleDescription(doshaText);
}

void YogasPage::ShowVarga(int varga) {
    if (cboVarga->currentIndex() != varga) cboVarga->setCurrentIndex(varga);
    QStringList headings;
    for (std::string_view h : kYogaHeadings) headings << FromUtf8(SayIfPhrase(LanguageChoice::Current(), h));
    tblYogas->setHorizontalHeaderLabels(headings);
    const YogaReading r = YogasOf(chart_, YogaVargaBit(varga));
    const std::vector<YogaRow> rows = YogaRows(r.vargas.front(), LanguageChoice::Current());
    tblYogas->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const YogaRow& row = rows[static_cast<std::size_t>(i)];
        const std::string* cells[] = {&row.name, &row.planets, &row.family, &row.source};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(FromUtf8(*cells[c]));
            item->setToolTip(item->text());
            tblYogas->setItem(i, c, item);
        }
    }
    tblYogas->resizeColumnsToContents();
    tblYogas->resizeRowsToContents();
    if (!rows.empty()) tblYogas->setCurrentCell(0, 0);
}

}  // namespace velmora
