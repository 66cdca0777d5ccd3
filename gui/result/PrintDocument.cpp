#include "result/PrintDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextOption>
#include <QTextTable>
#include <algorithm>
#include <numeric>

#include "result/ChartImage.h"
#include "result/ChartPainter.h"
#include "result/PdfFile.h"
#include "analysis/Ashtakavarga.h"
#include "analysis/AshtakavargaReduction.h"
#include "analysis/Vimshottari.h"
#include "presentation/ChartNotes.h"
#include "presentation/StrengthLabels.h"
#include "presentation/BirthLabels.h"
#include "presentation/DashaLabels.h"
#include "presentation/PointDetailLabels.h"
#include "presentation/YogaLabels.h"
#include "engine/NameTables.h"
#include "result/ReportDocument.h"
#include "presentation/ResultCaptions.h"
#include "presentation/SensitivityLabels.h"
#include "presentation/VargaPoints.h"
#include "widgets/LocaleTimes.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"
#include "presentation/Phrases.h"
#include "services/LanguageChoice.h"

namespace velmora {

namespace {

constexpr int kChartObject = QTextFormat::UserObject + 1;
constexpr double kBodyPoints = 10;
constexpr double kHeaderPoints = 8.5;
constexpr double kTablePoints = 8.5;  // the vargas' table: seventeen columns

QFont PrintFont(double points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Plain letters, no ligatures: "fi" stays two letters a search finds.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// A varga's chart in the text: the object's format names the varga (a
// position in AllVargas()); the birth chart's names none.
constexpr int kVargaProperty = QTextFormat::UserProperty + 1;

// The chart inside the text: an object as wide as most of the page, drawn
// by the chart painter wherever the layout puts it. A varga's chart is a
// square, two side by side filling the line.
class ChartObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    ChartObject(const PrintDocument::Source& source, QObject* parent) : QObject(parent), source_(source) {}

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
        const QSizeF page = document->pageSize();
        if (format.hasProperty(kVargaProperty)) {
            const double side = std::min(page.width() * 0.47, page.height() * 0.4);
            return {side, side};
        }
        double width = page.width() * 0.88;
        double height = width * 0.85;  // the result form's proportions
        const double most = page.height() * 0.5;
        if (height > most) {
            width *= most / height;
            height = most;
        }
        return {width, height};
    }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override {
        if (!format.hasProperty(kVargaProperty))
            return PaintResultChart(*painter, rect, source_.chart, source_.labels, source_.choices.style,
                                    source_.choices.cellDegrees);
        const int varga = format.property(kVargaProperty).toInt();
        ChartPaint how;
        how.style = source_.choices.style;
        how.shortLabels = true;
        how.centre = {FromUtf8(VargaLabel(varga, LanguageChoice::Current()))};
        PaintChart(*painter, rect, MakeChartDiagram(VargaPoints(source_.chart, varga)), how);
    }

private:
    const PrintDocument::Source& source_;
};

using Source = PrintDocument::Source;

void Heading(QTextCursor& cursor, const QString& text, bool first = false) {
    QTextBlockFormat block;
    block.setTopMargin(first ? 0 : 14);
    block.setBottomMargin(6);
    block.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    if (!first) cursor.insertBlock(block);
    else cursor.setBlockFormat(block);
    QTextCharFormat format;
    format.setFont(PrintFont(12, true));
    format.setForeground(QColor(0x80, 0, 0));
    cursor.insertText(text, format);
}

QTextTable* Table(QTextCursor& cursor, int rows, int columns) {
    QTextTableFormat format;
    format.setBorder(0.5);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(QColor(0x90, 0x90, 0x90));
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 96));
    return cursor.insertTable(rows, columns, format);
}

void Cell(QTextTable* table, int row, int column, const QString& text, bool bold, double points = kBodyPoints) {
    QTextCursor at = table->cellAt(row, column).firstCursorPosition();
    QTextCharFormat format;
    format.setFont(PrintFont(points, bold));
    at.insertText(text, format);
}

// The sections, in the order they are printed.
void ChartSection(QTextCursor& cursor, const Source&) {
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Hora")), true);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    QTextCharFormat chart;
    chart.setObjectType(kChartObject);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), chart);
}

