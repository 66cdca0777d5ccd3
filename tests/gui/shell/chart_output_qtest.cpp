// Handing a chart on from the main window: the printed pages and the PDF hold
// every position text and the whole report as text in order, with the name,
// date, mode and page number on every page and nothing cut at a page edge;
// the SVG parses and holds the chart's texts; the PNG has the chart at the
// chosen scale.
//
// Reading the PDF needs pdftotext (Debian poppler-utils); without it those
// checks are skipped. The first page is saved as chart-pdf.png in
// $VELMORA_SCREENSHOT_DIR when pdftoppm is there.

#include <QAction>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QLocale>
#include <QtTest>
#include <sys/stat.h>

#include "result/ChartImage.h"
#include "result/ChartPainter.h"
#include "result/PrintDocument.h"
#include "analysis/Vimshottari.h"
#include "presentation/DashaLabels.h"
#include "shell/MDI.h"
#include "tests/gui/entry/CaptureServices.h"
#include "tests/support/BangaloreForm.h"
#include "tests/support/RunTexts.h"

using namespace velmora;
using velmora::testing::CapturedServices;

namespace {

// Dates and times as a British English desktop writes them.
const bool kBritishLocale = [] {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    return true;
}();

FormFields Bangalore(bool precise) {
    FormFields f = velmora::testing::BangaloreForm();
    if (precise) f.Mode = ComputationMode::Precise;
    return f;
}

std::shared_ptr<const Chart> ChartOf(const FormFields& form, CalendarDate today = {}) {
    const ChartOutcome outcome = ComputeChartOfForm(form, testing::WindowWants(today));
    if (!outcome.Computed()) qFatal("the sample birth fails: %s", outcome.refusal.message.c_str());
    return outcome.chart;
}

std::shared_ptr<const Chart> SampleChart(bool precise = false) { return ChartOf(Bangalore(precise)); }

// A copy of a chart to change.
std::shared_ptr<Chart> Changed(const std::shared_ptr<const Chart>& chart) { return std::make_shared<Chart>(*chart); }

QString Simplified(QString text) { return text.simplified(); }

// The report as one line of text, breaks as spaces.
QString ReportText(const Report& report) {
    QString text;
    for (const ReportPiece& piece : report) {
        text += QString::fromUtf8(piece.text.data(), static_cast<qsizetype>(piece.text.size()));
        if (piece.breaks > 0) text += QLatin1Char(' ');
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return Simplified(text);
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QAction* Action(QWidget* window, const char* name) {
    auto* action = window->findChild<QAction*>(QLatin1String(name));
    if (!action) qFatal("no action %s", name);
    return action;
}

}  // namespace

class ChartOutput : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        pdftotext_ = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    }

    void theMenuHoldsTheEntries() {
        CapturedServices s;
        MDI window(SampleChart(), s.services);
        QCOMPARE(Action(&window, "mnuPrint")->text(), QStringLiteral("&Print…"));
        QCOMPARE(Action(&window, "mnuPrint")->shortcut(), QKeySequence(QKeySequence::Print));
        QCOMPARE(Action(&window, "mnuExportPdf")->text(), QStringLiteral("&Export as PDF…"));
        QCOMPARE(Action(&window, "mnuExportImage")->text(), QStringLiteral("Export Chart as &Image…"));
    }

