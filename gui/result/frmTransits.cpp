#include "result/frmTransits.h"

#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/LocalMoment.h"
#include "presentation/ChartNotes.h"
#include "presentation/ChartDiagram.h"
#include "presentation/TimeLabels.h"
#include "result/ChartView.h"
#include "result/RowsTable.h"
#include "services/Clock.h"
#include "widgets/ChartPageParts.h"
#include "widgets/LocaleTimes.h"
#include "widgets/ScreenFit.h"
#include "widgets/WholeDateTyping.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"
#include "services/LanguageChoice.h"

namespace velmora {

frmTransits::frmTransits(const Chart& chart, const Clock& clock, const ChartStyleChoice& style, QWidget* parent)
    : QWidget(parent, Qt::Window), chart_(chart), clock_(clock) {
    setObjectName(QStringLiteral("frmTransits"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Transits - %1"), TextRole::WindowTitle, {FromUtf8(chart.birth.name)});
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollPage"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);  // Tab goes to the controls inside
    auto* page = new QWidget(scroll);
    scroll->setWidget(page);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* grid = new QGridLayout(page);

    auto* momentRow = new QHBoxLayout;
    auto* caption = Translated(new QLabel(page), QT_TRANSLATE_NOOP("Velmora", "&Moment on the birth place's clock:"));
    dteMoment = new QDateTimeEdit(page);
    dteMoment->setObjectName(QStringLiteral("dteMoment"));
    dteMoment->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    dteMoment->setTimeSpec(Qt::UTC);  // the birth place's clock, whatever the computer's zone
    dteMoment->setDateTimeRange(QDateTime(QDate(1800, 1, 1), QTime(0, 0), Qt::UTC),
                                QDateTime(QDate(2399, 12, 31), QTime(23, 59), Qt::UTC));
    dteMoment->setCalendarPopup(true);
    Translate(dteMoment, QT_TRANSLATE_NOOP("Velmora", "Moment on the birth place's clock"), TextRole::AccessibleName);
    new WholeDateTyping(dteMoment);
    caption->setBuddy(dteMoment);
    cmdShow = Translated(new QPushButton(page), QT_TRANSLATE_NOOP("Velmora", "&Show"));
    cmdShow->setObjectName(QStringLiteral("cmdShow"));
    Translate(cmdShow, QT_TRANSLATE_NOOP("Velmora", "Show the transits of this moment"), TextRole::AccessibleName);
    cmdNow = Translated(new QPushButton(page), QT_TRANSLATE_NOOP("Velmora", "&Now"));
    cmdNow->setObjectName(QStringLiteral("cmdNow"));
    Translate(cmdNow, QT_TRANSLATE_NOOP("Velmora", "Show the transits now"), TextRole::AccessibleName);
    momentRow->addWidget(caption);
    momentRow->addWidget(dteMoment);
    momentRow->addWidget(cmdShow);
    momentRow->addWidget(cmdNow);
    momentRow->addStretch(1);
    grid->addLayout(momentRow, 0, 0, 1, 2);

    lblState = new QLabel(page);
    lblState->setObjectName(QStringLiteral("lblState"));
    lblState->setWordWrap(true);
    lblState->setFocusPolicy(Qt::TabFocus);
    grid->addWidget(lblState, 1, 0, 1, 2);

    const char* chartTitle = QT_TRANSLATE_NOOP("Velmora", "Transits over the birth chart");
    chartView = new ChartView(Tr(chartTitle),
                              MakeChartDiagram(BirthChartPoints(chart)), style.Style(), page);
    style.Follow(chartView, [chart = chartView](ChartStyle chosen) { chart->SetStyle(chosen); });
    chartView->setObjectName(QStringLiteral("chartView"));
    OnLanguageChange(chartView, [view = chartView, chartTitle] { view->SetChart(Tr(chartTitle), view->Diagram()); });
    grid->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "Transits (T-) over the birth chart"), chartView, page), 2, 0);
    tblPositions = MakeRowsTable(QStringLiteral("tblPositions"), QString(), page);
    Translate(tblPositions, QT_TRANSLATE_NOOP("Velmora", "Transiting positions"), TextRole::AccessibleName);
    grid->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "Positions and houses from the Moon and the ascendant"),
                           tblPositions, page),
                    2, 1);
    tblSadeSati = MakeRowsTable(QStringLiteral("tblSadeSati"), QString(), page);
    Translate(tblSadeSati, QT_TRANSLATE_NOOP("Velmora", "Sade sati"), TextRole::AccessibleName);
    grid->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "Sade sati"), tblSadeSati, page), 3, 0, 1, 2);
    tblChanges = MakeRowsTable(QStringLiteral("tblChanges"), QString(), page);
    Translate(tblChanges, QT_TRANSLATE_NOOP("Velmora", "Next sign changes and stations"), TextRole::AccessibleName);
    grid->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "Next sign changes and stations within a year"), tblChanges,
                           page),
                    4, 0, 1, 2);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    // The room the window gives beyond what the tables' rows need is the
    // chart's (and the positions' beside it).
    grid->setRowStretch(2, 1);

    connect(cmdShow, &QPushButton::clicked, this, &frmTransits::ShowChosen);
    connect(cmdNow, &QPushButton::clicked, this, &frmTransits::ShowNow);
    // Enter in the chooser shows its moment.
    auto* enter = new QShortcut(QKeySequence(Qt::Key_Return), dteMoment);
    enter->setContext(Qt::WidgetShortcut);
    connect(enter, &QShortcut::activated, this, &frmTransits::ShowChosen);

    // Tab: the moment, Show, Now, the state, the chart house by house, the tables.
    QList<QWidget*> chain{dteMoment, cmdShow, cmdNow, lblState};
    chain << chartView->HouseSpots() << tblPositions << tblSadeSati << tblChanges;
    SetPageKeys(this, chain);

    ShowNow();
    // The moment shown, again in each language chosen.
    OnLanguageChange(this, [this] { ShowChosen(); });
    FitOnScreen(this, QSize(1000, 760));
}