// The details and the positions side by side, each a table under its heading.
void DetailsSection(QTextCursor& cursor, const Source& source) {
    const ResultLabels& r = source.labels;
    const ChartBirth& b = source.chart.birth;
    const std::array<const std::string*, 7> values = {&r.dateOfBirth, &r.timeOfBirth, &r.longitude, &r.latitude,
                                                      &b.city,        &b.state,       &b.country};
    std::vector<std::pair<QString, QString>> rows = {{Tr(QT_TRANSLATE_NOOP("Velmora", "Name :")), ShownText(r.name)}};
    // The captions as the result form writes them, in the windows' language.
    for (std::size_t i = 0; i < values.size(); ++i)
        rows.emplace_back(Tr(std::string(kDetailCaptions[i]).c_str()), ShownText(*values[i]));
    if (!b.place.empty()) rows.emplace_back(Tr(QT_TRANSLATE_NOOP("Velmora", "Place :")), ShownText(b.place));
    const Language language = LanguageChoice::Current();
    if (const std::string zone = ZoneTextIn(b, language); !zone.empty())
        rows.emplace_back(Tr(QT_TRANSLATE_NOOP("Velmora", "Time zone :")), ShownText(zone));
    rows.emplace_back(Tr(QT_TRANSLATE_NOOP("Velmora", "Positions :")),
                      ShownText(PositionsNoteIn(source.chart, language)));

    cursor.insertBlock();
    QTextTableFormat side;
    side.setBorder(0);
    side.setTopMargin(12);
    side.setCellSpacing(0);
    side.setCellPadding(0);
    side.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    side.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 55),
                                    QTextLength(QTextLength::PercentageLength, 45)});
    QTextTable* columns = cursor.insertTable(1, 2, side);

    QTextCursor left = columns->cellAt(0, 0).firstCursorPosition();
    Heading(left, Tr(QT_TRANSLATE_NOOP("Velmora", "Your details")), true);
    left.insertBlock();
    QTextTable* details = Table(left, static_cast<int>(rows.size()), 2);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Cell(details, static_cast<int>(i), 0, rows[i].first, true);
        Cell(details, static_cast<int>(i), 1, rows[i].second, false);
    }

    QTextCursor right = columns->cellAt(0, 1).firstCursorPosition();
    Heading(right, Tr(QT_TRANSLATE_NOOP("Velmora", "Vedic Planetary Position")), true);
    right.insertBlock();
    QTextTable* positions = Table(right, kBodyCount, 2);
    for (int i = 0; i < kBodyCount; ++i) {
        Cell(positions, i, 0, FromUtf8(PositionRowCaption(WindowTerms(), i)), true);
        Cell(positions, i, 1, ShownText(WithSignShort(WindowTerms(), r.planet[static_cast<std::size_t>(i)])), false);
    }
    cursor.movePosition(QTextCursor::End);
}

// Each point's nakshatra, pada, lord and Navamsa sign.
void NakshatraSection(QTextCursor& cursor, const Source& source) {
    const Chart& r = source.chart;
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Nakshatras and Navamsa")));
    cursor.insertBlock();
    QTextTable* table = Table(cursor, kBodyCount + 1, 5);
    const QString captions[] = {Tr(QT_TRANSLATE_NOOP("Velmora", "Point")), Tr(QT_TRANSLATE_NOOP("Velmora", "Nakshatra")), Tr(QT_TRANSLATE_NOOP("Velmora", "Pada")),
                                Tr(QT_TRANSLATE_NOOP("Velmora", "Lord")), Tr(QT_TRANSLATE_NOOP("Velmora", "Navamsa"))};
    for (int c = 0; c < 5; ++c) Cell(table, 0, c, captions[c], true);
    for (int i = 0; i < kBodyCount; ++i) {
        const NakshatraPlace& n = r.nakshatras[static_cast<std::size_t>(i)];
        Cell(table, i + 1, 0, FromUtf8(WindowTerms().points[static_cast<std::size_t>(i)]), true);
        Cell(table, i + 1, 1, FromUtf8(WindowTerms().nakshatras[static_cast<std::size_t>(n.index)]), false);
        Cell(table, i + 1, 2, QString::number(n.pada), false);
        Cell(table, i + 1, 3, FromUtf8(WindowTerms().points[static_cast<std::size_t>(n.lord)]), false);
        Cell(table, i + 1, 4, FromUtf8(WindowTerms().signs[static_cast<std::size_t>(r.navamsaSigns[static_cast<std::size_t>(i)])]), false);
    }
    cursor.movePosition(QTextCursor::End);
}

