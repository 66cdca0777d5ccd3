// The result form: where every control stands, the chart grid, what each
// caption shows, fonts and colours, the report with its formats, and what a
// screen reader finds. The two links are tried in navigation_qtest.

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include "birth/ZoneTable.h"
#include "report/ReportWriter.h"
#include "result/ChartView.h"
#include "result/frmDisplay.h"
#include "result/frmVargas.h"
#include "tests/gui/Screenshots.h"
#include "tests/support/ChartFixture.h"
#include "tests/gui/result/DisplayCheck.h"
#include "tests/gui/entry/CaptureServices.h"
#include "widgets/LinkLabel.h"

using namespace velmora;
using velmora::testing::CapturedServices;
using velmora::testing::Run;
using velmora::testing::RunsOf;
using velmora::testing::DisplayMismatch;
using velmora::testing::ShownChart;

namespace {

// The worked chart as the one entry hands it to the form: each body at
// 12° 34′ 10″ of its sign, Mercury retrograde, the arudhas as a run computes
// them, the details of the Bangalore birth.
ShownChart WorkedChartTexts() {
    using namespace velmora::testing;
    Computed c = ComputeChart(kWorkedChart);
    ShownChart shown;
    Chart& chart = *shown.chart;
    for (int i = 0; i < kBodyCount; ++i) {
        chart.points[i].sign = kWorkedChart[i];
        chart.points[i].longitude = kWorkedChart[i] * 30 + 12 + 34 / 60.0 + 10 / 3600.0;
    }
    chart.points[2].retrograde = true;  // Mercury
    for (int a = 0; a < kArudhaCount; ++a) chart.arudhaSigns[a] = c.chart.ArudhaSigns[a];
    chart.birth.name = "ASHA RAO";
    chart.birth.clock = {1980, 3, 5, 9, 5};
    chart.birth.latitudeDegrees = 12;
    chart.birth.latitudeMinutes = 58;
    chart.birth.longitudeDegrees = 77;
    chart.birth.longitudeMinutes = 35;
    chart.birth.east = true;
    chart.birth.city = "Bangalore";
    chart.birth.state = "Karnataka";
    chart.birth.country = "India";
    WriteReport(c.chart, c.tables, chart.report);
    shown.Relabel();
    // The texts the run has always written for it.
    const PositionList positions = PositionsFor(kWorkedChart);
    bool same = shown.texts.signBoxes[Vir] == "\r\nMercury (R) " && shown.texts.arudhaBoxes == c.captions &&
                shown.texts.dateOfBirth == "March/5/1980" && shown.texts.timeOfBirth == "9:5" &&
                shown.texts.longitude == "77\xc2\xb0 35'" && shown.texts.latitude == "12\xc2\xb0 58'";
    for (int i = 0; i < kBodyCount; ++i) same = same && shown.texts.planet[i] == positions[i];
    if (!same) qFatal("the worked chart's texts are not those the run has always written");
    return shown;
}

// The worked chart as the Swiss Ephemeris' analytical series give it: Lahiri,
// the true node (the facts the mode line is written from, and that line).
void MakePrecise(Chart& chart) {
    chart.mode = ComputationMode::Precise;
    chart.analyticalEphemeris = true;
    chart.ayanamsaLabel = "Lahiri 23\u00B0 51\u2032 12\u2033";
    chart.node = NodeKind::True;
    chart.modeText = "Precise: Swiss Ephemeris (Moshier), Lahiri 23\u00B0 51\u2032 12\u2033, true node";
}

// The zone as the chart's centre says it: an entry of the zone list, or New
// York's clocks on the night they went back (tzdata: 02:00 EDT became 01:00
// EST on 7 November 2021), the later 01:30 taken.
void SetZone(ChartBirth& birth, bool listEntry) {
    if (listEntry) {
        for (int p = 0; p < kZoneItems; ++p)
            if (ZoneAbbreviation(kZoneTable[static_cast<std::size_t>(p)]) == "IST") birth.zoneEntry = p;
        birth.utcOffset = "+05:30";
        birth.dst = false;
    } else {
        birth.zoneEntry = -1;
        birth.timeZone = "America/New_York";
        birth.utcOffset = "-05:00";
        birth.dst = false;
        birth.zoneAbbreviation = "EST";
        birth.repeated = RepeatedHour::Later;
        birth.clock = {2021, 11, 7, 1, 30};
        birth.second = 0;
    }
}

QRect Twips(int left, int top, int width, int height) {
    return {qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0)};
}

}  // namespace

class DisplayTest : public QObject {
    Q_OBJECT

private slots:
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void signsRunClockwiseFromPiscesTopLeft();
    void numbersAndArudhasBelongToTheirCell();
    void displayCaption_data();
    void displayCaption();
    void captionsOfTheRunReachTheirLabels();
    void severalArudhasStandOnePerLine();
    void fixedCaptionsStayAsDesigned();
    void fontsAndColours();
    void reportKeepsTextBreaksAndFormats();
    void footerLinksStayVisibleBesideTheReport();
    void screenReaderNamesAndOrder();
    void textsFitTheirLabels();
    void preciseChartSaysHowItWasComputed();
    void centreSaysTheZoneAndTheEngine_data();
    void centreSaysTheZoneAndTheEngine();
    void spokenNamesOfCellsAndDetails_data();
    void spokenNamesOfCellsAndDetails();
    void detailsAreSpokenWordForWord_data();
    void detailsAreSpokenWordForWord();
    void growingFormKeepsEverythingApart_data();
    void growingFormKeepsEverythingApart();
    void backAtTheDesignedSizeEverythingIsWhereItWas();
    void reportReadAndScrolledByKeyboard();
    void theFocusedSignIsFramed_data();
    void theFocusedSignIsFramed();
    void chosenStyleShowsItsChart_data();
    void chosenStyleShowsItsChart();
    void northHousesSayTheirSignAndPoints_data();
    void northHousesSayTheirSignAndPoints();
    void northHousesAreReachedAndFramed();
};

namespace {

// What the accessibility tree gives a screen reader as the widget's name.
QString SpokenName(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// How many pixels of `image` have the strong blue of the keyboard focus.
int FocusBluePixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            n += qBlue(c) > 150 && qRed(c) < 60 && qGreen(c) - qRed(c) > 40 && qGreen(c) < 120;
        }
    return n;
}

