#include "result/JaiminiPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "analysis/SignFacts.h"
#include "presentation/PointDetailLabels.h"
#include "presentation/Phrases.h"
#include "result/ChartView.h"
#include "services/Preferences.h"
#include "widgets/ChartPageParts.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"
#include "services/LanguageChoice.h"

namespace velmora {

namespace {

// A cell in the digits the person chose (a house's number, a karaka's
// degrees, the argala's houses).
void Set(QTableWidget* table, int row, int column, const QString& cellText) {
    const QString text = ShownDigits(cellText);
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(text);
    table->setItem(row, column, item);
}

// Tall and wide enough for every row and column.
void Fit(QTableWidget* table) {
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setMinimumHeight(table->horizontalHeader()->sizeHint().height() + table->verticalHeader()->length() +
                            2 * table->frameWidth());
    table->setMinimumWidth(table->horizontalHeader()->length() + 2 * table->frameWidth());
}

QString SignName(int sign) { return FromUtf8(WindowTerms().signs[static_cast<std::size_t>(Wrapped(sign))]); }

}  // namespace

JaiminiPage::JaiminiPage(const Chart& chart, ChartStyleChoice& style, Preferences& preferences, QWidget* parent)
    : QWidget(parent, Qt::Window), chart_(chart), preferences_(preferences) {
    setObjectName(QStringLiteral("frmJaimini"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Jaimini - %1"), TextRole::WindowTitle, {QString::fromStdString(chart.birth.name)});
    reading_ = JaiminiOf(chart_, preferences.KeptKarakaScheme());
    QWidget* page = ScrollingPage(this);
    auto* grid = new QGridLayout(page);

    lblSummary = SummaryLabel(QString(), QStringLiteral("lblSummary"), page);
    Translate(lblSummary, QT_TRANSLATE_NOOP("Velmora", "Chara karakas by the planets' degrees in their signs (Brihat "
                                                       "Parashara Hora Shastra ch. 32), the karakamsa, the aspects of "
                                                       "signs and argala (Jaimini Sutras 1.1)."));
    lblSummary->setAccessibleName(lblSummary->text());
    grid->addWidget(lblSummary, 0, 0, 1, 2);

    auto* chooserRow = new QHBoxLayout;
    auto* schemeCaption = Translated(new QLabel(page), QT_TRANSLATE_NOOP("Velmora", "&Karakas:"));
    cboScheme = new QComboBox(page);
    cboScheme->setObjectName(QStringLiteral("cboScheme"));
    cboScheme->addItems({QString(), QString()});
    TranslateItems(cboScheme, {QT_TRANSLATE_NOOP("Velmora", "Seven (Sun to Saturn)"),
                               QT_TRANSLATE_NOOP("Velmora", "Eight (with Rahu)")});
    Translate(cboScheme, QT_TRANSLATE_NOOP("Velmora", "Chara karaka scheme"), TextRole::AccessibleName);
    cboScheme->setCurrentIndex(static_cast<int>(reading_.scheme));
    schemeCaption->setBuddy(cboScheme);
    chooserRow->addWidget(schemeCaption);
    chooserRow->addWidget(cboScheme);
    chooserRow->addSpacing(16);
    cboStyle = AddChartStyleChooser(chooserRow, style, page, [this](ChartStyle chosen) { chartKarakas->SetStyle(chosen); });
    chooserRow->addStretch(1);
    grid->addLayout(chooserRow, 1, 0, 1, 2);

    tblKarakas = TranslatedTable(8,
                       {QT_TRANSLATE_NOOP("Velmora", "Karaka"), QT_TRANSLATE_NOOP("Velmora", "Planet"),
                        QT_TRANSLATE_NOOP("Velmora", "Degrees in its sign")},
                       QStringLiteral("tblKarakas"), QT_TRANSLATE_NOOP("Velmora", "Chara karakas"), page);
    lblKarakamsa = new QLabel(page);
    lblKarakamsa->setObjectName(QStringLiteral("lblKarakamsa"));
    lblKarakamsa->setWordWrap(true);
    lblKarakamsa->setFocusPolicy(Qt::TabFocus);
    auto* karakaColumn = new QVBoxLayout;
    karakaColumn->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "Chara karakas"), tblKarakas, page));
    karakaColumn->addWidget(lblKarakamsa);
    grid->addLayout(karakaColumn, 2, 0);

    const char* chartTitle = QT_TRANSLATE_NOOP("Velmora", "Chara karakas in the birth chart");
    chartKarakas = new ChartView(Tr(chartTitle),
                                 MakeChartDiagram(KarakaChartPoints(chart_, reading_.Karakas())), style.Style(), page);
    chartKarakas->setObjectName(QStringLiteral("chartKarakas"));
    chartKarakas->setMaximumHeight(380);
    grid->addWidget(Framed(chartTitle, chartKarakas, page), 2, 1, Qt::AlignTop);
    OnLanguageChange(chartKarakas, [view = chartKarakas, chartTitle] { view->SetChart(Tr(chartTitle), view->Diagram()); });