// The nine major periods, and the sub-periods of the one running on the day
// the run marked (of the first one when no day was given).
void DashaSection(QTextCursor& cursor, const Source& source) {
    const Chart& r = source.chart;
    if (!r.Dasha(DashaSystem::Vimshottari).Computed()) return;
    const VimshottariDasha d = VimshottariPeriods(r);
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Vimshottari dasha")));
    QTextCharFormat plain;
    plain.setFont(PrintFont(kBodyPoints));
    cursor.insertBlock();
    QString balance = Tr(QT_TRANSLATE_NOOP("Velmora", "%1 period, %2 left at birth. Years of %3 days; dates in the "
                                                      "birth's local calendar."))
                          .arg(FromUtf8(WindowTerms().points[static_cast<std::size_t>(d.majors[0].period.lord)]),
                               ShownDigits(FromUtf8(YearsMonthsDaysLabel(d.balanceYears, LanguageChoice::Current()))), FromUtf8(DashaYearDaysText(r.dashaYear)));
    if (d.today.Valid())
        balance += Tr(QT_TRANSLATE_NOOP("Velmora", " Running on %1: marked *.")).arg(LocaleDate(d.today.At(0)));
    cursor.insertText(balance, plain);
    cursor.insertBlock();
    const int shown = d.runningMajor >= 0 ? d.runningMajor : 0;
    QTextTable* table = Table(cursor, 1 + 9 + 9, 3);
    Cell(table, 0, 0, Tr(QT_TRANSLATE_NOOP("Velmora", "Period")), true);
    Cell(table, 0, 1, Tr(QT_TRANSLATE_NOOP("Velmora", "From")), true);
    Cell(table, 0, 2, Tr(QT_TRANSLATE_NOOP("Velmora", "To")), true);
    int row = 1;
    auto line = [&](const DashaPeriod& p, const QString& name, bool running) {
        Cell(table, row, 0, name + (running ? QStringLiteral(" *") : QString()), running);
        Cell(table, row, 1, LocaleDate(p.start), running);
        Cell(table, row, 2, LocaleDate(p.end), running);
        ++row;
    };
    for (int m = 0; m < 9; ++m) {
        const MajorDasha& major = d.majors[static_cast<std::size_t>(m)];
        const QString lord = FromUtf8(WindowTerms().points[static_cast<std::size_t>(major.period.lord)]);
        line(major.period, lord, m == d.runningMajor);
        if (m != shown) continue;
        for (int s = 0; s < 9; ++s) {
            const DashaPeriod& sub = major.sub[static_cast<std::size_t>(s)];
            line(sub, QStringLiteral("    ") + lord + QStringLiteral(" / ") +
                          FromUtf8(WindowTerms().points[static_cast<std::size_t>(sub.lord)]),
                 m == d.runningMajor && s == d.runningSub);
        }
    }
    cursor.movePosition(QTextCursor::End);
}

void ReportSection(QTextCursor& cursor, const Source& source) {
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Report")));
    // The rules have no reviewed translation: in another language a line says so.
    if (LanguageChoice::Current() != Language::English) {
        QTextCharFormat note;
        note.setFont(PrintFont(kBodyPoints));
        note.setFontItalic(true);
        cursor.insertBlock();
        cursor.insertText(Tr(QT_TRANSLATE_NOOP("Velmora", "The report is in English: its rules have no reviewed translation yet.")), note);
    }
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    InsertReport(cursor, source.chart.report);
}

// Each point's sign in the sixteen vargas, and the points that are
// vargottama; on a page of their own after the report.
void VargaTableSection(QTextCursor& cursor, const Source& source) {
    const Chart& r = source.chart;
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Divisional charts (Shodasavarga)")));
    QTextBlockFormat newPage = cursor.blockFormat();
    newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    newPage.setTopMargin(0);
    cursor.setBlockFormat(newPage);
    cursor.insertBlock(QTextBlockFormat());
    QTextTable* table = Table(cursor, kBodyCount + 1, kVargaCount + 1);
    // The points' names whole, the sixteen columns of signs alike.
    QTextTableFormat widths = table->format();
    QList<QTextLength> columns{QTextLength(QTextLength::PercentageLength, 10)};
    for (int v = 0; v < kVargaCount; ++v) columns << QTextLength(QTextLength::PercentageLength, 90.0 / kVargaCount);
    widths.setColumnWidthConstraints(columns);
    table->setFormat(widths);
    Cell(table, 0, 0, Tr(QT_TRANSLATE_NOOP("Velmora", "Point")), true, kTablePoints);
    for (int v = 0; v < kVargaCount; ++v) Cell(table, 0, v + 1, FromUtf8(VargaShortLabel(v)), true, kTablePoints);
    QStringList vargottama;
    for (int i = 0; i < kBodyCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        Cell(table, i + 1, 0, FromUtf8(WindowTerms().points[at]), true, kTablePoints);
        for (int v = 0; v < kVargaCount; ++v)
            Cell(table, i + 1, v + 1, FromUtf8(WindowTerms().signShort[static_cast<std::size_t>(r.vargas[static_cast<std::size_t>(v)][at])]),
                 false, kTablePoints);
        if (r.vargottama[at]) vargottama << FromUtf8(WindowTerms().pointNames[at]);
    }
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat plain;
    plain.setFont(PrintFont(kBodyPoints));
    QTextBlockFormat spaced;
    spaced.setTopMargin(6);
    cursor.insertBlock(spaced);
    cursor.insertText(Tr(QT_TRANSLATE_NOOP("Velmora", "Vargottama (the same sign in D1 and D9): %1."))
                          .arg(vargottama.isEmpty() ? Tr(QT_TRANSLATE_NOOP("Velmora", "none"))
                                                    : vargottama.join(QStringLiteral(", "))),
                      plain);
}