// A chart with empty and crowded cells and some details left blank.
ShownChart SparseChart() {
    ShownChart texts = WorkedChartTexts();
    texts.chart->birth.city = "";
    texts.chart->birth.state = "";
    texts.chart->birth.country = "India";
    return texts;
}

}  // namespace

void DisplayTest::spokenNamesOfCellsAndDetails_data() {
    QTest::addColumn<QString>("label");  // object name, with [index] for an array
    QTest::addColumn<QString>("spoken");
    // The worked chart: Scorpio holds nothing, Virgo a retrograde Mercury,
    // Cancer the arudhas AL and A7, Aries none.
    QTest::newRow("empty sign") << "lblScorpio" << "Scorpio: no bodies";
    QTest::newRow("retrograde body") << "lblVirgo" << "Virgo: Mercury retrograde";
    QTest::newRow("no arudhas") << "lblArudha[0]" << "Aries: no arudhas";
    QTest::newRow("two arudhas") << "lblArudha[3]" << "Cancer: arudhas AL, A7";
    QTest::newRow("four arudhas") << "lblArudha[11]" << "Pisces: arudhas A2, A4, A8, A10";
    QTest::newRow("name") << "lblName" << "Name: ASHA RAO";
    QTest::newRow("date") << "lblDOB" << "Date of Birth: March/5/1980";
    QTest::newRow("empty city") << "lblCity" << "City: not given";
    QTest::newRow("empty state") << "lblState" << "State: not given";
    QTest::newRow("country") << "lblCountry" << "Country: India";
    QTest::newRow("a position") << "planet[9]" << "";  // checked against the text below
}

void DisplayTest::spokenNamesOfCellsAndDetails() {
    QFETCH(QString, label);
    QFETCH(QString, spoken);
    CapturedServices s;
    const ShownChart texts = SparseChart();
    frmDisplay form(texts.chart, texts.texts, s.services);
    QLabel* widget = nullptr;
    if (label.contains(QLatin1Char('['))) {
        const QString name = label.section(QLatin1Char('['), 0, 0);
        const int index = label.section(QLatin1Char('['), 1).chopped(1).toInt();
        widget = name == QLatin1String("planet") ? form.planet[index] : form.lblArudha[index];
    } else {
        widget = form.findChild<QLabel*>(label);
    }
    QVERIFY2(widget, qPrintable(label));
    if (spoken.isEmpty()) spoken = QStringLiteral("Asc: ") + QString::fromStdString(texts.texts.planet[9]).trimmed();
    QCOMPARE(SpokenName(widget), spoken);
    // Never the frame's title or a caption in place of an empty value.
    QVERIFY(!SpokenName(widget).startsWith(QStringLiteral("Hora")));
}

void DisplayTest::detailsAreSpokenWordForWord_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("spoken");
    // The place boxes take any text; a typed "(R)" is the person's own,
    // not a retrograde mark.
    QTest::newRow("city") << "lblCity" << "Toys (R) Us" << "Arkansas" << "USA" << "City: Toys (R) Us";
    QTest::newRow("state") << "lblState" << "Tulsa" << "(R) Territory" << "USA" << "State: (R) Territory";
    QTest::newRow("country") << "lblCountry" << "Lyon" << "Rhone" << "France (R)" << "Country: France (R)";
}

void DisplayTest::detailsAreSpokenWordForWord() {
    QFETCH(QString, label);
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, spoken);
    ShownChart texts = WorkedChartTexts();
    texts.chart->birth.city = city.toStdString();
    texts.chart->birth.state = state.toStdString();
    texts.chart->birth.country = country.toStdString();
    CapturedServices s;
    frmDisplay form(texts.chart, texts.texts, s.services);
    QLabel* widget = form.findChild<QLabel*>(label);
    QVERIFY2(widget, qPrintable(label));
    QCOMPARE(SpokenName(widget), spoken);
}

void DisplayTest::growingFormKeepsEverythingApart_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("taller") << QSize(809, 800);
    QTest::newRow("a 1600 x 1200 main window") << QSize(1400, 1060);
    QTest::newRow("a 1280 x 1024 main window") << QSize(1050, 893);
    QTest::newRow("the smallest chart") << QSize(809, 889);
    QTest::newRow("wide and low") << QSize(1800, 700);
    QTest::newRow("a 4K main window") << QSize(3360, 2000);
}

void DisplayTest::growingFormKeepsEverythingApart() {
    QFETCH(QSize, size);
    CapturedServices s;
    const ShownChart worked = WorkedChartTexts();
    frmDisplay form(worked.chart, worked.texts, s.services);
    form.resize(size);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.size(), size);
    // The blocks stand apart and inside the form.
    const QList<QWidget*> blocks = {form.Frame1, form.fraDetails, form.fraWestern, form.RTB, form.Label5, form.Label6};
    for (QWidget* a : blocks) {
        QVERIFY2(form.rect().contains(a->geometry()), qPrintable(a->objectName()));
        for (QWidget* b : blocks) {
            if (a == b) continue;
            // The details frame lies over the chart frame's right edge as designed;
            // elsewhere frames meet on a shared pixel line at most.
            const auto pair = [&](QWidget* x, QWidget* y) { return (a == x && b == y) || (a == y && b == x); };
            if (pair(form.Frame1, form.fraDetails)) continue;
            const QRect overlap = a->geometry().intersected(b->geometry());
            const int allowed = qCeil(form.Layout().Scale);
            QVERIFY2(overlap.isEmpty() || overlap.height() <= allowed,
                     qPrintable(a->objectName() + " / " + b->objectName()));
        }
    }
    // The report grew before anything else, and more height means more report.
    QVERIFY(form.RTB->height() > qRound(2055 / 15.0));
    const int lines = form.RTB->viewport()->height() / QFontMetrics(form.RTB->document()->begin().begin().fragment().charFormat().font()).lineSpacing();
    if (size.height() >= 1000) QVERIFY2(lines >= 25, qPrintable(QString::number(lines)));
    // Every cell keeps its number and arudhas, and every text fits its label at the new scale.
    for (int k = 0; k < kSignCount; ++k) {
        QVERIFY(form.shpHora[k]->geometry().contains(form.signLabels[k]->geometry()));
        QVERIFY(form.Hno[k]->geometry().bottom() <= form.lblArudha[k]->y());
        QVERIFY(!form.Shape1->geometry().intersects(form.signLabels[k]->geometry()));
    }
    for (QLabel* label : form.findChildren<QLabel*>()) {
        if (label->wordWrap() || label->text().isEmpty()) continue;
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                          -label->margin());
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(room, int(label->alignment()), label->text());
        // The designed labels leave a pixel or two to spare; as many times that when grown.
        const int slack = qCeil(2 * std::max(1.0, form.Layout().Scale));
        QVERIFY2(needed.width() <= room.width() + slack, qPrintable(label->objectName() + ": " + label->text()));
        // Downwards what counts is the ink: hinted fonts keep whole-pixel line
        // boxes that shrink less than the labels, but no glyph may reach past
        // the label's margin.
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        const int inkBottom = (lines.size() - 1) * metrics.lineSpacing() + metrics.ascent() +
                              std::max(0, metrics.tightBoundingRect(lines.last()).bottom());
        QVERIFY2(inkBottom <= room.height(),
                 qPrintable(QStringLiteral("%1: %2 needs %3 pixels, has %4")
                                .arg(label->objectName(), label->text()).arg(inkBottom).arg(room.height())));
    }
    velmora::testing::SaveScreenshot(form.grab(), QStringLiteral("result-form-%1x%2").arg(size.width()).arg(size.height()));
}