void frmTransits::ShowChosen() {
    const QDateTime chosen = dteMoment->dateTime();
    const LocalClock clock{chosen.date().year(), chosen.date().month(), chosen.date().day(),
                           chosen.time().hour(), chosen.time().minute(), 0};
    Show(MomentOnPlaceClock(chart_, clock, 0));
}

void frmTransits::ShowNow() { Show(MomentOnPlaceClock(chart_, std::nullopt, clock_.NowJulianDayUT())); }

void frmTransits::Show(const PlaceMoment& moment) {
    shown_.reset();
    QString refusal = FromUtf8(moment.refusal);
    if (refusal.isEmpty()) {
        const TransitOutcome outcome = ComputeTransits(chart_, moment.julianDayUT, moment.utcOffsetSeconds);
        shown_ = outcome.transits;
        refusal = FromUtf8(RefusalIn(outcome.refusal, LanguageChoice::Current()));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{tblPositions, tblSadeSati, tblChanges}) w->setEnabled(shown_.has_value());
    if (!shown_) {
        lblState->setText(refusal + QLatin1Char('.'));
        lblState->setAccessibleName(lblState->text());
        for (QTableWidget* table : {tblPositions, tblSadeSati, tblChanges}) FillRows(table, {});
        chartView->SetDiagram(MakeChartDiagram(BirthChartPoints(chart_)));
        return;
    }
    const Transits& t = *shown_;
    const LocalClock local = LocalClockAt(t.moment, t.utcOffsetSeconds);
    dteMoment->setDateTime(QDateTime(QDate(local.Year, local.Month, local.Day), QTime(local.Hour, local.Minute), Qt::UTC));
    lblState->setText(Tr(QT_TRANSLATE_NOOP("Velmora", "Transits at %1 on the birth place's clock (UTC%2), in the "
                                                      "birth chart's ephemeris, ayanamsa and node. The tables' "
                                                      "moments are on the same clock, to the minute: each sign "
                                                      "change, station and phase is found to within a minute."))
                          .arg(LocaleMoment(t.moment, t.utcOffsetSeconds, MomentPrecision::Minute),
                               FromUtf8(UtcOffsetText(t.utcOffsetSeconds))));
    lblState->setAccessibleName(lblState->text());
    chartView->SetDiagram(MakeChartDiagram(TransitChartPoints(chart_, t.points)));
    FillRows(tblPositions, TransitPositionRows(t, LocaleMomentWriter(), LanguageChoice::Current()));
    FillRows(tblSadeSati, SadeSatiRows(t, LocaleMomentWriter(), LanguageChoice::Current()));
    FillRows(tblChanges, NextChangeRows(t, LocaleMomentWriter(), LanguageChoice::Current()));
    // The tables under the chart as tall as their rows: the rest is the chart's.
    for (QTableWidget* table : {tblSadeSati, tblChanges}) table->setMaximumHeight(table->minimumHeight());
}

}  // namespace velmora