// The Navamsa and the Dasamsa side by side, in the chosen style.
void VargaChartsSection(QTextCursor& cursor, const Source&) {
    const int shown[] = {VargaIndexOfFactor(9), VargaIndexOfFactor(10)};
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "%1 and %2")).arg(FromUtf8(VargaLabel(shown[0], LanguageChoice::Current())), FromUtf8(VargaLabel(shown[1], LanguageChoice::Current()))));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    for (const int varga : shown) {
        if (varga != shown[0]) cursor.insertText(QStringLiteral(" "));
        QTextCharFormat chart;
        chart.setObjectType(kChartObject);
        chart.setProperty(kVargaProperty, varga);
        cursor.insertText(QString(QChar::ObjectReplacementCharacter), chart);
    }
}

// A table of the seven planets' bindus by sign with their totals; `sav`,
// when given, as a last row.
void BinduTable(QTextCursor& cursor, const std::array<BinduRow, kAshtakavargaPlanets>& rows, const BinduRow* sav) {
    const int planets = kAshtakavargaPlanets;
    QTextTable* table = Table(cursor, planets + (sav ? 2 : 1), kSignCount + 2);
    for (int s = 0; s < kSignCount; ++s) Cell(table, 0, s + 1, FromUtf8(WindowTerms().signShort[static_cast<std::size_t>(s)]), true);
    Cell(table, 0, kSignCount + 1, Tr(QT_TRANSLATE_NOOP("Velmora", "Total")), true);
    auto row = [&](int at, const QString& name, const BinduRow& values) {
        Cell(table, at, 0, name, true);
        int total = 0;
        for (int s = 0; s < kSignCount; ++s) {
            Cell(table, at, s + 1, QString::number(values[static_cast<std::size_t>(s)]), false);
            total += values[static_cast<std::size_t>(s)];
        }
        Cell(table, at, kSignCount + 1, QString::number(total), true);
    };
    for (int p = 0; p < planets; ++p)
        row(p + 1, FromUtf8(WindowTerms().points[static_cast<std::size_t>(p)]), rows[static_cast<std::size_t>(p)]);
    if (sav) row(planets + 1, QStringLiteral("SAV"), *sav);
    cursor.movePosition(QTextCursor::End);
}

// Parashara's ashtakavarga in the chosen reading: the seven planets' bindus
// by sign, their totals, and the sarvashtakavarga; when asked, the tables
// after trikona and ekadhipatya shodhana with the pindas.
void AshtakavargaSection(QTextCursor& cursor, const Source& source) {
    const AshtakavargaTables& tables = source.chart.AshtakavargaIn(source.choices.ashtakavargaReading);
    const Ashtakavarga& a = tables.bindus;
    if (std::accumulate(a.sav.begin(), a.sav.end(), 0) == 0) return;  // not computed
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Ashtakavarga (Parashara): bindus by sign, %1's reading"))
                        .arg(QString::fromLatin1(AshtakavargaReadingName(a.reading))));
    cursor.insertBlock();
    BinduTable(cursor, a.bav, &a.sav);
    if (!source.choices.ashtakavargaReduced) return;
    const ReducedAshtakavarga& reduced = tables.reduced;
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Ashtakavarga after trikona and ekadhipatya shodhana")));
    cursor.insertBlock();
    BinduTable(cursor, reduced.bav, nullptr);
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Pindas")));
    cursor.insertBlock();
    QTextTable* table = Table(cursor, kAshtakavargaPlanets + 1, 4);
    const QString columns[] = {Tr(QT_TRANSLATE_NOOP("Velmora", "Rasi pinda")), Tr(QT_TRANSLATE_NOOP("Velmora", "Graha pinda")), Tr(QT_TRANSLATE_NOOP("Velmora", "Shodhya pinda"))};
    for (int c = 0; c < 3; ++c) Cell(table, 0, c + 1, columns[c], true);
    for (std::size_t p = 0; p < kAshtakavargaPlanets; ++p) {
        const int at = static_cast<int>(p) + 1;
        Cell(table, at, 0, FromUtf8(WindowTerms().points[p]), true);
        Cell(table, at, 1, QString::number(reduced.rasiPinda[p]), false);
        Cell(table, at, 2, QString::number(reduced.grahaPinda[p]), false);
        Cell(table, at, 3, QString::number(reduced.shodhyaPinda[p]), true);
    }
    cursor.movePosition(QTextCursor::End);
}