void DisplayTest::backAtTheDesignedSizeEverythingIsWhereItWas() {
    CapturedServices s;
    const ShownChart worked = WorkedChartTexts();
    frmDisplay form(worked.chart, worked.texts, s.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QMap<QWidget*, QRect> designed;
    QMap<QWidget*, double> points;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        designed[w] = w->geometry();
        points[w] = w->font().pointSizeF();
    }
    form.resize(1500, 1100);
    QTRY_COMPARE(form.width(), 1500);
    QVERIFY(form.fraBirthchart->width() > designed[form.fraBirthchart].width());
    form.resize(form.sizeHint());
    for (auto it = designed.cbegin(); it != designed.cend(); ++it) {
        QCOMPARE(it.key()->geometry(), it.value());
        QCOMPARE(it.key()->font().pointSizeF(), points[it.key()]);
    }
}

void DisplayTest::theFocusedSignIsFramed_data() {
    QTest::addColumn<int>("sign");
    QTest::addColumn<bool>("arudhas");  // the focus on the sign's arudhas, not its bodies
    for (const int sign : {0, 3, 8, 11}) {
        QTest::addRow("%s bodies", frmDisplay::kSignEnglishNames[sign]) << sign << false;
        QTest::addRow("%s arudhas", frmDisplay::kSignEnglishNames[sign]) << sign << true;
    }
}

void DisplayTest::theFocusedSignIsFramed() {
    // The cell with the keyboard focus is outlined in a strong blue that the
    // chart uses nowhere else (the arudhas are pure blue, 0 0 255); the other
    // cells stay as they were.
    QFETCH(int, sign);
    QFETCH(bool, arudhas);
    CapturedServices s;
    const ShownChart worked = WorkedChartTexts();
    frmDisplay form(worked.chart, worked.texts, s.services);
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const auto outlinePixels = [&form](int cell) {
        return FocusBluePixels(form.fraBirthchart->grab(form.shpHora[cell]->geometry()).toImage());
    };
    form.RTB->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), form.RTB);
    QCOMPARE(outlinePixels(sign), 0);
    QWidget* target = arudhas ? static_cast<QWidget*>(form.lblArudha[sign]) : form.signLabels[sign];
    target->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), target);
    const QSize cell = form.shpHora[sign]->size();
    QVERIFY2(outlinePixels(sign) >= 2 * (cell.width() + cell.height()), qPrintable(QString::number(outlinePixels(sign))));
    QCOMPARE(outlinePixels((sign + 1) % kSignCount), 0);
    // Away again: the outline goes.
    form.RTB->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), form.RTB);
    QCOMPARE(outlinePixels(sign), 0);
}

void DisplayTest::reportReadAndScrolledByKeyboard() {
    CapturedServices s;
    const ShownChart worked = WorkedChartTexts();
    frmDisplay form(worked.chart, worked.texts, s.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.signLabels[0]->setFocus();
    // Alt+R goes to the report from anywhere on the form.
    QTest::keyClick(&form, Qt::Key_R, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), form.RTB);
    QScrollBar* bar = form.RTB->verticalScrollBar();
    QCOMPARE(bar->value(), 0);
    QTest::keyClick(form.RTB, Qt::Key_PageDown);
    QVERIFY(bar->value() > 0);
    QTest::keyClick(form.RTB, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(bar->value() > bar->maximum() - 2 * QFontMetrics(form.RTB->currentFont()).lineSpacing());
    QTest::keyClick(form.RTB, Qt::Key_Home, Qt::ControlModifier);
    QVERIFY(bar->value() < QFontMetrics(form.RTB->currentFont()).lineSpacing());
}


void DisplayTest::controlsStandWhereDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Frame1") << "Frame1" << Twips(120, 120, 8175, 6975);
    QTest::newRow("fraBirthchart") << "fraBirthchart" << Twips(0, 0, 8115, 6945);
    QTest::newRow("Shape2") << "Shape2" << Twips(100, 120, 7890, 6755);
    QTest::newRow("Shape1") << "Shape1" << Twips(2085, 1815, 3930, 3355);
    QTest::newRow("lblPisces") << "lblPisces" << Twips(240, 240, 1305, 1500);
    QTest::newRow("lblAries") << "lblAries" << Twips(2280, 240, 1305, 1500);
    QTest::newRow("lblTaurus") << "lblTaurus" << Twips(4200, 240, 1305, 1500);
    QTest::newRow("lblGemini") << "lblGemini" << Twips(6120, 240, 1305, 1500);
    QTest::newRow("lblCancer") << "lblCancer" << Twips(6120, 1920, 1305, 1500);
    QTest::newRow("lblLeo") << "lblLeo" << Twips(6120, 3600, 1305, 1500);
    QTest::newRow("lblVirgo") << "lblVirgo" << Twips(6120, 5280, 1305, 1500);
    QTest::newRow("lblLibra") << "lblLibra" << Twips(4200, 5280, 1305, 1500);
    QTest::newRow("lblScorpio") << "lblScorpio" << Twips(2160, 5280, 1305, 1500);
    QTest::newRow("lblSagattarius") << "lblSagattarius" << Twips(240, 5280, 1305, 1500);
    QTest::newRow("lblCapricorn") << "lblCapricorn" << Twips(240, 3600, 1305, 1500);
    QTest::newRow("lblAquarius") << "lblAquarius" << Twips(240, 1920, 1305, 1500);
    QTest::newRow("Label7") << "Label7" << Twips(2400, 3240, 3225, 345);
    QTest::newRow("fraDetails") << "fraDetails" << Twips(8520, 0, 3490, 2775);
    QTest::newRow("lblName") << "lblName" << Twips(120, 240, 3285, 240);
    QTest::newRow("lblDOB") << "lblDOB" << Twips(1440, 600, 2055, 195);
    QTest::newRow("lblTOB") << "lblTOB" << Twips(1440, 900, 2055, 195);
    QTest::newRow("lblLongitude") << "lblLongitude" << Twips(1440, 1200, 2055, 195);
    QTest::newRow("lblLatitude") << "lblLatitude" << Twips(1440, 1500, 2055, 195);
    QTest::newRow("lblCity") << "lblCity" << Twips(1440, 1800, 2055, 195);
    QTest::newRow("lblState") << "lblState" << Twips(1440, 2100, 2055, 195);
    QTest::newRow("lblCountry") << "lblCountry" << Twips(1440, 2400, 2055, 195);
    QTest::newRow("fraWestern") << "fraWestern" << Twips(8520, 2760, 3495, 4215);
    QTest::newRow("RTB") << "RTB" << Twips(240, 7080, 11775, 2055);
}

