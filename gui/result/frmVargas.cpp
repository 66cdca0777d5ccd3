#include "result/frmVargas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "presentation/DashaLabels.h"
#include "result/ChartView.h"
#include "widgets/ChartPageParts.h"
#include "widgets/LocaleTimes.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"
#include "services/LanguageChoice.h"

namespace velmora {

namespace {

QString Lord(int body) { return FromUtf8(WindowTerms().points[static_cast<std::size_t>(body)]); }
QString Date(const CivilMoment& m) { return LocaleDate(m); }

void AddPeriodItem(QTreeWidgetItem* item, const QString& name, const DashaPeriod& p, bool running) {
    item->setText(0, running ? name + Tr(QT_TRANSLATE_NOOP("Velmora", "  (running)")) : name);
    item->setText(1, Date(p.start));
    item->setText(2, Date(p.end));
    if (running) {
        for (int c = 0; c < 3; ++c) {
            QFont font = item->font(c);
            font.setBold(true);
            item->setFont(c, font);
            item->setBackground(c, QColor(255, 240, 160));
        }
    }
}

}  // namespace

QString frmVargas::Summary(const Chart& r) {
    const NakshatraPlace& moon = r.nakshatras[1];
    QString text = Tr(QT_TRANSLATE_NOOP("Velmora", "Moon in %1, pada %2 (lord %3)."))
                       .arg(FromUtf8(WindowTerms().nakshatras[static_cast<std::size_t>(moon.index)]))
                       .arg(ShownDigits(QString::number(moon.pada)))
                       .arg(Lord(moon.lord));
    const VimshottariDasha d = VimshottariPeriods(r);
    if (d.runningMajor >= 0) {
        const MajorDasha& major = d.majors[static_cast<std::size_t>(d.runningMajor)];
        text += Tr(QT_TRANSLATE_NOOP("Velmora", " Today (%1): %2 period")).arg(Date(d.today.At(0)),
                                                             Lord(major.period.lord));
        if (d.runningSub >= 0)
            text += Tr(QT_TRANSLATE_NOOP("Velmora", ", %1 sub-period")).arg(Lord(major.sub[static_cast<std::size_t>(d.runningSub)].lord));
        text += QLatin1Char('.');
    }
    return text;
}

frmVargas::frmVargas(const Chart& r, ChartStyleChoice& style, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmVargas"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Nakshatras, dasha and Navamsa - %1"), TextRole::WindowTitle, {QString::fromStdString(r.birth.name)});
    // The page scrolls where the screen is smaller than the page.
    auto* grid = new QGridLayout(ScrollingPage(this));

    lblSummary = SummaryLabel(QString(), QStringLiteral("lblSummary"), this);
    grid->addWidget(lblSummary, 0, 0, 1, 2);

    auto* styleRow = new QHBoxLayout;
    cboStyle = AddChartStyleChooser(styleRow, style, this, [this](ChartStyle chosen) {
        rashi->SetStyle(chosen);
        navamsa->SetStyle(chosen);
    });
    chkDegrees = Translated(new QCheckBox(this), QT_TRANSLATE_NOOP("Velmora", "De&grees in the cells"));
    chkDegrees->setObjectName(QStringLiteral("chkDegrees"));
    Translate(chkDegrees, QT_TRANSLATE_NOOP("Velmora", "Degrees in the birth chart's cells"), TextRole::AccessibleName);
    chkDegrees->setChecked(style.CellDegrees());
    styleRow->addSpacing(16);
    styleRow->addWidget(chkDegrees);
    styleRow->addStretch(1);
    grid->addLayout(styleRow, 1, 0, 1, 2);

    const auto birthChart = [r](bool degrees) {
        return MakeChartDiagram(degrees ? WithCellDegrees(BirthChartPoints(r), r) : BirthChartPoints(r));
    };
    const char* rashiTitle = QT_TRANSLATE_NOOP("Velmora", "Rashi (birth chart)");
    const char* navamsaTitle = QT_TRANSLATE_NOOP("Velmora", "Navamsa (D9)");
    rashi = new ChartView(Tr(rashiTitle), birthChart(style.CellDegrees()), style.Style(), this);
    rashi->setObjectName(QStringLiteral("rashi"));
    navamsa = new ChartView(Tr(navamsaTitle), MakeChartDiagram(NavamsaPoints(r)), style.Style(), this);
    navamsa->setObjectName(QStringLiteral("navamsa"));
    OnLanguageChange(this, [this, rashiTitle, navamsaTitle] {
        rashi->SetChart(Tr(rashiTitle), rashi->Diagram());
        navamsa->SetChart(Tr(navamsaTitle), navamsa->Diagram());
    });
    grid->addWidget(Framed(rashiTitle, rashi, this), 2, 0);
    grid->addWidget(Framed(navamsaTitle, navamsa, this), 2, 1);

    tblNakshatras = new QTableWidget(kBodyCount, 5, this);
    tblNakshatras->setObjectName(QStringLiteral("tblNakshatras"));
    Translate(tblNakshatras, QT_TRANSLATE_NOOP("Velmora", "Nakshatras"), TextRole::AccessibleName);
    TranslateItems(tblNakshatras, {QT_TRANSLATE_NOOP("Velmora", "Point"), QT_TRANSLATE_NOOP("Velmora", "Nakshatra"),
                                   QT_TRANSLATE_NOOP("Velmora", "Pada"), QT_TRANSLATE_NOOP("Velmora", "Lord"),
                                   QT_TRANSLATE_NOOP("Velmora", "Navamsa")});
    tblNakshatras->verticalHeader()->hide();
    tblNakshatras->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblNakshatras->setTabKeyNavigation(false);
    grid->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "Nakshatras"), tblNakshatras, this), 3, 0);

    auto* dashaPage = new QWidget(this);
    auto* dashaColumn = new QVBoxLayout(dashaPage);
    dashaColumn->setContentsMargins(0, 0, 0, 0);
    lblDasha = new QLabel(dashaPage);
    lblDasha->setObjectName(QStringLiteral("lblDasha"));
    lblDasha->setWordWrap(true);
    treeDasha = new QTreeWidget(dashaPage);
    treeDasha->setObjectName(QStringLiteral("treeDasha"));
    Translate(treeDasha, QT_TRANSLATE_NOOP("Velmora", "Vimshottari dasha"), TextRole::AccessibleName);
    TranslateItems(treeDasha, {QT_TRANSLATE_NOOP("Velmora", "Period"), QT_TRANSLATE_NOOP("Velmora", "From"),
                               QT_TRANSLATE_NOOP("Velmora", "To")});
    dashaColumn->addWidget(lblDasha);
    dashaColumn->addWidget(treeDasha, 1);
    grid->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "Vimshottari dasha"), dashaPage, this), 3, 1);
    Fill(r);
    // The texts made from the chart again in each language chosen.
    OnLanguageChange(this, [this, r] { Fill(r); });
    grid->setRowStretch(2, 3);
    grid->setRowStretch(3, 2);


    // The degrees chosen here or on another page are the program's choice:
    // this chart and the next print and images follow it.
    connect(chkDegrees, &QCheckBox::toggled, &style, &ChartStyleChoice::ChooseCellDegrees);
    connect(&style, &ChartStyleChoice::CellDegreesChosen, this, [this, birthChart](bool shown) {
        const QSignalBlocker quiet(chkDegrees);
        chkDegrees->setChecked(shown);
        rashi->SetDiagram(birthChart(shown));
    });

    // Tab: the summary, the style, the degrees, each chart house by house, the table, the periods.
    QList<QWidget*> chain{lblSummary, cboStyle, chkDegrees};
    chain << rashi->HouseSpots() << navamsa->HouseSpots() << tblNakshatras << treeDasha;
    SetPageKeys(this, chain);

    FitOnScreen(this, QSize(960, 820));
}

