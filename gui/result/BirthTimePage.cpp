#include "result/BirthTimePage.h"

#include "services/ChartStyleChoice.h"
#include "services/LanguageChoice.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "presentation/ChartNotes.h"
#include "services/LanguageChoice.h"
#include "presentation/ChartDiagram.h"
#include "presentation/SensitivityLabels.h"
#include "result/ChartView.h"
#include "widgets/ChartPageParts.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

const ChartWants kShiftedWants{.report = false, .dashas = {DashaSystem::Vimshottari}, .today = {}, .vargas = true,
                               .ashtakavarga = false};

// A value's colour: light, so that its dark text reads, and different for
// neighbouring values.
QColor ValueColour(int value) { return QColor::fromHsv((value * 67) % 360, 70, 240); }

// One stretch of a band: painted in its value's colour with its value,
// reached by Tab, saying its value and span to a screen reader and as a tip.
class Stretch : public QAbstractButton {
public:
    Stretch(const QString& value, const QString& said, int value_, QWidget* parent)
        : QAbstractButton(parent), value_(value), colour_(ValueColour(value_)) {
        setAccessibleName(said);
        setToolTip(said);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.fillRect(r, colour_);
        p.setPen(QColor(90, 90, 90));
        p.drawRect(r);
        p.setPen(Qt::black);
        p.drawText(r.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   fontMetrics().elidedText(value_, Qt::ElideRight, std::max(0, r.width() - 5)));
        if (hasFocus()) {
            p.setPen(QPen(palette().color(QPalette::Highlight), 2));
            p.drawRect(rect().adjusted(1, 1, -1, -1));
        }
    }

private:
    QString value_;
    QColor colour_;
};

// The window's seconds across a band's width.
struct Scale {
    int first = 0, last = 0;
    int X(int second, int width) const {
        return static_cast<int>(static_cast<long long>(second - first) * width / std::max(1, last + 1 - first));
    }
};

// One item's stretches side by side across the window, with the given
// time's mark (black) and the shift's (the highlight colour) over them.
class Band : public QWidget {
public:
    Band(Scale scale, QWidget* parent) : QWidget(parent), scale_(scale) {
        given_ = Mark(Qt::black);
        shift_ = Mark(palette().color(QPalette::Highlight));
        setMinimumSize(300, fontMetrics().height() + 6);
    }

    void Add(QWidget* stretch, int first, int last) { stretches_.push_back({stretch, first, last}); }
    QWidget* ShiftMark() const { return shift_; }
    void SetShift(int second) {
        shiftSecond_ = second;
        Place();
    }

    QSize sizeHint() const override { return {600, fontMetrics().height() + 8}; }

protected:
    void resizeEvent(QResizeEvent*) override { Place(); }

private:
    struct Placed {
        QWidget* stretch;
        int first, last;
    };

    QWidget* Mark(const QColor& colour) {
        auto* mark = new QWidget(this);
        mark->setAutoFillBackground(true);
        QPalette palette = mark->palette();
        palette.setColor(QPalette::Window, colour);
        mark->setPalette(palette);
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        return mark;
    }

    void Place() {
        const int w = width(), h = height();
        for (const Placed& p : stretches_) {
            const int left = scale_.X(p.first, w), right = std::max(left + 2, scale_.X(p.last + 1, w));
            p.stretch->setGeometry(left, 0, right - left, h);
        }
        given_->setGeometry(std::clamp(scale_.X(0, w) - 1, 0, w - 2), 0, 2, h);
        shift_->setGeometry(std::clamp(scale_.X(shiftSecond_, w) - 1, 0, w - 2), h / 4, 2, h / 2);
        given_->raise();
        shift_->raise();
    }

    Scale scale_;
    std::vector<Placed> stretches_;
    QWidget* given_ = nullptr;
    QWidget* shift_ = nullptr;
    int shiftSecond_ = 0;
};