void DisplayTest::controlsStandWhereDesigned() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    CapturedServices s;
    const ShownChart worked = WorkedChartTexts();
    frmDisplay form(worked.chart, worked.texts, s.services);
    auto* widget = form.findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), twips);
}

void DisplayTest::signsRunClockwiseFromPiscesTopLeft() {
    CapturedServices s;
    const ShownChart worked = WorkedChartTexts();
    frmDisplay form(worked.chart, worked.texts, s.services);
    // Row and column of each sign in the four-by-four grid, by sign index.
    const std::array<QPoint, kSignCount> grid = {
        QPoint(1, 0), QPoint(2, 0), QPoint(3, 0), QPoint(3, 1), QPoint(3, 2), QPoint(3, 3),
        QPoint(2, 3), QPoint(1, 3), QPoint(0, 3), QPoint(0, 2), QPoint(0, 1), QPoint(0, 0)};
    const QRect chart = form.Shape2->geometry();
    for (int k = 0; k < kSignCount; ++k) {
        const QPoint centre = form.signLabels[k]->geometry().center() - chart.topLeft();
        const QPoint cell(centre.x() * 4 / chart.width(), centre.y() * 4 / chart.height());
        QVERIFY2(cell == grid[k], frmDisplay::kSignEnglishNames[k]);
        QVERIFY(form.shpHora[k]->geometry().contains(form.signLabels[k]->geometry()));
    }
    // The centre holds no sign, only the invitation to the forum.
    QVERIFY(form.Shape1->geometry().contains(form.Label7->geometry()));
    for (QLabel* sign : form.signLabels) QVERIFY(!form.Shape1->geometry().intersects(sign->geometry()));
}

void DisplayTest::numbersAndArudhasBelongToTheirCell() {
    CapturedServices s;
    const ShownChart worked = WorkedChartTexts();
    frmDisplay form(worked.chart, worked.texts, s.services);
    // The cell whose right edge is the nearest one to the left of `p`, in the
    // same band of rows.
    auto cellLeftOf = [&form](const QPoint& p) {
        int best = -1;
        for (int k = 0; k < kSignCount; ++k) {
            const QRect r = form.signLabels[k]->geometry();
            const bool sameRow = p.y() >= r.top() - 10 && p.y() <= r.bottom();
            if (!sameRow || r.right() > p.x()) continue;
            if (best < 0 || r.right() > form.signLabels[best]->geometry().right()) best = k;
        }
        return best;
    };
    for (int k = 0; k < kSignCount; ++k) {
        QCOMPARE(form.Hno[k]->text(), QString::number(k + 1));
        QCOMPARE(cellLeftOf(form.Hno[k]->geometry().topLeft()), k);
        QCOMPARE(cellLeftOf(form.lblArudha[k]->geometry().topLeft()), k);
        // The number stands above the arudhas.
        QVERIFY(form.Hno[k]->geometry().bottom() <= form.lblArudha[k]->y());
    }
}

void DisplayTest::displayCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("one body") << "\r\nSun" << "Sun";
    QTest::newRow("two bodies, retrograde mark kept")
        << "\r\nSun\r\nMercury (R) " << "Sun\nMercury (R) ";
    QTest::newRow("only the first empty line goes") << "\r\n\r\nAL" << "\nAL";
    QTest::newRow("no leading break") << "AL\r\nA7" << "AL\nA7";
}

void DisplayTest::displayCaption() {
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QCOMPARE(frmDisplay::DisplayCaption(caption.toStdString()), shown);
}

void DisplayTest::captionsOfTheRunReachTheirLabels() {
    // Distinct texts everywhere, so that any crossed wire shows.
    ShownChart texts;
    for (int i = 0; i < kBodyCount; ++i) texts.texts.planet[i] = '0' + std::to_string(i) + " Ari 1" + std::to_string(i);
    for (int k = 0; k < kSignCount; ++k) {
        texts.texts.signBoxes[k] = "\r\nbody" + std::to_string(k);
        texts.texts.arudhaBoxes[k] = "\r\nA" + std::to_string(k + 1);
    }
    texts.texts.name = "N";
    texts.texts.dateOfBirth = "D";
    texts.texts.timeOfBirth = "T";
    texts.texts.longitude = "Lo";
    texts.texts.latitude = "La";
    texts.chart->birth.city = "Ci";
    texts.chart->birth.state = "St";
    texts.chart->birth.country = "Co";
    CapturedServices s;
    frmDisplay form(texts.chart, texts.texts, s.services);

    for (int k = 0; k < kSignCount; ++k) {
        QCOMPARE(frmDisplay::Caption(form.signLabels[k]), QString::fromStdString(texts.texts.signBoxes[k]));
        QCOMPARE(form.signLabels[k]->text(), QStringLiteral("body%1").arg(k));
        QCOMPARE(frmDisplay::Caption(form.lblArudha[k]), QString::fromStdString(texts.texts.arudhaBoxes[k]));
        QCOMPARE(form.lblArudha[k]->text(), QStringLiteral("A%1").arg(k + 1));
    }
    QCOMPARE(DisplayMismatch(form, *texts.chart, texts.texts), QString());
}