// How the chart changes within half an hour of the given time: the lagnas,
// the Moon's nakshatra and the dasha lords, each with the stretch holding
// the given time; how many other items change; the dasha dates' move. A
// classic chart says why it has none.
void BirthTimeSection(QTextCursor& cursor, const Source& source) {
    const SensitivityOutcome outcome = ComputeSensitivity(source.chart);
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Birth time: what changes within ±%1 minutes")).arg(kSensitivityDefaultMinutes));
    QTextCharFormat text;
    text.setFont(PrintFont(kBodyPoints));
    const auto line = [&cursor, &text](const std::string& said) {
        cursor.insertBlock();
        cursor.insertText(FromUtf8(said) + QLatin1Char('.'), text);
    };
    if (!outcome.sensitivity) return line(RefusalIn(outcome.refusal, LanguageChoice::Current()));
    const Sensitivity& s = *outcome.sensitivity;
    const Language language = LanguageChoice::Current();
    line(SensitivityWindowText(s, language));
    if (const std::string note = SensitivityNoteIn(s, language); !note.empty()) line(note);
    int others = 0;
    for (const SensitivityItem& item : s.items) {
        if (SummaryItem(item)) {
            line(SensitivitySummary(s, item, language));
        } else if (!item.crossings.empty()) {
            ++others;
        }
    }
    cursor.insertBlock();
    cursor.insertText(Tr(QT_TRANSLATE_NOOP("Velmora", "%1 other items (the grahas' signs in the vargas, bhavas, cusps) "
                                                      "change within the window; the Birth time page shows each."))
                          .arg(others),
                      text);
    line(DashaShiftText(s, language));
}

// The panchanga at birth (for a chart without one, a row says why).
void PanchangaSection(QTextCursor& cursor, const Source& source) {
    const std::vector<std::pair<std::string, std::string>> rows = PanchangaLabelRows(source.chart, LocaleMomentWriter());
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Panchanga at birth")));
    cursor.insertBlock();
    cursor.insertText(Tr(QT_TRANSLATE_NOOP("Velmora", "Moments on the birth's clock, to the second.")));
    cursor.insertBlock();
    QTextTable* table = Table(cursor, static_cast<int>(rows.size()), 2);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Cell(table, static_cast<int>(i), 0, FromUtf8(rows[i].first), true);
        Cell(table, static_cast<int>(i), 1, FromUtf8(rows[i].second), false);
    }
    cursor.movePosition(QTextCursor::End);
}

// The strengths: shadbala, its parts, bhava bala and vimsopaka bala (a
// classic chart has the vimsopaka bala and the reason for the rest).
void StrengthsSection(QTextCursor& cursor, const Source& source) {
    const StrengthsOutcome strengths = ComputeStrengths(source.chart);
    for (const StrengthTable& t : StrengthTables(strengths, LanguageChoice::Current())) {
        Heading(cursor, FromUtf8(t.title));
        cursor.insertBlock();
        QTextTable* table = Table(cursor, static_cast<int>(t.rows.size()) + 1, static_cast<int>(t.header.size()));
        for (std::size_t c = 0; c < t.header.size(); ++c) Cell(table, 0, static_cast<int>(c), FromUtf8(t.header[c]), true);
        for (std::size_t r = 0; r < t.rows.size(); ++r)
            for (std::size_t c = 0; c < t.rows[r].size(); ++c)
                Cell(table, static_cast<int>(r) + 1, static_cast<int>(c), FromUtf8(t.rows[r][c]), c == 0);
        cursor.movePosition(QTextCursor::End);
    }
    QTextCharFormat plain;
    plain.setFont(PrintFont(kBodyPoints));
    for (const std::string& note : StrengthNotes(strengths, LanguageChoice::Current())) {
        cursor.insertBlock();
        cursor.insertText(FromUtf8(note) + QLatin1Char('.'), plain);
    }
}

// The path running on the day, one level a row, to `levels`.
void RunningPathTable(QTextCursor& cursor, const DashaTimeline& t, int levels) {
    const int rows = std::min(levels, t.runningLevels);
    QTextTable* table = Table(cursor, 1 + rows, 4);
    const QString headings[] = {Tr(QT_TRANSLATE_NOOP("Velmora", "Level")), Tr(QT_TRANSLATE_NOOP("Velmora", "Period")), Tr(QT_TRANSLATE_NOOP("Velmora", "From")),
                                Tr(QT_TRANSLATE_NOOP("Velmora", "To"))};
    for (int c = 0; c < 4; ++c) Cell(table, 0, c, headings[c], true);
    for (int level = 0; level < rows; ++level) {
        const DashaNode& node = t.running[static_cast<std::size_t>(level)];
        Cell(table, level + 1, 0, FromUtf8(SayIfPhrase(LanguageChoice::Current(), kDashaLevelNames[static_cast<std::size_t>(level)])),
             false);
        Cell(table, level + 1, 1, FromUtf8(DashaLordLabel(t, node, LanguageChoice::Current())), false);
        Cell(table, level + 1, 2, LocaleMoment(DashaMoment(node.start)), false);
        Cell(table, level + 1, 3, LocaleMoment(DashaMoment(node.end)), false);
    }
    cursor.movePosition(QTextCursor::End);
}