// The clock along the top of the bands: the window's ends, the given time
// and marks between them.
class Axis : public QWidget {
public:
    Axis(const Sensitivity& s, QWidget* parent) : QWidget(parent), s_(s) {
        setMinimumHeight(fontMetrics().height() + 6);
    }
    QSize sizeHint() const override { return {600, fontMetrics().height() + 6}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const Scale scale{s_.firstSecond, s_.lastSecond};
        const int w = width();
        // A mark every so many minutes, at most about one per 90 pixels.
        const int span = s_.lastSecond - s_.firstSecond;
        int step = 60;
        for (int minutes : {1, 2, 5, 10, 15, 30, 60}) {
            step = minutes * 60;
            if (static_cast<long long>(span) * 90 / step <= std::max(w, 1) * 1LL) break;
        }
        const int height = this->height();
        for (int second = s_.firstSecond - s_.firstSecond % step; second <= s_.lastSecond; second += step) {
            if (second < s_.firstSecond) continue;
            const int x = scale.X(second, w);
            p.drawLine(x, height - 4, x, height);
            const QString label = second == 0 ? Tr(QT_TRANSLATE_NOOP("Velmora", "given"))
                                              : ShownDigits(Tr(QT_TRANSLATE_NOOP("Velmora", "%1%2 min"))
                                                                .arg(second > 0 ? "+" : "\u2212")
                                                                .arg(std::abs(second) / 60));
            const int textWidth = fontMetrics().horizontalAdvance(label);
            p.drawText(std::clamp(x - textWidth / 2, 0, std::max(0, w - textWidth)), height - 6, label);
        }
    }

private:
    const Sensitivity& s_;
};

}  // namespace