void DisplayTest::severalArudhasStandOnePerLine() {
    CapturedServices s;
    const ShownChart texts = WorkedChartTexts();
    frmDisplay form(texts.chart, texts.texts, s.services);
    QLabel* pisces = form.lblArudha[11];
    QCOMPARE(frmDisplay::Caption(pisces), QStringLiteral("\r\nA2\r\nA4\r\nA8\r\nA10"));
    QCOMPARE(pisces->text(), QStringLiteral("A2\nA4\nA8\nA10"));
    // Tall enough for the four lines, still within the top row of the chart.
    QVERIFY(pisces->height() >= 4 * QFontMetrics(pisces->font()).lineSpacing());
    QVERIFY(pisces->geometry().bottom() < form.signLabels[10]->y());
    QCOMPARE(pisces->width(), qRound(375 / 15.0));
    // A sign without bodies or arudhas shows an empty cell and its number.
    QCOMPARE(form.signLabels[7]->text(), QString());  // Scorpio holds no body
    QCOMPARE(form.lblArudha[3]->text(), QStringLiteral("AL\nA7"));
    QCOMPARE(form.Hno[7]->text(), QStringLiteral("8"));
    QCOMPARE(form.signLabels[5]->text(), QStringLiteral("Mercury (R) "));
}

void DisplayTest::fixedCaptionsStayAsDesigned() {
    CapturedServices s;
    const ShownChart worked = WorkedChartTexts();
    frmDisplay form(worked.chart, worked.texts, s.services);
    const QStringList names = {"Surya/Sun",    "Chandra/Moon",    "Budha/Mercury",   "Shukra/Venus", "Mangala/Mars",
                               "Guru/Jupiter", "Shani/Saturn", "Rahu/North Node", "Ketu/South node", "Asc/Lagna"};
    const std::array<int, kBodyCount> valueTops = {360, 746, 1132, 1518, 1904, 2290, 2676, 3062, 3448, 3840};
    for (int i = 0; i < kBodyCount; ++i) {
        QCOMPARE(form.PlanetName[i]->text(), names[i]);
        QCOMPARE(form.PlanetName[i]->geometry(), Twips(120, 360 + 390 * i, 1785, 270));
        QCOMPARE(form.planet[i]->geometry(), Twips(1920, valueTops[i], 1455, 270));
    }
    const std::vector<std::pair<QString, QLabel*>> rows = {
        {"Date of Birth :", form.lblDOB}, {"Time of Birth :", form.lblTOB}, {"Longitude :", form.lblLongitude},
        {"Latitude   :", form.lblLatitude}, {"City :", form.lblCity}, {"State :", form.lblState},
        {"Country :", form.lblCountry}};
    for (const auto& [caption, value] : rows) {
        QLabel* label = nullptr;
        for (QLabel* candidate : form.fraDetails->findChildren<QLabel*>()) {
            if (candidate->text() == caption) label = candidate;
        }
        QVERIFY2(label, qPrintable(caption));
        QCOMPARE(label->x(), qRound(120 / 15.0));
        QCOMPARE(label->y(), value->y());
        QVERIFY(label->geometry().right() < value->x());
    }
    QCOMPARE(form.fraBirthchart->title(), QStringLiteral("Hora"));
    QCOMPARE(form.fraDetails->title(), QStringLiteral("Your details"));
    QCOMPARE(form.fraWestern->title(), QStringLiteral("Vedic Planetary Position"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Velmora v" VELMORA_VERSION));
}

void DisplayTest::fontsAndColours() {
    CapturedServices s;
    const ShownChart worked = WorkedChartTexts();
    frmDisplay form(worked.chart, worked.texts, s.services);
    for (int k = 0; k < kSignCount; ++k) {
        QCOMPARE(form.signLabels[k]->palette().color(QPalette::WindowText), QColor(0, 64, 0));
        QCOMPARE(form.lblArudha[k]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(form.lblArudha[k]->font().bold());
        QCOMPARE(form.lblArudha[k]->font().pointSizeF(), 8.25);
        QVERIFY(QFontInfo(form.Hno[k]->font()).fixedPitch());
        QVERIFY(form.Hno[k]->font().bold());
        QCOMPARE(form.Hno[k]->font().pointSizeF(), 9.75);
    }
    for (QGroupBox* frame : {form.fraBirthchart, form.fraDetails, form.fraWestern}) {
        QVERIFY(frame->font().bold());
        QCOMPARE(frame->font().pointSizeF(), 8.25);
    }
    for (int i = 0; i < kBodyCount; ++i) {
        QVERIFY(form.PlanetName[i]->font().bold());
        QVERIFY(!form.planet[i]->font().bold());
        QCOMPARE(form.planet[i]->font().pointSizeF(), 9.75);
    }
}

void DisplayTest::reportKeepsTextBreaksAndFormats() {
    CapturedServices s;
    const ShownChart texts = WorkedChartTexts();
    QVERIFY(texts.chart->report.size() > 20);
    frmDisplay form(texts.chart, texts.texts, s.services);
    QVERIFY(form.RTB->isReadOnly());
    QCOMPARE(DisplayMismatch(form, *texts.chart, texts.texts), QString());
    const std::vector<Run> shown = RunsOf(form.RTB->document());
    // A screen reader reads the same text, breaks as line ends.
    QString plain;
    for (const Run& r : RunsOf(texts.chart->report)) plain += r.text;
    QCOMPARE(form.RTB->toPlainText(), plain);
    // Both colours and both weights occur, so the comparison above means something.
    const auto has = [&shown](auto predicate) { return std::any_of(shown.begin(), shown.end(), predicate); };
    QVERIFY(has([](const Run& r) { return r.color == QColor(128, 0, 0); }));
    QVERIFY(has([](const Run& r) { return r.color == QColor(0, 0, 0) && !r.bold; }));
    QVERIFY(has([](const Run& r) { return r.bold; }));
}

void DisplayTest::footerLinksStayVisibleBesideTheReport() {
    // The forum line and address stand under the report, not behind it.
    CapturedServices s;
    const ShownChart worked = WorkedChartTexts();
    frmDisplay form(worked.chart, worked.texts, s.services);
    for (QWidget* label : {static_cast<QWidget*>(form.Label5), static_cast<QWidget*>(form.Label6)}) {
        QVERIFY(!label->geometry().intersects(form.RTB->geometry()));
        QVERIFY(form.rect().contains(label->geometry()));
    }
    QCOMPARE(form.Label5->x(), qRound(3480 / 15.0));
    QCOMPARE(form.Label6->x(), qRound(9225 / 15.0));
    QVERIFY(form.Label6->text().contains(WebPageAddress(WebPage::Home).host()));
}

void DisplayTest::screenReaderNamesAndOrder() {
    CapturedServices s;
    const ShownChart worked = WorkedChartTexts();
    frmDisplay form(worked.chart, worked.texts, s.services);
    for (int k = 0; k < kSignCount; ++k) {
        QCOMPARE(form.signLabels[k]->accessibleDescription(), QLatin1String(frmDisplay::kSignEnglishNames[k]));
        QCOMPARE(form.lblArudha[k]->accessibleDescription(), QLatin1String(frmDisplay::kSignEnglishNames[k]));
    }
    const QStringList bodies = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};
    for (int i = 0; i < kBodyCount; ++i) QCOMPARE(form.planet[i]->accessibleDescription(), bodies[i]);
    const std::vector<std::pair<QLabel*, QString>> details = {
        {form.lblDOB, "Date of Birth"}, {form.lblTOB, "Time of Birth"}, {form.lblLongitude, "Longitude"},
        {form.lblLatitude, "Latitude"}, {form.lblCity, "City"}, {form.lblState, "State"},
        {form.lblCountry, "Country"}};
    for (const auto& [label, spoken] : details) QCOMPARE(label->accessibleDescription(), spoken);
    QVERIFY(!form.RTB->accessibleName().isEmpty());
    QVERIFY(form.RTB->textInteractionFlags() & Qt::TextSelectableByKeyboard);

    // Tab goes from the first sign through the chart and the tables to the report.
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.signLabels[0]->setFocus();
    QStringList visited;
    for (int step = 0; step < 80 && QApplication::focusWidget() != form.RTB; ++step) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), form.RTB);
    for (const char* name : {"lblAries", "lblPisces", "lblArudha", "lblDOB", "lblCountry", "planet"}) {
        QVERIFY2(visited.contains(QLatin1String(name)), name);
    }
    QVERIFY(visited.indexOf(QStringLiteral("lblPisces")) < visited.indexOf(QStringLiteral("lblDOB")));
    QVERIFY(visited.indexOf(QStringLiteral("lblDOB")) < visited.indexOf(QStringLiteral("planet")));
}