// One more dasha system: its periods, the running ones marked, and its
// running path.
void OtherDasha(QTextCursor& cursor, const DashaTimeline& y, const QString& year) {
    QTextCharFormat plain;
    plain.setFont(PrintFont(kBodyPoints));
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "%1 dasha")).arg(FromUtf8(DashaSystemLabel(y.table->name, LanguageChoice::Current()))));
    cursor.insertBlock();
    cursor.insertText(QString::fromStdString(DashaStartLine(y, LanguageChoice::Current())) + QStringLiteral(".") + year +
                          (y.runningLevels > 0 ? Tr(QT_TRANSLATE_NOOP("Velmora", " Running periods marked *.")) : QString()),
                      plain);
    cursor.insertBlock();
    if (y.runningLevels > 0) {
        RunningPathTable(cursor, y, 3);
        cursor.insertBlock();
    }
    QTextTable* table = Table(cursor, 1 + y.majorCount, 3);
    Cell(table, 0, 0, Tr(QT_TRANSLATE_NOOP("Velmora", "Period")), true);
    Cell(table, 0, 1, Tr(QT_TRANSLATE_NOOP("Velmora", "From")), true);
    Cell(table, 0, 2, Tr(QT_TRANSLATE_NOOP("Velmora", "To")), true);
    for (int m = 0; m < y.majorCount; ++m) {
        const DashaNode& node = y.majors[static_cast<std::size_t>(m)];
        const bool running = y.Running(node, 1);
        Cell(table, m + 1, 0, FromUtf8(DashaLordLabel(y, node, LanguageChoice::Current())) + (running ? QStringLiteral(" *") : QString()),
             running);
        Cell(table, m + 1, 1, LocaleDate(DashaMoment(node.start)), running);
        Cell(table, m + 1, 2, LocaleDate(DashaMoment(node.end)), running);
    }
    cursor.movePosition(QTextCursor::End);
}

// After the report: the Vimshottari periods running on the day to three
// levels, then every other dasha system the chart holds.
void MoreDashasSection(QTextCursor& cursor, const Source& source) {
    const Chart& r = source.chart;
    QTextCharFormat plain;
    plain.setFont(PrintFont(kBodyPoints));
    const QString year = Tr(QT_TRANSLATE_NOOP("Velmora", " Years of %1 days; dates and times in the birth's local clock."))
                             .arg(FromUtf8(DashaYearDaysText(r.dashaYear)));
    const DashaTimeline& v = r.Dasha(DashaSystem::Vimshottari);
    if (v.Computed() && v.runningLevels > 0) {
        Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Vimshottari dasha running")));
        cursor.insertBlock();
        const CalendarDate& today = v.today;
        cursor.insertText(Tr(QT_TRANSLATE_NOOP("Velmora", "On %1, to the third level.")).arg(LocaleDate(today.At(0))) + year,
                          plain);
        cursor.insertBlock();
        RunningPathTable(cursor, v, 3);
    }
    for (const DashaSystemKeyRow& row : kDashaSystemKeys)
        if (row.system != DashaSystem::Vimshottari && r.Dasha(row.system).Computed())
            OtherDasha(cursor, r.Dasha(row.system), year);
}

// The full position table: each point's longitude to the second, sign,
// nakshatra, speed and motion, dignity, combustion and war.
void PointDetailsSection(QTextCursor& cursor, const Source& source) {
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Positions in full")));
    cursor.insertBlock();
    const auto rows = PointDetailRows(PointDetailsOf(source.chart), LanguageChoice::Current());
    constexpr int kColumns = 10;
    constexpr double kPoints = 7.5;
    QTextTable* table = Table(cursor, kBodyCount + 1, kColumns);
    for (int c = 0; c < kColumns - 1; ++c) Cell(table, 0, c, FromUtf8(SayIfPhrase(LanguageChoice::Current(), kPointDetailHeadings[static_cast<std::size_t>(c)])), true, kPoints);
    Cell(table, 0, kColumns - 1, Tr(QT_TRANSLATE_NOOP("Velmora", "Combust, war")), true, kPoints);
    for (int i = 0; i < kBodyCount; ++i) {
        const PointDetailRow& r = rows[static_cast<std::size_t>(i)];
        const std::string notes = r.combust + (!r.combust.empty() && !r.war.empty() ? "; " : "") + r.war;
        const std::string* cells[kColumns] = {&r.point, &r.longitude, &r.sign, &r.nakshatra, &r.pada,
                                              &r.lord,  &r.speed,     &r.motion, &r.dignity, &notes};
        for (int c = 0; c < kColumns; ++c) Cell(table, i + 1, c, FromUtf8(*cells[c]), c == 0, kPoints);
    }
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    QTextCharFormat plain;
    plain.setFont(PrintFont(kPoints));
    cursor.insertText(Tr(QT_TRANSLATE_NOOP("Velmora", "Dignity by Brihat Parashara Hora Shastra ch. 3; combustion by "
                                                      "the Surya Siddhanta's orbs; war: two of Mars to Saturn less "
                                                      "than 1° apart, the planet to the north winning.")),
                      plain);
}