BirthTimePage::BirthTimePage(const Chart& chart, const ChartStyleChoice& style, QWidget* parent)
    : QWidget(parent, Qt::Window), chart_(chart), style_(style.Style()) {
    setObjectName(QStringLiteral("BirthTimePage"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Birth time - %1"), TextRole::WindowTitle, {FromUtf8(chart.birth.name)});
    auto* column = new QVBoxLayout(this);

    auto* windowRow = new QHBoxLayout;
    auto* caption = Translated(new QLabel(this), QT_TRANSLATE_NOOP("Velmora", "&Window either side of the given time:"));
    spnWindow = new QSpinBox(this);
    spnWindow->setObjectName(QStringLiteral("spnWindow"));
    spnWindow->setRange(1, kSensitivityMaxMinutes);
    spnWindow->setValue(kSensitivityDefaultMinutes);
    spnWindow->setSuffix(Tr(QT_TRANSLATE_NOOP("Velmora", " min")));
    OnLanguageChange(spnWindow, [box = spnWindow] { box->setSuffix(Tr(QT_TRANSLATE_NOOP("Velmora", " min"))); });
    Translate(spnWindow, QT_TRANSLATE_NOOP("Velmora", "Window either side of the given time, in minutes"),
              TextRole::AccessibleName);
    caption->setBuddy(spnWindow);
    chkEveryItem = Translated(new QCheckBox(this),
                              QT_TRANSLATE_NOOP("Velmora", "Show &every item, also those that keep their value"));
    chkEveryItem->setObjectName(QStringLiteral("chkEveryItem"));
    windowRow->addWidget(caption);
    windowRow->addWidget(spnWindow);
    windowRow->addSpacing(16);
    windowRow->addWidget(chkEveryItem);
    windowRow->addStretch(1);
    column->addLayout(windowRow);

    lblSummary = SummaryLabel(QString(), QStringLiteral("lblSummary"), this);
    column->addWidget(lblSummary);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollBands"));
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    timeline = new QWidget(scroll);
    timeline->setObjectName(QStringLiteral("timeline"));
    bands_ = new QGridLayout(timeline);
    bands_->setVerticalSpacing(2);
    bands_->setColumnStretch(1, 1);
    scroll->setWidget(timeline);
    column->addWidget(scroll, 1);

    // The shift: a slider over the window, a minute or a second either way.
    auto* shiftBox = new QWidget(this);
    auto* shiftColumn = new QVBoxLayout(shiftBox);
    auto* shiftRow = new QHBoxLayout;
    auto* shiftCaption = Translated(new QLabel(shiftBox), QT_TRANSLATE_NOOP("Velmora", "S&hift:"));
    sldShift = new QSlider(Qt::Horizontal, shiftBox);
    sldShift->setObjectName(QStringLiteral("sldShift"));
    sldShift->setSingleStep(1);
    sldShift->setPageStep(60);
    Translate(sldShift, QT_TRANSLATE_NOOP("Velmora", "Shift from the given time, in seconds"), TextRole::AccessibleName);
    shiftCaption->setBuddy(sldShift);
    const auto button = [shiftBox](const char* text, const QString& name, const char* said) {
        auto* b = Translated(new QPushButton(shiftBox), text);
        b->setObjectName(name);
        Translate(b, said, TextRole::AccessibleName);
        b->setAutoDefault(false);
        return b;
    };
    cmdMinuteBack = button(QT_TRANSLATE_NOOP("Velmora", "−1 min"), QStringLiteral("cmdMinuteBack"),
                           QT_TRANSLATE_NOOP("Velmora", "A minute earlier"));
    cmdSecondBack = button(QT_TRANSLATE_NOOP("Velmora", "−1 s"), QStringLiteral("cmdSecondBack"),
                           QT_TRANSLATE_NOOP("Velmora", "A second earlier"));
    cmdGiven = button(QT_TRANSLATE_NOOP("Velmora", "&Given time"), QStringLiteral("cmdGiven"),
                      QT_TRANSLATE_NOOP("Velmora", "Back to the given time"));
    cmdSecondOn = button(QT_TRANSLATE_NOOP("Velmora", "+1 s"), QStringLiteral("cmdSecondOn"),
                         QT_TRANSLATE_NOOP("Velmora", "A second later"));
    cmdMinuteOn = button(QT_TRANSLATE_NOOP("Velmora", "+1 min"), QStringLiteral("cmdMinuteOn"),
                         QT_TRANSLATE_NOOP("Velmora", "A minute later"));
    shiftRow->addWidget(shiftCaption);
    shiftRow->addWidget(cmdMinuteBack);
    shiftRow->addWidget(cmdSecondBack);
    shiftRow->addWidget(sldShift, 1);
    shiftRow->addWidget(cmdSecondOn);
    shiftRow->addWidget(cmdMinuteOn);
    shiftRow->addWidget(cmdGiven);
    shiftColumn->addLayout(shiftRow);
    lblShift = SummaryLabel(QString(), QStringLiteral("lblShift"), shiftBox);
    shiftColumn->addWidget(lblShift);
    auto* shownRow = new QHBoxLayout;
    chartView = new ChartView(Tr(QT_TRANSLATE_NOOP("Velmora", "The chart of the shifted moment")),
                              MakeChartDiagram(BirthChartPoints(chart)),
                              style_, shiftBox);
    // The style chosen anywhere redraws this chart too.
    style.Follow(chartView, [this](ChartStyle chosen) {
        style_ = chosen;
        chartView->SetStyle(chosen);
    });
    chartView->setObjectName(QStringLiteral("chartView"));
    lblDifferences = new QLabel(shiftBox);
    lblDifferences->setObjectName(QStringLiteral("lblDifferences"));
    lblDifferences->setWordWrap(true);
    lblDifferences->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lblDifferences->setFocusPolicy(Qt::TabFocus);
    lblDifferences->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    chartView->setMaximumSize(300, 300);
    shownRow->addWidget(chartView);
    shownRow->addWidget(lblDifferences, 1);
    shiftColumn->addLayout(shownRow);
    column->addWidget(Framed(QT_TRANSLATE_NOOP("Velmora", "The chart at a shifted birth time"), shiftBox, this));

    connect(spnWindow, &QSpinBox::valueChanged, this, &BirthTimePage::Compute);
    connect(chkEveryItem, &QCheckBox::toggled, this, &BirthTimePage::Fill);
    connect(sldShift, &QSlider::valueChanged, this, &BirthTimePage::ShiftTo);
    const auto by = [this](int seconds) { return [this, seconds] { ShiftTo(sldShift->value() + seconds); }; };
    connect(cmdMinuteBack, &QPushButton::clicked, this, by(-60));
    connect(cmdSecondBack, &QPushButton::clicked, this, by(-1));
    connect(cmdSecondOn, &QPushButton::clicked, this, by(1));
    connect(cmdMinuteOn, &QPushButton::clicked, this, by(60));
    connect(cmdGiven, &QPushButton::clicked, this, [this] { ShiftTo(0); });
    CloseWithEscape(this);

    Compute();
    // The bands, the summary and the shifted chart again in each language chosen.
    OnLanguageChange(this, [this] {
        const int shift = sldShift->value();
        Compute();
        ShiftTo(shift);
    });
    FitOnScreen(this, QSize(1000, 760));
}

QList<QWidget*> BirthTimePage::Stretches() const { return stretches_; }

void BirthTimePage::Compute() {
    const SensitivityOutcome outcome = ComputeSensitivity(chart_, spnWindow->value());
    shown_ = outcome.sensitivity;
    const bool shown = shown_.has_value();
    for (QWidget* w : std::initializer_list<QWidget*>{spnWindow, chkEveryItem, sldShift, cmdMinuteBack, cmdSecondBack,
                                                      cmdGiven, cmdSecondOn, cmdMinuteOn})
        w->setEnabled(shown);
    if (!shown) {
        lblSummary->setText(ShownDigits(FromUtf8(RefusalIn(outcome.refusal, LanguageChoice::Current()))) + QLatin1Char('.'));
        lblSummary->setAccessibleName(lblSummary->text());
        lblShift->setText(QString());
        lblDifferences->setText(QString());
        Fill();
        return;
    }
    const Sensitivity& s = *shown_;
    int steady = 0;
    for (const SensitivityItem& item : s.items) steady += item.crossings.empty() ? 1 : 0;
    const Language language = LanguageChoice::Current();
    QString summary = FromUtf8(SensitivityWindowText(s, language)) + QStringLiteral(". ");
    if (const std::string note = SensitivityNoteIn(s, LanguageChoice::Current()); !note.empty())
        summary += FromUtf8(note) + QStringLiteral(". ");
    summary += Tr(QT_TRANSLATE_NOOP("Velmora", "%1 of %2 items keep their value throughout the window. %3."))
                   .arg(steady)
                   .arg(s.items.size())
                   .arg(FromUtf8(DashaShiftText(s, language)));
    summary = ShownDigits(summary);
    lblSummary->setText(summary);
    lblSummary->setAccessibleName(summary);
    {
        const QSignalBlocker block(sldShift);
        sldShift->setRange(s.firstSecond, s.lastSecond);
    }
    Fill();
    ShiftTo(std::clamp(sldShift->value(), s.firstSecond, s.lastSecond));
}

void BirthTimePage::Fill() {
    stretches_.clear();
    marks_.clear();
    while (QLayoutItem* item = bands_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (shown_) {
        const Sensitivity& s = *shown_;
        const Scale scale{s.firstSecond, s.lastSecond};
        const Language language = LanguageChoice::Current();
        bands_->addWidget(new Axis(s, timeline), 0, 1);
        int row = 1;
        for (const SensitivityItem& item : s.items) {
            if (item.crossings.empty() && !chkEveryItem->isChecked()) continue;
            const std::string itemName = SensitivityItemName(item, language);
            auto* name = new QLabel(FromUtf8(itemName), timeline);
            auto* band = new Band(scale, timeline);
            band->setAccessibleName(FromUtf8(itemName));
            for (const SensitivitySpan& span : SensitivitySpans(s, item)) {
                const QString said = ShownDigits(FromUtf8(itemName + ": " + SpanText(s, item, span, language)));
                auto* stretch = new Stretch(ShownDigits(FromUtf8(SensitivityValueText(item, span.value, language))),
                                            said, span.value, band);
                const int middle = span.first + (span.last - span.first) / 2;
                connect(stretch, &QAbstractButton::clicked, this, [this, middle] { ShiftTo(middle); });
                band->Add(stretch, span.first, span.last);
                stretches_.push_back(stretch);
            }
            marks_.push_back(band);
            bands_->addWidget(name, row, 0);
            bands_->addWidget(band, row, 1);
            ++row;
        }
        bands_->setRowStretch(row, 1);
    }
    UpdateMarks();
    UpdateKeys();
}

void BirthTimePage::ShiftTo(int seconds) {
    if (!shown_) return;
    const Sensitivity& s = *shown_;
    seconds = std::clamp(seconds, s.firstSecond, s.lastSecond);
    {
        const QSignalBlocker block(sldShift);
        sldShift->setValue(seconds);
    }
    const ChartOutcome outcome = ComputeShiftedChart(chart_, seconds, kShiftedWants);
    shifted_ = outcome.chart;
    UpdateMarks();
    if (!shifted_) {
        lblShift->setText(ShownDigits(FromUtf8(ChartRefusalIn(outcome.refusal, LanguageChoice::Current()))) +
                          QLatin1Char('.'));
        lblShift->setAccessibleName(lblShift->text());
        lblDifferences->setText(QString());
        return;
    }
    const Chart& c = *shifted_;
    const QString when = ShownDigits(FromUtf8(SensitivityClockText(s, c.julianDayUT, c.utcOffsetSeconds)));
    const Language language = LanguageChoice::Current();
    const QString duration = ShownDigits(FromUtf8(DurationText(seconds, language)));
    lblShift->setText(seconds == 0  ? Tr(QT_TRANSLATE_NOOP("Velmora", "The given time, %1: the chart as computed.")).arg(when)
                      : seconds < 0 ? Tr(QT_TRANSLATE_NOOP("Velmora", "%1 before the given time: the chart of %2."))
                                          .arg(duration, when)
                                    : Tr(QT_TRANSLATE_NOOP("Velmora", "%1 after the given time: the chart of %2."))
                                          .arg(duration, when));
    lblShift->setAccessibleName(lblShift->text());
    chartView->SetChart(Tr(QT_TRANSLATE_NOOP("Velmora", "The chart of %1")).arg(when), MakeChartDiagram(BirthChartPoints(c)));
    QStringList differences;
    for (const SensitivityItem& item : s.items) {
        const int value = SensitivityValueOf(item, c);
        if (value != item.value)
            differences << Tr(QT_TRANSLATE_NOOP("Velmora", "%1: %2 (given: %3)"))
                               .arg(FromUtf8(SensitivityItemName(item, language)),
                                    FromUtf8(SensitivityValueText(item, value, language)),
                                    FromUtf8(SensitivityValueText(item, item.value, language)));
    }
    lblDifferences->setText(
        differences.isEmpty()
            ? Tr(QT_TRANSLATE_NOOP("Velmora", "Every item is as in the given chart."))
            : ShownDigits(Tr(QT_TRANSLATE_NOOP("Velmora", "What differs from the given chart (%1 items): %2."))
                              .arg(differences.size())
                              .arg(differences.join(QStringLiteral("; ")))));
    lblDifferences->setAccessibleName(lblDifferences->text());
}

void BirthTimePage::UpdateMarks() {
    const int second = sldShift->value();
    for (QWidget* band : marks_) static_cast<Band*>(band)->SetShift(second);
}

void BirthTimePage::UpdateKeys() {
    // Tab: the window, the check box, the summary, every stretch band by
    // band, the shift's controls, the chart house by house, the differences.
    QList<QWidget*> chain{spnWindow, chkEveryItem, lblSummary};
    chain << stretches_ << cmdMinuteBack << cmdSecondBack << sldShift << cmdSecondOn << cmdMinuteOn << cmdGiven
          << lblShift << chartView->HouseSpots() << lblDifferences;
    for (qsizetype i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace velmora