void DisplayTest::textsFitTheirLabels() {
    // Long texts where the run can write them: a crowded sign, long places.
    ShownChart texts = WorkedChartTexts();
    texts.texts.signBoxes[4] = "\r\nSun\r\nMercury (R) \r\nVenus (R) \r\nMars (R) \r\nJupiter (R) \r\nSaturn (R) ";
    texts.chart->birth.city = "Thiruvananthapuram";
    texts.texts.dateOfBirth = "September/30/2050";
    texts.texts.longitude = "179\xc2\xb0 59'";
    texts.texts.name = "ANANTHA SUBRAMANIAM";
    CapturedServices s;
    frmDisplay form(texts.chart, texts.texts, s.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (QLabel* label : form.findChildren<QLabel*>()) {
        if (label->wordWrap() || label->text().isEmpty()) continue;
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                          -label->margin());
        const QRect needed = QFontMetrics(label->font()).boundingRect(room, int(label->alignment()), label->text());
        QVERIFY2(needed.width() <= room.width(), qPrintable(label->objectName() + ": " + label->text()));
        QVERIFY2(needed.height() <= room.height() + 2, qPrintable(label->objectName() + ": " + label->text()));
    }
}

void DisplayTest::preciseChartSaysHowItWasComputed() {
    CapturedServices s;
    {
        const ShownChart worked = WorkedChartTexts();
    frmDisplay classic(worked.chart, worked.texts, s.services);
        QVERIFY(classic.lblMode == nullptr);
        QVERIFY(classic.findChild<QLabel*>(QStringLiteral("lblMode")) == nullptr);
    }
    ShownChart texts = WorkedChartTexts();
    texts.chart->birth.country = "United States of America";
    MakePrecise(*texts.chart);
    frmDisplay form(texts.chart, texts.texts, s.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.lblMode != nullptr);
    QCOMPARE(form.lblMode->text(), QString::fromStdString(texts.chart->modeText));
    QCOMPARE(form.lblMode->accessibleDescription(), QStringLiteral("Positions"));
    // Inside its frame, under the country, with room for every wrapped line.
    QVERIFY(form.fraDetails->rect().contains(form.lblMode->geometry()));
    QVERIFY(form.lblMode->y() > form.lblCountry->geometry().bottom());
    QVERIFY2(form.lblMode->heightForWidth(form.lblMode->width()) <= form.lblMode->height(),
             qPrintable(QString::number(form.lblMode->heightForWidth(form.lblMode->width()))));
    // The rows still stand one under the other without touching.
    QVERIFY(form.lblDOB->geometry().bottom() < form.lblTOB->y());
    QVERIFY(form.lblState->geometry().bottom() < form.lblCountry->y());
    // Tab reaches it after the country.
    form.lblCountry->setFocus();
    QTest::keyClick(form.lblCountry, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.lblMode);
    velmora::testing::SaveScreenshot(form.grab(), QStringLiteral("result-form-precise"));
}