// The Jaimini analyses: the chara karakas in both schemes (the chosen one
// first), the karakamsa, the argalas on each house and every varga's arudhas.
void JaiminiSection(QTextCursor& cursor, const Source& source) {
    const JaiminiReading r = JaiminiOf(source.chart, source.choices.karakaScheme);
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Jaimini: chara karakas")));
    cursor.insertBlock();
    const CharaKarakas& chosen = r.Karakas();
    const CharaKarakas& other = r.scheme == KarakaScheme::Eight ? r.karakas7 : r.karakas8;
    QTextTable* karakas = Table(cursor, 9, 2);
    const auto schemeName = [](const CharaKarakas& k) {
        return k.scheme == KarakaScheme::Eight ? Tr(QT_TRANSLATE_NOOP("Velmora", "Eight (with Rahu)")) : Tr(QT_TRANSLATE_NOOP("Velmora", "Seven (Sun to Saturn)"));
    };
    Cell(karakas, 0, 0, schemeName(chosen), true);
    Cell(karakas, 0, 1, schemeName(other), true);
    const std::vector<std::string> first = KarakaLines(chosen, LanguageChoice::Current()), second = KarakaLines(other, LanguageChoice::Current());
    for (int row = 0; row < 8; ++row) {
        if (row < static_cast<int>(first.size())) Cell(karakas, row + 1, 0, FromUtf8(first[static_cast<std::size_t>(row)]), false);
        if (row < static_cast<int>(second.size())) Cell(karakas, row + 1, 1, FromUtf8(second[static_cast<std::size_t>(row)]), false);
    }
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat plain;
    plain.setFont(PrintFont(kBodyPoints));
    cursor.insertBlock();
    cursor.insertText(FromUtf8(KarakamsaLine(r, LanguageChoice::Current())) + QLatin1Char('.'), plain);

    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Argala and virodhargala")));
    cursor.insertBlock();
    const std::vector<std::string> argala = ArgalaLines(r, LanguageChoice::Current());
    QTextTable* houses = Table(cursor, static_cast<int>(argala.size()), 1);
    for (std::size_t i = 0; i < argala.size(); ++i) Cell(houses, static_cast<int>(i), 0, FromUtf8(argala[i]), false, 8);
    cursor.movePosition(QTextCursor::End);

    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Arudha padas in every varga")));
    cursor.insertBlock();
    QTextTable* arudhas = Table(cursor, kVargaCount + 1, kArudhaCount + 1);
    for (int a = 0; a < kArudhaCount; ++a) Cell(arudhas, 0, a + 1, FromUtf8(kArudhaLabels[static_cast<std::size_t>(a)]), true, 7.5);
    for (int v = 0; v < kVargaCount; ++v) {
        Cell(arudhas, v + 1, 0, FromUtf8(VargaShortLabel(v)), true, 7.5);
        for (int a = 0; a < kArudhaCount; ++a)
            Cell(arudhas, v + 1, a + 1,
                 FromUtf8(WindowTerms().signShort[static_cast<std::size_t>(r.arudhas[static_cast<std::size_t>(v)][static_cast<std::size_t>(a)])]),
                 false, 7.5);
    }
    cursor.movePosition(QTextCursor::End);
}

// The yogas present in the birth chart, each with the planets forming it and
// its source, and the doshas.
void YogasSection(QTextCursor& cursor, const Source& source) {
    const YogaReading r = YogasOf(source.chart);
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Yogas")));
    cursor.insertBlock();
    const std::vector<YogaRow> rows = YogaRows(r.vargas.front(), LanguageChoice::Current());
    constexpr int kColumns = static_cast<int>(std::size(kYogaHeadings));
    constexpr double kPoints = 8;
    QTextTable* table = Table(cursor, static_cast<int>(rows.size()) + 1, kColumns);
    for (int c = 0; c < kColumns; ++c) Cell(table, 0, c, FromUtf8(SayIfPhrase(LanguageChoice::Current(), kYogaHeadings[static_cast<std::size_t>(c)])), true, kPoints);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const YogaRow& row = rows[static_cast<std::size_t>(i)];
        const std::string* cells[kColumns] = {&row.name, &row.planets, &row.family, &row.source};
        for (int c = 0; c < kColumns; ++c) Cell(table, i + 1, c, FromUtf8(*cells[c]), c == 0, kPoints);
    }
    cursor.movePosition(QTextCursor::End);
    Heading(cursor, Tr(QT_TRANSLATE_NOOP("Velmora", "Doshas")));
    QTextCharFormat plain;
    plain.setFont(PrintFont(kBodyPoints));
    for (const std::string& line : DoshaLines(r, LanguageChoice::Current())) {
        cursor.insertBlock();
        cursor.insertText(FromUtf8(line), plain);
    }
}