    // The page header writes the date with the month's name, the day first,
    // and the time with two digits each; the result form's details keep
    // their own form ("March/5/1980", "9:5").
    void thePageHeaderWritesTheDateInFullAndTheTimeWithTwoDigits_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("details");
        QTest::newRow("morning") << 5 << 9 << 5 << "ASHA RAO, born 5 March 1980 at 09:05" << "March/5/1980 9:5";
        QTest::newRow("midnight") << 12 << 0 << 0 << "ASHA RAO, born 12 March 1980 at 00:00" << "March/12/1980 0:0";
        QTest::newRow("evening") << 31 << 23 << 30 << "ASHA RAO, born 31 March 1980 at 23:30"
                                 << "March/31/1980 23:30";
    }
    void thePageHeaderWritesTheDateInFullAndTheTimeWithTwoDigits() {
        QFETCH(int, day);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QString, header);
        QFETCH(QString, details);
        FormFields f = Bangalore(false);
        f.Day = day - 1;
        f.Hour = hour;
        f.Minute = minute;
        const std::shared_ptr<const Chart> chart = ChartOf(f);
        QCOMPARE(PrintDocument(*chart, EnglishMonthNames()).HeaderText(), header);
        QCOMPARE(QString::fromStdString(testing::TextsOf(*chart).dateOfBirth + " " + testing::TextsOf(*chart).timeOfBirth),
                 details);
    }

    void thePdfHoldsThePositionsAndTheReportInOrder_data() {
        QTest::addColumn<bool>("precise");
        QTest::newRow("classic") << false;
        QTest::newRow("precise") << true;
    }
    void thePdfHoldsThePositionsAndTheReportInOrder() {
        QFETCH(bool, precise);
        const std::shared_ptr<const Chart> chart = SampleChart(precise);
        CapturedServices s;
        MDI window(chart, s.services);
        const QString pdf = dir_.filePath(QStringLiteral("asha-%1.pdf").arg(precise));
        s.files.answers = {pdf};
        Action(&window, "mnuExportPdf")->trigger();
        QVERIFY2(s.messenger.shown.empty(), s.messenger.shown.empty() ? "" : qPrintable(s.messenger.shown[0].text));
        QCOMPARE(s.files.asked.back().suggested, QStringLiteral("Asha Rao.pdf"));
        QVERIFY(QFile::exists(pdf));
        if (pdftotext_.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");

        const QString text = Run(pdftotext_, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        QVERIFY(!text.isEmpty());
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY2(pages.size() >= 2, "the report runs onto further pages");
        const PrintDocument document(*chart, EnglishMonthNames());
        for (int p = 0; p < pages.size(); ++p) {
            const QString page = Simplified(pages[p]);
            QVERIFY2(page.contains(document.HeaderText()), qPrintable(QString::number(p)));
            QVERIFY(page.contains(Simplified(document.ModeText())));
            // A classic chart says on every page that it is the program's own model.
            QCOMPARE(page.contains(QStringLiteral("Classic positions (the program's own model)")), !precise);
            QVERIFY(page.contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size())));
        }

        // Without the page headers and footers, the text runs: chart, details,
        // positions in body order, the report whole and in order.
        QString body = Simplified(text);
        body.remove(document.HeaderText());
        body.remove(Simplified(document.ModeText()));
        body.remove(QRegularExpression(QStringLiteral("Page \\d+ of \\d+")));
        body = Simplified(body);
        qsizetype at = body.indexOf(QStringLiteral("Vedic Planetary Position"));
        QVERIFY(at > 0);
        const ResultLabels labels = testing::TextsOf(*chart);
        for (const std::string& position : labels.planet) {
            const qsizetype found = body.indexOf(QString::fromStdString(position), at);
            QVERIFY2(found > at, position.c_str());
            at = found;
        }
        // Then the nakshatras and the dasha. The Moon at 26° 35' Virgo stands
        // in Chitra (23° 20' Virgo to 6° 40' Libra, lord Mars), in its first
        // quarter, and in the eighth ninth of a dual sign: the Navamsa counts
        // from Capricorn, so Leo.
        at = body.indexOf(QStringLiteral("Nakshatras and Navamsa"), at);
        QVERIFY(at > 0);
        QVERIFY(body.indexOf(QStringLiteral("Moon Chitra 1 Mars Leo"), at) > at);
        at = body.indexOf(QStringLiteral("Vimshottari dasha"), at);
        QVERIFY(at > 0);
        for (const MajorDasha& major : VimshottariPeriods(*chart).majors) {
            const qsizetype found = body.indexOf(
                QDate::fromString(QString::fromStdString(DateText(major.period.start)), Qt::ISODate).toString(QStringLiteral("d MMM yyyy")), at);
            QVERIFY2(found > at, DateText(major.period.start).c_str());
            at = found;
        }
        const QString report = ReportText(chart->report);
        QVERIFY(report.size() > 2000);
        QVERIFY2(body.indexOf(report, at) > at, "the whole report, in order, after the positions and the dasha");
        QVERIFY(body.contains(QString::fromStdString(labels.dateOfBirth)));
    }

    // After the report, on pages of their own: the Vimshottari periods
    // running on the day to the third level, and the Yogini dasha with its
    // periods in order, as the window's run computes them.
    void thePdfEndsWithTheRunningDashasAndTheYogini() {
        const std::shared_ptr<const Chart> chart = ChartOf(Bangalore(false), {2026, 12, 9});
        CapturedServices s;
        MDI window(chart, s.services);
        const QString pdf = dir_.filePath(QStringLiteral("asha-dashas.pdf"));
        s.files.answers = {pdf};
        Action(&window, "mnuExportPdf")->trigger();
        QVERIFY(QFile::exists(pdf));
        if (pdftotext_.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
        const QString body =
            Simplified(Run(pdftotext_, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")}));
        qsizetype at = body.indexOf(QStringLiteral("About Your A12"));
        QVERIFY(at > 0);
        at = body.indexOf(QStringLiteral("Vimshottari dasha running"), at);
        QVERIFY2(at > 0, "the running periods after the report");
        const DashaTimeline& v = chart->Dasha(DashaSystem::Vimshottari);
        QCOMPARE(v.runningLevels, 5);
        for (int level = 0; level < 3; ++level) {
            const DashaNode& node = v.running[static_cast<std::size_t>(level)];
            const QString row = QString::fromStdString(std::string(kDashaLevelNames[static_cast<std::size_t>(level)]) + " " +
                                                       std::string(v.LordName(node)) + " " +
                                                       QDateTime::fromString(QString::fromStdString(DateTimeText(DashaMoment(node.start))), Qt::ISODate)
                                                           .toString(QStringLiteral("d MMM yyyy HH:mm"))
                                                           .toStdString());
            const qsizetype found = body.indexOf(row, at);
            QVERIFY2(found > at, qPrintable(row));
            at = found;
        }
        at = body.indexOf(QStringLiteral("Yogini dasha"), at);
        QVERIFY(at > 0);
        QVERIFY(body.indexOf(QStringLiteral("Mangala (Moon) period"), at) > at);  // the Moon in Chitra
        QCOMPARE(body.indexOf(QStringLiteral("Sookshma dasha")), -1);
        const DashaTimeline& y = chart->Dasha(DashaSystem::Yogini);
        QCOMPARE(y.majorCount, 24);
        for (const DashaNode& major : y.Majors()) {
            const qsizetype found = body.indexOf(
                QDate::fromString(QString::fromStdString(DateText(DashaMoment(major.start))), Qt::ISODate)
                    .toString(QStringLiteral("d MMM yyyy")),
                at);
            QVERIFY2(found > at, DateText(DashaMoment(major.start)).c_str());
            at = found;
        }
    }

    // Names as people write them reach the page: Latin with accents, and
    // Devanagari, which needs a font of that script (fonts-lohit-deva).
    void namesInEveryScriptArePrinted_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Latin with accent") << QString::fromUtf8("JOS\u00c9 O'BRIEN");
        QTest::newRow("Devanagari") << QString::fromUtf8("\u0930\u093e\u092e");
    }
    void namesInEveryScriptArePrinted() {
        QFETCH(QString, name);
        FormFields f = Bangalore(false);
        f.Name = name.toStdString();
        const std::shared_ptr<const Chart> chart = ChartOf(f);
        CapturedServices s;
        MDI window(chart, s.services);
        const QString pdf = dir_.filePath(QStringLiteral("name-%1.pdf").arg(QTest::currentDataTag()));
        s.files.answers = {pdf};
        Action(&window, "mnuExportPdf")->trigger();
        QVERIFY(s.messenger.shown.empty());
        if (pdftotext_.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
        const QString text = Run(pdftotext_, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        QVERIFY2(text.contains(name), qPrintable(text.left(300)));
    }

    void noLineIsCutAtAPageEdge() {
        if (pdftotext_.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
        const QString pdf = dir_.filePath(QStringLiteral("edges.pdf"));
        QCOMPARE(WriteChartPdf(pdf, *SampleChart(), EnglishMonthNames(), QPageSize::Letter), QString());
        // Every word's box lies inside the page's printed area (the margins
        // of 15 mm, 42.5 points), and no two lines of a page overlap: a line
        // cut by a page edge would show as a word running out of the area.
        const QString html = Run(pdftotext_, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        QXmlStreamReader xml(html);
        int pages = 0, words = 0;
        double height = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            const QXmlStreamAttributes a = xml.attributes();
            if (xml.name() == QLatin1String("page")) {
                ++pages;
                height = a.value(QLatin1String("height")).toDouble();
                QCOMPARE(qRound(a.value(QLatin1String("width")).toDouble()), 612);  // Letter
            } else if (xml.name() == QLatin1String("word")) {
                ++words;
                const double top = a.value(QLatin1String("yMin")).toDouble();
                const double bottom = a.value(QLatin1String("yMax")).toDouble();
                const QString word = xml.readElementText();
                QVERIFY2(top >= 42.0 && bottom <= height - 42.0, qPrintable(word));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(pages >= 2);
        QVERIFY(words > 200);
    }

    void printingGoesThroughThePreview() {
        CapturedServices s;
        MDI window(SampleChart(), s.services);
        s.files.printedPdf = dir_.filePath(QStringLiteral("printed.pdf"));
        Action(&window, "mnuPrint")->trigger();
        QCOMPARE(s.files.previews, 1);
        QVERIFY(QFileInfo(s.files.printedPdf).size() > 1000);
        if (pdftotext_.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
        const QString text = Run(pdftotext_, {s.files.printedPdf, QStringLiteral("-")});
        QVERIFY(text.contains(QStringLiteral("Page 1 of")));
        QVERIFY(text.contains(QStringLiteral("Your details")));
    }

    void theSvgParsesAndHoldsTheChartsTexts() {
        const std::shared_ptr<const Chart> chart = SampleChart();
        CapturedServices s;
        MDI window(chart, s.services);
        const QString svg = dir_.filePath(QStringLiteral("chart.svg"));
        s.files.answers = {svg};
        Action(&window, "mnuExportImage")->trigger();
        QVERIFY(s.messenger.asked.empty());  // no scale to choose for SVG
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList texts;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
                texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(QSvgRenderer(svg).isValid());
        for (const char* expected : {"Venus", "Asc", "Mercury (R)", "Ketu", "A9 A11", "ASHA RAO", "12", "Pis"})
            QVERIFY2(texts.contains(QLatin1String(expected)), expected);
    }

    void theExportsFollowTheChosenStyle() {
        // The style last chosen on a result window: North-Indian. The image
        // and the PDF then draw the houses, the bodies by two letters.
        const std::shared_ptr<const Chart> chart = SampleChart();
        CapturedServices s;
        s.chartStyle.Choose(ChartStyle::North);
        MDI window(chart, s.services);
        const QString svg = dir_.filePath(QStringLiteral("north.svg"));
        s.files.answers = {svg};
        Action(&window, "mnuExportImage")->trigger();
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(file.readAll());
        QVERIFY(content.contains(QStringLiteral("North-Indian chart")));
        QVERIFY2(content.contains(QStringLiteral(">Me(R)")), "Mercury, retrograde, by two letters");
        QVERIFY2(!content.contains(QStringLiteral(">Mercury")), "no full names in the houses");

        const QString pdf = dir_.filePath(QStringLiteral("north.pdf"));
        s.files.answers = {pdf};
        Action(&window, "mnuExportPdf")->trigger();
        QVERIFY(QFile::exists(pdf));
        if (pdftotext_.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
        const QString text = Run(pdftotext_, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("Me(R)")), qPrintable(text.left(600)));
    }

    void thePngHasTheChartAtTheChosenScale() {
        const std::shared_ptr<const Chart> chart = SampleChart();
        CapturedServices s;
        MDI window(chart, s.services);
        const QString png = dir_.filePath(QStringLiteral("chart.png"));
        s.files.answers = {png};
        s.messenger.answer = 1;  // 2×
        Action(&window, "mnuExportImage")->trigger();
        QCOMPARE(s.messenger.asked.size(), std::size_t{1});
        const QImage image(png);
        QCOMPARE(image.size(), kChartImageSize * 2);
        // The bodies' dark green, the arudhas' blue and the grid's lines are there,
        // the background white; the centre of the chart holds only the name and date.
        int green = 0, blue = 0, dark = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() < 40 && c.green() > 30 && c.green() < 90 && c.blue() < 40) ++green;
                if (c.blue() > 200 && c.red() < 60 && c.green() < 60) ++blue;
                if (c.red() < 100 && c.green() < 100 && c.blue() < 100) ++dark;
            }
        QVERIFY2(green > 100, qPrintable(QString::number(green)));
        QVERIFY2(blue > 100, qPrintable(QString::number(blue)));
        QVERIFY(dark > 1000);
        QCOMPARE(image.pixelColor(400, 320), QColor(Qt::white));  // inside the centre, above the name

        s.messenger.answer = -1;  // Cancel writes nothing
        s.files.answers = {dir_.filePath(QStringLiteral("cancelled.png"))};
        Action(&window, "mnuExportImage")->trigger();
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("cancelled.png"))));
    }

    void aCrowdedSignStaysInsideItsCell() {
        // All ten bodies and all twelve arudhas in Aries (top row, second
        // cell): the fonts shrink until they fit, so no green or blue pixel
        // falls outside that cell.
        const std::shared_ptr<Chart> crowded = Changed(SampleChart());
        const bool retrograde[kBodyCount] = {false, false, true, false, true, true, true, false, false, false};
        for (int i = 0; i < kBodyCount; ++i) {
            crowded->points[i].sign = 0;
            crowded->points[i].retrograde = retrograde[i];
        }
        crowded->arudhaSigns.fill(0);
        const ResultLabels texts = testing::TextsOf(*crowded);
        QCOMPARE(texts.signBoxes[0], std::string("\r\nSun\r\nMoon\r\nMercury (R) \r\nVenus\r\nMars (R) \r\n"
                                                 "Jupiter (R) \r\nSaturn (R) \r\nRahu\r\nKetu\r\nAsc"));
        const QString png = dir_.filePath(QStringLiteral("crowded.png"));
        QCOMPARE(WriteChartPng(png, *crowded, texts, 1), QString());
        const QImage image(png);
        const QRect aries(image.width() / 4, 0, image.width() / 4, image.height() / 4);
        int inside = 0, outside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                const bool coloured = (c.blue() > 150 && c.red() < 100) || (c.green() > c.red() + 20 && c.green() > c.blue() + 20);
                if (coloured) ++(aries.contains(x, y) ? inside : outside);
            }
        QVERIFY(inside > 200);
        QCOMPARE(outside, 0);
    }

    void aFailedExportIsAMessage() {
        CapturedServices s;
        MDI window(SampleChart(), s.services);
        s.files.answers = {dir_.filePath(QStringLiteral("no/folder/chart.pdf"))};
        Action(&window, "mnuExportPdf")->trigger();
        QCOMPARE(s.messenger.shown.size(), std::size_t{1});
        QVERIFY(s.messenger.shown[0].text.startsWith(QStringLiteral("Cannot write")));
    }

    // A 64 KB name or city, with or without blanks, is shown to its first
    // 200 characters and elided: the pages are at most one more than for a
    // short name (it took 46 pages and half a minute), and the header fits.
    void anOversizedTextGivesTheUsualPages_data() {
        QTest::addColumn<bool>("city");
        QTest::addColumn<QString>("word");
        QTest::newRow("name, one word") << false << QStringLiteral("A");
        QTest::newRow("city, one word") << true << QStringLiteral("B");
        QTest::newRow("name, words") << false << QStringLiteral("ABCDEFG ");
    }
    void anOversizedTextGivesTheUsualPages() {
        QFETCH(bool, city);
        QFETCH(QString, word);
        const std::shared_ptr<const Chart> usual = SampleChart();
        const std::shared_ptr<Chart> oversized = Changed(usual);
        (city ? oversized->birth.city : oversized->birth.name) = word.repeated(64 * 1024 / word.size()).toStdString();
        const auto pages = [this](const Chart& result, const QString& name) {
            QPdfWriter writer(dir_.filePath(name));
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setResolution(300);
            return PrintDocument(result, EnglishMonthNames()).Paint(writer);
        };
        const int expected = pages(*usual, QStringLiteral("usual.pdf"));
        QVERIFY(expected >= 2);
        const int got = pages(*oversized, QStringLiteral("oversized.pdf"));
        QVERIFY2(got <= expected + 1, qPrintable(QStringLiteral("%1 pages, %2 usually").arg(got).arg(expected)));
        const QString shown = ShownText(city ? oversized->birth.city : oversized->birth.name);
        QCOMPARE(shown.size(), kLongestShownText + 1);
        QVERIFY(shown.endsWith(QChar(0x2026)));
        QVERIFY(PrintDocument(*oversized, EnglishMonthNames()).HeaderText().size() < 300);
    }

    // A FIFO named as the target of an export or of printing to a file is
    // refused with a message and stays a FIFO (opening it would wait for a
    // reader; replacing it would take its name).
    void aSpecialTargetIsRefused_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name");
        QTest::newRow("pdf") << QStringLiteral("mnuExportPdf") << QStringLiteral("fifo.pdf");
        QTest::newRow("svg") << QStringLiteral("mnuExportImage") << QStringLiteral("fifo.svg");
        QTest::newRow("print to file") << QStringLiteral("mnuPrint") << QStringLiteral("printed-fifo.pdf");
    }
    void aSpecialTargetIsRefused() {
        QFETCH(QString, action);
        QFETCH(QString, name);
        const QString fifo = dir_.filePath(name);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        CapturedServices s;
        MDI window(SampleChart(), s.services);
        if (action == QLatin1String("mnuPrint")) {
            s.files.printedPdf = fifo;
        } else {
            s.files.answers = {fifo};
        }
        Action(&window, action.toLatin1().constData())->trigger();
        QCOMPARE(s.messenger.shown.size(), std::size_t{1});
        QCOMPARE(s.messenger.shown[0].text,
                 QStringLiteral("Cannot write \"%1\": it is not a regular file.").arg(fifo));
        struct stat after {};
        QCOMPARE(::lstat(QFile::encodeName(fifo).constData(), &after), 0);
        QVERIFY(S_ISFIFO(after.st_mode));
        QCOMPARE(ExportTargetRefusal(dir_.filePath(QStringLiteral("new.pdf"))), QString());
    }

    void screenshotOfThePdf() {
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty()) QSKIP("pdftoppm (poppler-utils) is not installed");
        const QString pdf = dir_.filePath(QStringLiteral("screenshot.pdf"));
        QCOMPARE(WriteChartPdf(pdf, *SampleChart(), EnglishMonthNames()), QString());
        QString dir = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
        if (dir.isEmpty()) dir = QStringLiteral(VELMORA_BINARY_DIR "/screenshots");
        QVERIFY(QDir().mkpath(dir));
        const QString stem = QDir(dir).filePath(QStringLiteral("chart-pdf"));
        QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                     QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                     QStringLiteral("-singlefile"), pdf, stem});
        QVERIFY(QFile::exists(stem + QStringLiteral(".png")));
    }

private:
    QTemporaryDir dir_;
    QString pdftotext_;
};

QTEST_MAIN(ChartOutput)
#include "chart_output_qtest.moc"