void DisplayTest::centreSaysTheZoneAndTheEngine_data() {
    QTest::addColumn<QString>("zoneUsed");
    QTest::addColumn<int>("zone");  // 0 none, 1 the zone list's IST, 2 New York's repeated hour
    QTest::addColumn<bool>("precise");
    QTest::addColumn<QString>("shown");
    const QString classic = QStringLiteral("Classic positions (the program's own model)");
    const QString listEntry = QStringLiteral("Indian Time, IST, +5.3: UTC+05:30");
    const QString repeated = QStringLiteral("America/New_York: UTC-05:00 on 7 November 2021 at 01:30, the later of "
                                            "the two (the clocks showed this time twice)");
    QTest::newRow("classic, a list entry") << listEntry << 1 << false << listEntry + QLatin1Char('\n') + classic;
    QTest::newRow("classic, a repeated hour") << repeated << 2 << false << repeated + QLatin1Char('\n') + classic;
    QTest::newRow("precise, a repeated hour") << repeated << 2 << true << repeated;
    QTest::newRow("precise, a list entry") << listEntry << 1 << true << listEntry;
    QTest::newRow("classic, nothing said of the zone") << QString() << 0 << false << classic;
}

void DisplayTest::centreSaysTheZoneAndTheEngine() {
    QFETCH(QString, zoneUsed);
    QFETCH(int, zone);
    QFETCH(bool, precise);
    QFETCH(QString, shown);
    ShownChart texts = WorkedChartTexts();
    texts.chart->birth.zoneUsed = zoneUsed.toStdString();
    if (zone > 0) SetZone(texts.chart->birth, zone == 1);
    if (precise) MakePrecise(*texts.chart);
    CapturedServices s;
    frmDisplay form(texts.chart, texts.texts, s.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.lblUsed != nullptr);
    QCOMPARE(form.lblUsed->text(), shown);
    QVERIFY(SpokenName(form.lblUsed).contains(zoneUsed));
    // In the chart's centre, clear of the forum link and of every cell, with
    // room for every wrapped line.
    QVERIFY(form.Shape1->geometry().contains(form.lblUsed->geometry()));
    QVERIFY(!form.lblUsed->geometry().intersects(form.Label7->geometry()));
    for (QLabel* sign : form.signLabels) QVERIFY(!form.lblUsed->geometry().intersects(sign->geometry()));
    QVERIFY2(form.lblUsed->heightForWidth(form.lblUsed->width()) <= form.lblUsed->height(),
             qPrintable(QString::number(form.lblUsed->heightForWidth(form.lblUsed->width()))));
    // The details keep their designed places: the time of birth as the run wrote it.
    QCOMPARE(form.lblTOB->text(), QStringLiteral("9:5"));
    if (!precise) QCOMPARE(form.lblTOB->geometry(), Twips(1440, 600 + 300, 2055, 195));
    // Tab reaches it after the details.
    QWidget* last = precise ? static_cast<QWidget*>(form.lblMode) : form.lblCountry;
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.lblUsed);
    velmora::testing::SaveScreenshot(form.grab(), QStringLiteral("result-form-centre-%1").arg(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-')).replace(QLatin1Char(','), QString()));
}


namespace {

// The form's chart when it shows the North-Indian style, else null.
ChartView* NorthChart(const frmDisplay& form) {
    return form.birthChart && form.birthChart->Style() == ChartStyle::North ? form.birthChart : nullptr;
}

}  // namespace

void DisplayTest::chosenStyleShowsItsChart_data() {
    QTest::addColumn<ChartStyle>("kept");     // the style kept when the form is built
    QTest::addColumn<int>("chosenOnPage");   // -1, or the style chosen later on the nakshatra page (0 South, 1 North)
    QTest::addColumn<ChartStyle>("shown");
    QTest::newRow("south by default") << ChartStyle::South << -1 << ChartStyle::South;
    QTest::newRow("north kept") << ChartStyle::North << -1 << ChartStyle::North;
    QTest::newRow("north chosen on the page") << ChartStyle::South << 1 << ChartStyle::North;
    QTest::newRow("south chosen again") << ChartStyle::North << 0 << ChartStyle::South;
}

void DisplayTest::chosenStyleShowsItsChart() {
    // The chart follows the chosen style in the grid's own rectangle; the
    // details, the positions and the report stand where they stand with the
    // South-Indian grid, at the designed size and grown.
    QFETCH(ChartStyle, kept);
    QFETCH(int, chosenOnPage);
    QFETCH(ChartStyle, shown);
    CapturedServices south;
    const ShownChart worked = WorkedChartTexts();
    frmDisplay reference(worked.chart, worked.texts, south.services);
    reference.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reference));
    CapturedServices s;
    s.chartStyle.Choose(kept);
    frmDisplay form(worked.chart, worked.texts, s.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    if (chosenOnPage >= 0) {
        form.ShowVargas();
        form.Vargas()->cboStyle->setCurrentIndex(chosenOnPage);
        form.Vargas()->close();
    }
    const bool north = shown == ChartStyle::North;
    QCOMPARE(s.chartStyle.Style(), shown);

    const QSize grown = form.sizeHint() * 13 / 10;
    for (const QSize size : {form.sizeHint(), grown}) {
        form.resize(size);
        reference.resize(size);
        QCoreApplication::processEvents();
        for (const char* name : {"Frame1", "fraBirthchart", "Shape2", "fraDetails", "fraWestern", "RTB", "cmdVargas"}) {
            const QWidget* mine = form.findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(mine, name);
            QCOMPARE(form.size(), reference.size());
            QCOMPARE(mine->geometry(), reference.findChild<QWidget*>(QLatin1String(name))->geometry());
        }
        ChartView* diamond = NorthChart(form);
        QCOMPARE(diamond && diamond->isVisible(), north);
        if (north) {
            QCOMPARE(diamond->Style(), ChartStyle::North);
            QCOMPARE(diamond->parentWidget(), form.fraBirthchart);
            // The grid's outer frame, and below the diamond in it the zone
            // line and the classic note, whole and in sight.
            const QRect frame = reference.Shape2->geometry();
            QCOMPARE(diamond->geometry().topLeft(), frame.topLeft());
            QCOMPARE(diamond->width(), frame.width());
            QVERIFY(diamond->geometry().bottom() < frame.bottom());
            QVERIFY(frame.contains(form.lblUsed->geometry()));
            QVERIFY(!form.lblUsed->geometry().intersects(diamond->geometry()));
            QVERIFY(form.lblUsed->heightForWidth(form.lblUsed->width()) <= form.lblUsed->height());
            QVERIFY(!form.lblUsed->text().isEmpty());
            for (int house = 1; house <= kSignCount; ++house)
                QVERIFY(diamond->rect().contains(diamond->HouseSpot(house)->geometry()));
        }
        for (int k = 0; k < kSignCount; ++k) {
            QCOMPARE(form.signLabels[k]->isVisible(), !north);
            QCOMPARE(form.lblArudha[k]->isVisible(), !north);
            QCOMPARE(form.Hno[k]->isVisible(), !north);
            QCOMPARE(form.shpHora[k]->isVisible(), !north);
        }
        // The zone line is shown in either style (below the diamond); the
        // forum link in the grid's centre has no room in the diamond.
        QVERIFY(form.lblUsed->isVisible());
        QCOMPARE(form.Label7->isVisible(), !north);
        if (!north) QCOMPARE(form.lblUsed->geometry(), reference.lblUsed->geometry());
        for (const QWidget* w : {static_cast<QWidget*>(form.fraDetails), static_cast<QWidget*>(form.fraWestern), static_cast<QWidget*>(form.RTB)})
            QVERIFY(w->isVisible());
    }
    form.resize(form.sizeHint());
    QCoreApplication::processEvents();
    if (north)
        velmora::testing::SaveScreenshot(form.grab(), QStringLiteral("result-form-north-%1")
                                                          .arg(QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'))));
}

void DisplayTest::northHousesSayTheirSignAndPoints_data() {
    // The worked chart's bodies (Sun Leo, Moon Taurus, Mercury Virgo
    // retrograde, Venus Libra, Mars Capricorn, Jupiter Cancer, Saturn
    // Aquarius, Rahu Gemini, Ketu Sagittarius) with the arudhas placed by
    // hand: AL Cancer, A2 Pisces, A3 Taurus, A4 Pisces, A5 Leo, A6 Gemini,
    // A7 Cancer, A8 Pisces, A9 Scorpio, A10 Pisces, A11 Capricorn, A12 Libra.
    // House 1 holds the ascendant's sign; the houses count on from it.
    QTest::addColumn<int>("ascendant");
    QTest::addColumn<int>("house");
    QTest::addColumn<QString>("spoken");
    using namespace velmora::testing;
    const std::vector<std::pair<int, const char*>> aries = {
        {1, "House 1, Aries: Ascendant"},
        {2, "House 2, Taurus: Moon, A3"},
        {3, "House 3, Gemini: Rahu, A6"},
        {4, "House 4, Cancer: Jupiter, AL, A7"},
        {5, "House 5, Leo: Sun, A5"},
        {6, "House 6, Virgo: Mercury retrograde"},
        {7, "House 7, Libra: Venus, A12"},
        {8, "House 8, Scorpio: A9"},
        {9, "House 9, Sagittarius: Ketu"},
        {10, "House 10, Capricorn: Mars, A11"},
        {11, "House 11, Aquarius: Saturn"},
        {12, "House 12, Pisces: A2, A4, A8, A10"},
    };
    for (const auto& [house, spoken] : aries) QTest::addRow("Aries rising, house %d", house) << int(Ari) << house << QString::fromLatin1(spoken);
    // The ascendant in Leo (and A9 moved there too): Aries is now house 9 and Scorpio, empty, house 4.
    const std::vector<std::pair<int, const char*>> leo = {
        {1, "House 1, Leo: Sun, Ascendant, A5, A9"},
        {2, "House 2, Virgo: Mercury retrograde"},
        {4, "House 4, Scorpio: empty"},
        {9, "House 9, Aries: empty"},
        {12, "House 12, Cancer: Jupiter, AL, A7"},
    };
    for (const auto& [house, spoken] : leo) QTest::addRow("Leo rising, house %d", house) << int(Leo) << house << QString::fromLatin1(spoken);
}

namespace {

ShownChart HandPlacedArudhas(int ascendant) {
    using namespace velmora::testing;
    ShownChart texts = WorkedChartTexts();
    texts.chart->arudhaSigns = {Can, Pis, Tau, Pis, Leo, Gem, Can, Pis, Sco, Pis, Cap, Lib};
    texts.chart->points[kAsc].sign = ascendant;
    if (ascendant == Leo) texts.chart->arudhaSigns[8] = Leo;
    return texts;
}

}  // namespace

void DisplayTest::northHousesSayTheirSignAndPoints() {
    QFETCH(int, ascendant);
    QFETCH(int, house);
    QFETCH(QString, spoken);
    CapturedServices s;
    s.chartStyle.Choose(ChartStyle::North);
    const ShownChart hand = HandPlacedArudhas(ascendant);
    frmDisplay form(hand.chart, hand.texts, s.services);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    ChartView* diamond = NorthChart(form);
    QVERIFY(diamond);
    QWidget* spot = diamond->HouseSpot(house);
    QVERIFY(spot->isVisible());
    QVERIFY(spot->focusPolicy() & Qt::TabFocus);
    QCOMPARE(SpokenName(spot), spoken);
}

void DisplayTest::northHousesAreReachedAndFramed() {
    // Tab walks the houses one by one, then on to the details; the house
    // with the focus is outlined in the strong focus blue (0 70 200), which
    // the chart uses nowhere else.
    CapturedServices s;
    s.chartStyle.Choose(ChartStyle::North);
    const ShownChart worked = WorkedChartTexts();
    frmDisplay form(worked.chart, worked.texts, s.services);
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    ChartView* diamond = NorthChart(form);
    QVERIFY(diamond);
    const auto focusPixels = [diamond] { return FocusBluePixels(diamond->grab().toImage()); };
    form.RTB->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), form.RTB);
    QCOMPARE(focusPixels(), 0);
    diamond->HouseSpot(1)->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), diamond->HouseSpot(1));
    QVERIFY2(focusPixels() > diamond->width() / 4, qPrintable(QString::number(focusPixels())));
    for (int house = 2; house <= kSignCount; ++house) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), diamond->HouseSpot(house));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form.lblName));
    QCOMPARE(focusPixels(), 0);
    // Back from the details: the last house.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTRY_COMPARE(QApplication::focusWidget(), diamond->HouseSpot(kSignCount));
}

QTEST_MAIN(DisplayTest)
#include "display_qtest.moc"