    tblDrishti = TranslatedTable(kSignCount, {QT_TRANSLATE_NOOP("Velmora", "Sign"), QT_TRANSLATE_NOOP("Velmora", "Aspects")},
                       QStringLiteral("tblDrishti"),
                       QT_TRANSLATE_NOOP("Velmora", "Rashi drishti: the signs each sign aspects"), page);
    karakaColumn->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "Rashi drishti"), tblDrishti, page));
    karakaColumn->addStretch(1);

    tblArgala = TranslatedTable(kSignCount,
                      {QT_TRANSLATE_NOOP("Velmora", "House"), QT_TRANSLATE_NOOP("Velmora", "Sign"),
                       QT_TRANSLATE_NOOP("Velmora", "Argala")},
                      QStringLiteral("tblArgala"), QT_TRANSLATE_NOOP("Velmora", "Argala on each house"), page);
    FillSigns();
    tblArgala->horizontalHeader()->setStretchLastSection(true);
    grid->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "Argala and virodhargala"), tblArgala, page), 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    ShowScheme(reading_.scheme);
    connect(cboScheme, &QComboBox::currentIndexChanged, this, [this](int index) {
        const auto scheme = static_cast<KarakaScheme>(index);
        preferences_.KeepKarakaScheme(scheme);
        ShowScheme(scheme);
    });

    QList<QWidget*> chain{lblSummary, cboScheme, cboStyle, tblKarakas, lblKarakamsa};
    chain << chartKarakas->HouseSpots() << tblDrishti << tblArgala;
    SetPageKeys(this, chain);
    // The tables again in each language chosen.
    OnLanguageChange(this, [this] {
        lblSummary->setAccessibleName(lblSummary->text());
        FillSigns();
        ShowScheme(reading_.scheme);
    });
    FitOnScreen(this, QSize(1100, 900));
}

void JaiminiPage::FillSigns() {
    const std::vector<std::string> drishti = RashiDrishtiLines(reading_, LanguageChoice::Current());
    for (int sign = 0; sign < kSignCount; ++sign) {
        const auto& to = reading_.rashiDrishti[static_cast<std::size_t>(sign)];
        Set(tblDrishti, sign, 0, SignName(sign));
        Set(tblDrishti, sign, 1, SignName(to[0]) + QStringLiteral(", ") + SignName(to[1]) + QStringLiteral(", ") + SignName(to[2]));
        tblDrishti->item(sign, 1)->setData(Qt::AccessibleTextRole, FromUtf8(drishti[static_cast<std::size_t>(sign)]));
    }
    Fit(tblDrishti);
    const std::vector<std::string> argala = ArgalaLines(reading_, LanguageChoice::Current());
    const int ascendant = chart_.points[kBodyCount - 1].sign;
    for (int house = 1; house <= kSignCount; ++house) {
        const int row = house - 1;
        Set(tblArgala, row, 0, QString::number(house));
        Set(tblArgala, row, 1, SignName(ascendant + house - 1));
        std::string text = argala[static_cast<std::size_t>(row)];
        text = text.substr(text.find(':') + 2);  // the house is in its own column
        // One argala a line.
        Set(tblArgala, row, 2, FromUtf8(text).replace(QStringLiteral("; "), QStringLiteral("\n")));
    }
    Fit(tblArgala);
}

void JaiminiPage::ShowScheme(KarakaScheme scheme) {
    if (cboScheme->currentIndex() != static_cast<int>(scheme)) cboScheme->setCurrentIndex(static_cast<int>(scheme));
    reading_ = JaiminiOf(chart_, scheme);
    const CharaKarakas& k = reading_.Karakas();
    tblKarakas->setRowCount(k.count);
    for (int rank = 0; rank < k.count; ++rank) {
        const int body = k.bodies[static_cast<std::size_t>(rank)];
        Set(tblKarakas, rank, 0, FromUtf8(k.Label(rank)) + QStringLiteral(" (") + FromUtf8(SayIfPhrase(LanguageChoice::Current(), k.Name(rank))) + QLatin1Char(')'));
        Set(tblKarakas, rank, 1, FromUtf8(WindowTerms().pointNames[static_cast<std::size_t>(body)]));
        Set(tblKarakas, rank, 2,
            FromUtf8(DegreesInSignText(KarakaDegrees(body, chart_.points[static_cast<std::size_t>(body)].longitude))) +
                (body == 7 ? Tr(QT_TRANSLATE_NOOP("Velmora", " (counted back)")) : QString()));
    }
    Fit(tblKarakas);
    lblKarakamsa->setText(FromUtf8(KarakamsaLine(reading_, LanguageChoice::Current())) + QLatin1Char('.'));
    lblKarakamsa->setAccessibleName(lblKarakamsa->text());
    chartKarakas->SetDiagram(MakeChartDiagram(KarakaChartPoints(chart_, k)));
}

}  // namespace velmora