void frmVargas::Fill(const Chart& r) {
    lblSummary->setText(Summary(r));
    lblSummary->setAccessibleName(lblSummary->text());
    for (int i = 0; i < kBodyCount; ++i) {
        const NakshatraPlace& n = r.nakshatras[static_cast<std::size_t>(i)];
        const QString cells[5] = {FromUtf8(WindowTerms().pointNames[static_cast<std::size_t>(i)]), FromUtf8(WindowTerms().nakshatras[static_cast<std::size_t>(n.index)]),
                                  ShownDigits(QString::number(n.pada)), Lord(n.lord),
                                  FromUtf8(WindowTerms().signs[static_cast<std::size_t>(r.navamsaSigns[static_cast<std::size_t>(i)])])};
        for (int c = 0; c < 5; ++c) tblNakshatras->setItem(i, c, new QTableWidgetItem(cells[c]));
    }
    tblNakshatras->resizeColumnsToContents();
    // Tall enough for all ten rows.
    tblNakshatras->setMinimumHeight(tblNakshatras->horizontalHeader()->sizeHint().height() +
                                    tblNakshatras->verticalHeader()->length() + 2 * tblNakshatras->frameWidth());

    const VimshottariDasha d = VimshottariPeriods(r);
    lblDasha->setText(Tr(QT_TRANSLATE_NOOP("Velmora", "%1 period, %2 left at birth. Years of %3 days; dates in the "
                                                      "birth's local calendar."))
                          .arg(Lord(d.majors[0].period.lord), ShownDigits(FromUtf8(YearsMonthsDaysLabel(d.balanceYears, LanguageChoice::Current()))),
                               ShownDigits(FromUtf8(DashaYearDaysText(r.dashaYear)))));
    treeDasha->setAccessibleDescription(lblDasha->text());
    treeDasha->clear();
    for (int m = 0; m < 9; ++m) {
        const MajorDasha& major = d.majors[static_cast<std::size_t>(m)];
        auto* item = new QTreeWidgetItem(treeDasha);
        AddPeriodItem(item, Lord(major.period.lord), major.period, m == d.runningMajor);
        for (int s = 0; s < 9; ++s) {
            const DashaPeriod& sub = major.sub[static_cast<std::size_t>(s)];
            AddPeriodItem(new QTreeWidgetItem(item), Lord(major.period.lord) + QStringLiteral(" / ") + Lord(sub.lord),
                          sub, m == d.runningMajor && s == d.runningSub);
        }
        if (m == d.runningMajor) {
            item->setExpanded(true);
            treeDasha->setCurrentItem(d.runningSub >= 0 ? item->child(d.runningSub) : item);
        }
    }
    treeDasha->resizeColumnToContents(0);
}

}  // namespace velmora