using Section = void (*)(QTextCursor&, const Source&);
constexpr Section kSections[] = {ChartSection,        DetailsSection,    NakshatraSection,   DashaSection,
                                 ReportSection,       MoreDashasSection, VargaTableSection,  VargaChartsSection,
                                 AshtakavargaSection, BirthTimeSection, PanchangaSection,
                                 PointDetailsSection, JaiminiSection,  StrengthsSection, YogasSection};

}  // namespace

PrintDocument::PrintDocument(const Chart& chart, const MonthNames& months, PrintChoices choices)
    : source_{chart, ResultLabelsOf(chart, months), choices} {}
PrintDocument::~PrintDocument() = default;

QString PrintDocument::HeaderText() const {
    return Tr(QT_TRANSLATE_NOOP("Velmora", "%1, born %2"))
        .arg(ShownText(source_.labels.name),
             ShownDigits(FromUtf8(BirthMomentLabel(source_.chart.birth.clock, source_.labels.monthName))));
}

QString PrintDocument::ModeText() const {
    return ShownText(PositionsNoteIn(source_.chart, LanguageChoice::Current()));
}

int PrintDocument::Paint(QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;

    // Measures in the device's own pixels, fonts in points of its resolution.
    const QRectF page(0, 0, device.width(), device.height());
    const QFont headerFont = PrintFont(kHeaderPoints);
    const QFontMetricsF header(headerFont, &device);
    const double gap = header.lineSpacing() * 0.8;
    const double headerHeight = header.lineSpacing() + gap;
    const double footerHeight = header.lineSpacing() + gap;
    const QRectF body(page.left(), page.top() + headerHeight, page.width(), page.height() - headerHeight - footerHeight);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(PrintFont(kBodyPoints));
    document.setDocumentMargin(0);
    document.setPageSize(body.size());
    // A word wider than its column (a long name without blanks) breaks
    // where it must instead of widening the table past the page.
    QTextOption wrapping = document.defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(wrapping);
    auto* chart = new ChartObject(source_, &document);
    document.documentLayout()->registerHandler(kChartObject, chart);
    QTextCursor cursor(&document);
    for (Section section : kSections) section(cursor, source_);

    const int pages = document.pageCount();
    const QString mode = ModeText();
    // The title leaves room for the mode on the same line.
    const QString title = header.elidedText(HeaderText(), Qt::ElideRight,
                                            page.width() - header.horizontalAdvance(mode) - header.averageCharWidth() * 4);
    for (int p = 0; p < pages; ++p) {
        if (p > 0) device.newPage();
        painter.setFont(headerFont);
        painter.setPen(QColor(0x40, 0x40, 0x40));
        const QRectF headerLine(page.left(), page.top(), page.width(), header.lineSpacing());
        painter.drawText(headerLine, Qt::AlignLeft | Qt::AlignTop, title);
        painter.drawText(headerLine, Qt::AlignRight | Qt::AlignTop, mode);
        painter.setPen(QPen(QColor(0xA0, 0xA0, 0xA0), 0));
        painter.drawLine(QPointF(page.left(), page.top() + header.lineSpacing() + gap / 3),
                         QPointF(page.right(), page.top() + header.lineSpacing() + gap / 3));
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.drawText(QRectF(page.left(), page.bottom() - header.lineSpacing(), page.width(), header.lineSpacing()),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         Tr(QT_TRANSLATE_NOOP("Velmora", "Page %1 of %2")).arg(p + 1).arg(pages));

        painter.save();
        painter.translate(body.left(), body.top() - p * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        // The layout draws every line that touches the clip, and a line that
        // starts right at the page's lower edge would be drawn (hidden, but
        // there for a search) on this page too: keep a hair inside both edges.
        context.clip = QRectF(0, p * body.height() + 0.5, body.width(), body.height() - 1);
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(QRectF(0, p * body.height(), body.width(), body.height()));
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    painter.end();
    return pages;
}

QString WriteChartPdf(const QString& path, const Chart& chart, const MonthNames& months, QPageSize::PageSizeId paper,
                      PrintChoices choices) {
    return WritePdfFile(path, Tr(QT_TRANSLATE_NOOP("Velmora", "Velmora chart of %1")).arg(ShownText(chart.birth.name)), paper,
                        [&](QPagedPaintDevice& device) { return PrintDocument(chart, months, choices).Paint(device) > 0; });
}

}  // namespace velmora

#include "PrintDocument.moc"
