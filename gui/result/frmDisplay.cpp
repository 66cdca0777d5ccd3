#include "result/frmDisplay.h"

#include <algorithm>
#include <cmath>

#include <QtMath>
#include <QTextDocument>
#include <QFontMetrics>
#include <QResizeEvent>
#include <QShortcut>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "presentation/ChartDiagram.h"
#include "presentation/ChartLabels.h"
#include "presentation/ChartNotes.h"
#include "result/ChartPainter.h"
#include "result/ChartView.h"
#include "result/ReportDocument.h"
#include "result/frmVargas.h"
#include "widgets/LinkLabel.h"
#include "widgets/Twips.h"
#include "services/WebLinks.h"
#include "services/LanguageChoice.h"
#include "services/SystemMonthNames.h"
#include "widgets/Translated.h"
#include "widgets/Utf8Text.h"
#include "widgets/ProgramTitle.h"

namespace velmora {

const std::array<const char*, kSignCount> frmDisplay::kSignEnglishNames = {
    "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

namespace {

// Where each sign stands in the chart, by sign index; twips inside fraBirthchart.
struct SignCell {
    const char* label;
    int left, top;            // the sign label (and its outline)
    int hnoLeft, hnoTop;      // its fixed number
    int arudhaLeft, arudhaTop;
};

constexpr std::array<SignCell, kSignCount> kCells = {{
    {"lblAries", 2280, 240, 3880, 150, 3600, 360},
    {"lblTaurus", 4200, 240, 5800, 120, 5520, 360},
    {"lblGemini", 6120, 240, 7800, 120, 7440, 360},
    {"lblCancer", 6120, 1920, 7800, 1800, 7440, 2040},
    {"lblLeo", 6120, 3600, 7800, 3480, 7440, 3720},
    {"lblVirgo", 6120, 5280, 7800, 5160, 7440, 5520},
    {"lblLibra", 4200, 5280, 5880, 5160, 5520, 5520},
    {"lblScorpio", 2160, 5280, 3840, 5160, 3480, 5520},
    {"lblSagattarius", 240, 5280, 1920, 5160, 1560, 5520},
    {"lblCapricorn", 240, 3600, 1800, 3480, 1560, 3840},
    {"lblAquarius", 240, 1920, 1800, 1800, 1560, 2160},
    {"lblPisces", 240, 240, 1800, 120, 1560, 360},
}};

constexpr int kCellWidth = 1305, kCellHeight = 1500;
constexpr int kHnoWidth = 315, kHnoHeight = 210;
constexpr int kArudhaWidth = 375, kArudhaHeight = 195;

struct DetailRow {
    const char* caption;
    const char* name;
    const char* spoken;  // the caption without its colon
    QLabel* frmDisplay::*label;
};

constexpr std::array<DetailRow, 7> kDetailRows = {{
    {QT_TRANSLATE_NOOP("Velmora", "Date of Birth :"), "lblDOB", QT_TRANSLATE_NOOP("Velmora", "Date of Birth"),
     &frmDisplay::lblDOB},
    {QT_TRANSLATE_NOOP("Velmora", "Time of Birth :"), "lblTOB", QT_TRANSLATE_NOOP("Velmora", "Time of Birth"),
     &frmDisplay::lblTOB},
    {QT_TRANSLATE_NOOP("Velmora", "Longitude :"), "lblLongitude", QT_TRANSLATE_NOOP("Velmora", "Longitude"),
     &frmDisplay::lblLongitude},
    {QT_TRANSLATE_NOOP("Velmora", "Latitude   :"), "lblLatitude", QT_TRANSLATE_NOOP("Velmora", "Latitude"),
     &frmDisplay::lblLatitude},
    {QT_TRANSLATE_NOOP("Velmora", "City :"), "lblCity", QT_TRANSLATE_NOOP("Velmora", "City"), &frmDisplay::lblCity},
    {QT_TRANSLATE_NOOP("Velmora", "State :"), "lblState", QT_TRANSLATE_NOOP("Velmora", "State"),
     &frmDisplay::lblState},
    {QT_TRANSLATE_NOOP("Velmora", "Country :"), "lblCountry", QT_TRANSLATE_NOOP("Velmora", "Country"),
     &frmDisplay::lblCountry},
}};

constexpr std::array<int, kBodyCount> kPlanetTops = {360, 746, 1132, 1518, 1904, 2290, 2676, 3062, 3448, 3840};

// The RTB and its two labels: the labels stand in a line under the report.
constexpr int kReportLeft = static_cast<int>(display_design::kReportLeft);
constexpr int kReportTop = static_cast<int>(display_design::kTopHeight);
constexpr int kReportWidth = static_cast<int>(display_design::kReportWidth);
constexpr int kReportHeight = static_cast<int>(display_design::kReportHeight);
constexpr int kFooterTop = kReportTop + kReportHeight + static_cast<int>(display_design::kFooterGap);
constexpr int kVargasRaise = 30;  // the page button stands a little above the footer line
constexpr int kFormWidth = static_cast<int>(display_design::kWidth);
constexpr int kFormHeight = static_cast<int>(display_design::kHeight);
constexpr int kLabel5Left = 3480, kLabel6Left = 9225;
// The point size of the report's text, which sets its line height.
constexpr double kReportPoints = ReportPiece{}.size;

QRect PixelRect(const TwipsBox& box) {
    return {TwipsToPixels(box.Left), TwipsToPixels(box.Top), TwipsToPixels(box.Width), TwipsToPixels(box.Height)};
}

// "City: Bangalore", or "City: not given" for an empty value.
void NameSpoken(QLabel* label, const QString& what, const QString& whenEmpty, const QString& before, const QString& value) {
    label->setAccessibleName(what + QStringLiteral(": ") + (value.isEmpty() ? whenEmpty : before + value));
}

// A detail or a position says its value as given, without the blanks around
// it: the words are the person's or the chart's own, never re-read.
void NameValue(QLabel* label, const QString& what, const QString& whenEmpty, const std::string& value) {
    NameSpoken(label, what, whenEmpty, {}, FromUtf8(value).trimmed());
}

// What a screen reader says for the bodies or the arudhas of a chart's cell,
// as the cell names them: "Sun, Mercury retrograde", "AL, A7".
QString SpokenEntries(const DiagramCell& cell, bool arudhas) {
    QStringList parts;
    for (const DiagramEntry& entry : cell.entries)
        if (entry.arudha == arudhas)
            parts << QString::fromStdString(EntrySpokenLabel(entry, SpokenNames::AsShown, LanguageChoice::Current()));
    return parts.join(QStringLiteral(", "));
}

QFont Verdana(double points, bool bold) {
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont CourierNew(double points, bool bold) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, color);
    widget->setPalette(p);
}

// A label of the chart: it holds what the run wrote in its sign, is reached
// by Tab and read by a screen reader; the chart painter draws the chart under
// it, so the label draws nothing itself.
class ChartCellLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {}
};

template <typename Label = QLabel>
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& where, const QFont& font) {
    auto* label = new Label(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    label->setGeometry(where);
    return label;
}

// A label the run fills: shows the caption, keeps it as written.
void SetCaption(QLabel* label, const std::string& caption) {
    label->setText(ShownDigits(frmDisplay::DisplayCaption(caption)));
    label->setProperty("caption", QString::fromStdString(caption));
}

// A designed outline of the chart. The chart painter draws the lines: the
// outline keeps the place and takes no room, no key and no click.
QFrame* MakeShape(QWidget* parent, const char* name, const QRect& where) {
    auto* shape = new QFrame(parent);
    shape->setObjectName(QLatin1String(name));
    shape->setFrameStyle(QFrame::NoFrame);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape->setFocusPolicy(Qt::NoFocus);
    shape->setGeometry(where);
    return shape;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const char* title, const QRect& where) {
    auto* frame = new QGroupBox(parent);
    if (title) Translate(frame, title);
    frame->setObjectName(QLatin1String(name));
    frame->setFont(Verdana(8.25, true));
    frame->setGeometry(where);
    return frame;
}

// Labels a screen-reader user reaches with Tab.
void MakeReachable(QLabel* label, const QString& description) {
    label->setFocusPolicy(Qt::TabFocus);
    label->setAccessibleDescription(description);
}

// What a label or a button of the form needs to show its text whole in its
// font: its size hint, or for a wrapped label its height at its width; an
// empty size for anything else.
QSize TextNeeds(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty()) return {};
        return label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width())) : label->sizeHint();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) return button->sizeHint();
    return {};
}

}  // namespace

QString frmDisplay::DisplayCaption(const std::string& caption) {
    QString text = QString::fromStdString(caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.startsWith(QLatin1Char('\n'))) text.remove(0, 1);
    return text;
}

QSize frmDisplay::sizeHint() const { return {TwipsToPixels(kFormWidth), TwipsToPixels(kFormHeight)}; }

QString frmDisplay::Caption(const QLabel* label) { return label->property("caption").toString(); }

frmDisplay::frmDisplay(std::shared_ptr<const Chart> chart, Services services, QWidget* parent)
    : frmDisplay(std::move(chart), SystemMonthNames(), services, parent) {
    followsLanguage_ = true;
}

frmDisplay::frmDisplay(std::shared_ptr<const Chart> chart, const MonthNames& months, Services services,
                       QWidget* parent)
    : frmDisplay(chart, ResultLabelsOf(*chart, months), services, parent) {}

frmDisplay::frmDisplay(std::shared_ptr<const Chart> chart, ResultLabels labels, Services services, QWidget* parent)
    : QWidget(parent), chart_(std::move(chart)), labels_(std::move(labels)), services_(services) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(ProgramTitle());
    setFont(Verdana(8.25, false));
    // As low as the layout lets the whole form show (analysis/DisplayLayout).
    setMinimumSize(sizeHint().width(), static_cast<int>(std::ceil(kSmallestHeight / kTwipsPerPixel)));
    resize(sizeHint());

    BuildChart(services);
    BuildDetails();
    BuildPositions();
    BuildReport(chart_->report, services);
    SpeakTexts();

    // Tab walks the chart sign by sign, then the details, the positions and
    // the report, so a screen reader reads them in that order.
    QList<QWidget*> chain;
    for (int k = 0; k < kSignCount; ++k) {
        chain << signLabels[k] << lblArudha[k];
    }
    chain << Label7 << lblName;
    for (const DetailRow& row : kDetailRows) chain << this->*row.label;
    if (lblMode) chain << lblMode;
    chain << lblUsed;
    for (QLabel* value : planet) chain << value;
    chain << RTB << Label6 << cmdVargas;
    for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);

    // Alt+R: straight to the report, to read and scroll it.
    auto* toReport = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_R), this);
    toReport->setContext(Qt::WindowShortcut);
    connect(toReport, &QShortcut::activated, RTB, [this] { RTB->setFocus(Qt::ShortcutFocusReason); });

    FitTexts();
    RecordDesign();
    ShowChartStyle(services.chartStyle.Style());
    // A style chosen in any window: this chart too.
    services.chartStyle.Follow(this, [this](ChartStyle style) { ShowChartStyle(style); });
    OnLanguageChange(this, [this] { ShowLanguage(); });
}

void frmDisplay::SpeakTexts() {
    const QString notGiven = Tr(QT_TRANSLATE_NOOP("Velmora", "not given"));
    const ChartDiagram& diagram = birthChart->Diagram();
    for (int k = 0; k < kSignCount; ++k) {
        const QString sign = FromUtf8(WindowTerms().signs[static_cast<std::size_t>(k)]);
        NameSpoken(signLabels[k], sign, Tr(QT_TRANSLATE_NOOP("Velmora", "no bodies")), {},
                   SpokenEntries(diagram.OfSign(k), false));
        NameSpoken(lblArudha[k], sign, Tr(QT_TRANSLATE_NOOP("Velmora", "no arudhas")),
                   Tr(QT_TRANSLATE_NOOP("Velmora", "arudhas ")), SpokenEntries(diagram.OfSign(k), true));
    }
    NameValue(lblName, Tr(QT_TRANSLATE_NOOP("Velmora", "Name")), notGiven, labels_.name);
    // The value says its caption itself: an empty one is "City: not given".
    const std::array<const std::string*, 7> values = {&labels_.dateOfBirth, &labels_.timeOfBirth, &labels_.longitude,
                                                      &labels_.latitude,    &chart_->birth.city,  &chart_->birth.state,
                                                      &chart_->birth.country};
    for (std::size_t r = 0; r < kDetailRows.size(); ++r)
        NameValue(this->*kDetailRows[r].label, Tr(kDetailRows[r].spoken), notGiven, *values[r]);
    if (lblMode)
        NameValue(lblMode, Tr(QT_TRANSLATE_NOOP("Velmora", "Positions")), notGiven,
                  ModeTextIn(*chart_, LanguageChoice::Current()));
    for (int i = 0; i < kBodyCount; ++i)
        NameValue(planet[i], FromUtf8(WindowTerms().points[static_cast<std::size_t>(i)]), notGiven,
                  WithSignShort(WindowTerms(), labels_.planet[i]));
}

void frmDisplay::ShowLanguage() {
    // The texts made from the chart, in the new language's month names and digits.
    if (followsLanguage_) labels_ = ResultLabelsOf(*chart_, SystemMonthNames());
    SetCaption(lblDOB, labels_.dateOfBirth);
    SetCaption(lblTOB, labels_.timeOfBirth);
    SetCaption(lblLongitude, labels_.longitude);
    SetCaption(lblLatitude, labels_.latitude);
    for (int k = 0; k < kSignCount; ++k) {
        SetCaption(signLabels[k], labels_.signBoxes[k]);
        SetCaption(lblArudha[k], labels_.arudhaBoxes[k]);
        const QString sign = FromUtf8(WindowTerms().signs[static_cast<std::size_t>(k)]);
        signLabels[k]->setAccessibleDescription(sign);
        lblArudha[k]->setAccessibleDescription(sign);
        Hno[k]->setText(ShownDigits(QString::number(k + 1)));
    }
    for (int i = 0; i < kBodyCount; ++i) {
        PlanetName[i]->setText(FromUtf8(PositionRowCaption(WindowTerms(), i)));
        planet[i]->setAccessibleDescription(FromUtf8(WindowTerms().points[static_cast<std::size_t>(i)]));
        SetCaption(planet[i], WithSignShort(WindowTerms(), labels_.planet[i]));
    }
    birthChart->SetChart(Tr(QT_TRANSLATE_NOOP("Velmora", "Birth chart")), birthChart->Diagram());
    lblUsed->setAccessibleDescription(Tr(QT_TRANSLATE_NOOP("Velmora", "Time zone and positions")));
    ShowUsed();
    if (lblMode) SetCaption(lblMode, ModeTextIn(*chart_, LanguageChoice::Current()));
    for (const DetailRow& row : kDetailRows) (this->*row.label)->setAccessibleDescription(Tr(row.spoken));
    SpeakTexts();
    ShowReport();
    // A longer text gets the room it needs, as the form's texts got it when
    // it was made (FitTexts): its designed box grows right and down.
    for (Designed& d : designed_)
        if (d.widget && d.widget != lblUsed && d.widget->objectName() != QLatin1String("Hno"))
            d.geometry.setSize(d.geometry.size().expandedTo(TextNeeds(d.widget)));
    if (!designed_.empty()) ApplyLayout();
}

void frmDisplay::ShowUsed() {
    // The zone as its clock was read and, for a classic chart, that it is the program's own model.
    const Language language = LanguageChoice::Current();
    QStringList used;
    if (const std::string zone = ZoneUsedIn(chart_->birth, language); !zone.empty()) used << FromUtf8(zone);
    if (chart_->mode != ComputationMode::Precise) used << FromUtf8(PositionsNoteIn(*chart_, language));
    lblUsed->setText(ShownDigits(used.join(QLatin1Char('\n'))));
    lblUsed->setAccessibleName(used.join(QStringLiteral(", ")));
}

QString frmDisplay::ReportInEnglishNote() {
    return Tr(QT_TRANSLATE_NOOP("Velmora",
                                "The report is in English: its rules have no reviewed translation yet."));
}

void frmDisplay::ShowReport() {
    // The 105 rules are written in English; no reviewed translation of them
    // exists. In another language a note above the report says so.
    RTB->clear();
    QTextCursor cursor(RTB->document());
    if (LanguageChoice::Current() != Language::English) {
        QTextCharFormat note;
        note.setFontItalic(true);
        note.setForeground(QColor(0x80, 0, 0));
        cursor.insertText(ReportInEnglishNote(), note);
        cursor.insertBlock();
        cursor.setCharFormat(QTextCharFormat());
    }
    InsertReport(cursor, chart_->report);
    RTB->moveCursor(QTextCursor::Start);
}

void frmDisplay::FitTexts() {
    // The designed boxes hold their texts in the designed font. A font that
    // needs more room (another desktop's, a larger size) gets it: a box grows
    // right and down from where it was designed to what its text asks, so
    // nothing designed moves; a text the person typed (a name, a place)
    // keeps the designed width and is cut short with "…", whole in its
    // tooltip and its spoken name.
    const std::array<QLabel*, 4> typed = {lblName, lblCity, lblState, lblCountry};
    for (QLabel* label : typed) {
        const QString whole = label->text();
        const int width = label->width() - 2 * label->margin() - label->indent() * (label->indent() > 0 ? 1 : 0);
        const QString shown = label->fontMetrics().elidedText(whole, Qt::ElideRight, std::max(width, 1));
        if (shown != whole) {
            label->setText(shown);
            label->setToolTip(whole);
        }
    }
    for (QWidget* widget : findChildren<QWidget*>())
        if (widget != lblUsed) widget->resize(widget->size().expandedTo(TextNeeds(widget)));
    // The sign numbers keep their designed boxes: digits reach no lower than
    // the base line, so the room a font keeps below it for descenders may go.
    for (QLabel* number : Hno) number->resize(number->size().boundedTo(QSize(TwipsToPixels(kHnoWidth), TwipsToPixels(kHnoHeight)).expandedTo(QSize(number->sizeHint().width(), 0))));
}

void frmDisplay::ShowChartStyle(ChartStyle style) {
    const bool north = style == ChartStyle::North;
    // Full names in the South-Indian cells, two-letter ones in the houses,
    // as the printed chart.
    birthChart->SetStyle(style);
    birthChart->SetFullNames(!north);
    // The grid's labels, numbers and outlines, and the forum link in its
    // centre (the footer's link repeats it): the diamond has no free centre.
    // The zone line and the classic note stay in sight, below the diamond.
    for (int k = 0; k < kSignCount; ++k)
        for (QWidget* w : {static_cast<QWidget*>(signLabels[k]), static_cast<QWidget*>(lblArudha[k]),
                           static_cast<QWidget*>(Hno[k]), static_cast<QWidget*>(shpHora[k])})
            w->setVisible(!north);
    for (QWidget* w : {static_cast<QWidget*>(Shape1), static_cast<QWidget*>(Shape2), static_cast<QWidget*>(Label7)})
        w->setVisible(!north);
    const bool wasNorth = northShown_;
    northShown_ = north;
    if (wasNorth && !north && !designed_.empty()) ApplyLayout();  // the zone line back in the grid's centre
    PlaceChart();
}

void frmDisplay::PlaceChart() {
    const QRect frame = Shape2->geometry();
    if (!northShown_) {
        // The grid fills the chart's outer frame; each sign's outline stands
        // on its cell as drawn.
        birthChart->setGeometry(frame);
        const QRectF area = birthChart->ChartArea().translated(frame.topLeft());
        const ChartDiagram& diagram = birthChart->Diagram();
        for (int k = 0; k < kSignCount; ++k)
            shpHora[k]->setGeometry(
                HouseTextBox(diagram, ChartStyle::South, diagram.OfSign(k).house, area).toAlignedRect());
        return;
    }
    // The diamond in the grid's outer frame but for a strip at its foot, as
    // high as the zone line's words need.
    const int margin = 4;
    const int textWidth = frame.width() - 2 * margin;
    const int strip = lblUsed->text().isEmpty() ? 0 : lblUsed->heightForWidth(textWidth) + 2 * margin;
    birthChart->setGeometry(frame.adjusted(0, 0, 0, -strip));
    lblUsed->setGeometry(frame.left() + margin, frame.bottom() + 1 - strip + margin, textWidth, strip - 2 * margin);
}

void frmDisplay::RecordDesign() {
    // The chart, the details and the positions grow as one block; the report
    // and its footer are placed by the layout.
    auto record = [this](QWidget* widget, bool inBlock) {
        designed_.push_back({widget, widget->geometry(), widget->font(), widget->testAttribute(Qt::WA_SetFont), inBlock});
    };
    // The chart and the signs' outlines follow the chart's frame (PlaceChart).
    const auto placedWithChart = [this](const QWidget* widget) {
        return widget == birthChart || birthChart->isAncestorOf(widget) ||
               std::find(shpHora.begin(), shpHora.end(), widget) != shpHora.end();
    };
    for (QWidget* block : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(fraDetails),
                           static_cast<QWidget*>(fraWestern)}) {
        record(block, true);
        for (QWidget* inside : block->findChildren<QWidget*>())
            if (!placedWithChart(inside)) record(inside, false);
    }
    QFont reportFont = RTB->font();
    reportFont.setPointSizeF(kReportPoints);
    reportLineHeight_ = PixelsToTwips(QFontMetrics(reportFont).lineSpacing());
    reportChrome_ = PixelsToTwips(2 * RTB->frameWidth()) + 2 * PixelsToTwips(qCeil(RTB->document()->documentMargin()));
    layout_ = LayOutDisplay(kFormWidth, kFormHeight, reportLineHeight_, reportChrome_);
}

void frmDisplay::ApplyLayout() {
    layout_ = LayOutDisplay(PixelsToTwips(width()), PixelsToTwips(height()), reportLineHeight_, reportChrome_);
    const double s = layout_.Scale;
    const int shift = TwipsToPixels(layout_.TopLeft);
    const auto scaled = [s](int px) { return static_cast<int>(std::lround(px * s)); };
    const bool rescale = s != appliedScale_;
    for (const Designed& d : designed_) {
        if (!d.widget) continue;
        const QRect g = d.geometry;
        // Edges are scaled, not sizes, so controls that meet as designed still meet.
        QRect r(QPoint(scaled(g.x()), scaled(g.y())),
                QPoint(scaled(g.x() + g.width()) - 1, scaled(g.y() + g.height()) - 1));
        if (d.inBlock) r.translate(shift, 0);
        if (rescale && d.ownFont) {
            QFont font = d.font;
            font.setPointSizeF(d.font.pointSizeF() * s);
            d.widget->setFont(font);
        }
        // A font scaled down may round to more than its share of the box.
        if (s < 1 && d.widget != lblUsed && d.widget->objectName() != QLatin1String("Hno"))
            r.setSize(r.size().expandedTo(TextNeeds(d.widget)));
        d.widget->setGeometry(r);
    }
    appliedScale_ = s;
    RTB->setGeometry(PixelRect(layout_.ReportBox));
    const double spread = (layout_.Width - kFormWidth) / 2;
    Label5->move(TwipsToPixels(kLabel5Left + spread), TwipsToPixels(layout_.FooterTop));
    Label6->move(TwipsToPixels(layout_.ReportBox.Right() - (kReportLeft + kReportWidth - kLabel6Left)),
                 TwipsToPixels(layout_.FooterTop));
    cmdVargas->move(TwipsToPixels(layout_.ReportBox.Left), TwipsToPixels(layout_.FooterTop - kVargasRaise));
    // A longer caption (another language's) widens the button and its
    // neighbour; the footer's words move right of the button.
    for (QWidget* footer : {static_cast<QWidget*>(cmdVargas), static_cast<QWidget*>(Label5)})
        footer->resize(footer->size().expandedTo(TextNeeds(footer)));
    const int gap = TwipsToPixels(kLabel5Left - kReportLeft - 3120);
    if (Label5->x() < cmdVargas->geometry().right() + gap)
        Label5->move(cmdVargas->geometry().right() + gap, Label5->y());
    PlaceChart();
}

void frmDisplay::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!designed_.empty()) ApplyLayout();
}

void frmDisplay::BuildChart(Services services) {
    const ResultLabels& result = labels_;
    Frame1 = MakeFrame(this, "Frame1", nullptr, TwipsRect(120, 120, 8175, 6975));
    fraBirthchart = MakeFrame(Frame1, "fraBirthchart", QT_TRANSLATE_NOOP("Velmora", "Hora"), TwipsRect(0, 0, 8115, 6945));

    Shape2 = MakeShape(fraBirthchart, "Shape2", TwipsRect(100, 120, 7890, 6755));
    Shape1 = MakeShape(fraBirthchart, "Shape1", TwipsRect(2085, 1815, 3930, 3355));

    const QFont signFont = Verdana(8.25, false);
    const QFont numberFont = CourierNew(9.75, true);
    const QFont arudhaFont = Verdana(8.25, true);
    const QColor darkGreen(0, 64, 0);
    const QColor blue(0, 0, 255);
    const ChartDiagram diagram = MakeChartDiagram(BirthChartPoints(*chart_));
    for (int k = 0; k < kSignCount; ++k) {
        const SignCell& cell = kCells[k];
        const QString sign = FromUtf8(WindowTerms().signs[static_cast<std::size_t>(k)]);
        const QRect box = TwipsRect(cell.left, cell.top, kCellWidth, kCellHeight);

        shpHora[k] = MakeShape(fraBirthchart, "shpHora", box);
        shpHora[k]->setProperty("index", k);

        QLabel* label = MakeLabel<ChartCellLabel>(fraBirthchart, cell.label, QString(), box, signFont);
        label->setMargin(3);
        SetTextColor(label, darkGreen);
        SetCaption(label, result.signBoxes[k]);
        MakeReachable(label, sign);
        signLabels[k] = label;

        Hno[k] = MakeLabel<ChartCellLabel>(fraBirthchart, "Hno", ShownDigits(QString::number(k + 1)),
                           TwipsRect(cell.hnoLeft, cell.hnoTop, kHnoWidth, kHnoHeight), numberFont);
        Hno[k]->setProperty("index", k);

        QLabel* arudha = MakeLabel<ChartCellLabel>(fraBirthchart, "lblArudha", QString(),
                                   TwipsRect(cell.arudhaLeft, cell.arudhaTop, kArudhaWidth, kArudhaHeight), arudhaFont);
        arudha->setProperty("index", k);
        SetTextColor(arudha, blue);
        SetCaption(arudha, result.arudhaBoxes[k]);
        // Several arudhas in one sign stand one under the other.
        const int lines = arudha->text().isEmpty() ? 1 : static_cast<int>(arudha->text().count(QLatin1Char('\n'))) + 1;
        const int needed = lines * QFontMetrics(arudhaFont).lineSpacing();
        if (needed > arudha->height()) arudha->resize(arudha->width(), needed);
        MakeReachable(arudha, sign);
        lblArudha[k] = arudha;
    }

    // The chart itself, drawn by the chart painter as on every page, under
    // the labels: full names in the South-Indian cells, the zone line and
    // the forum link in its centre. In that style the sign and arudha labels
    // take the keyboard focus for their cell.
    birthChart = new ChartView(Tr(QT_TRANSLATE_NOOP("Velmora", "Birth chart")), diagram, ChartStyle::South, fraBirthchart);
    birthChart->setObjectName(QStringLiteral("birthChart"));
    birthChart->SetKeepsSquare(false);
    birthChart->SetTitleInCentre(false);
    birthChart->SetFullNames(true);
    std::array<QList<QWidget*>, kSignCount> cellSpots;
    for (int k = 0; k < kSignCount; ++k) cellSpots[static_cast<std::size_t>(k)] = {signLabels[k], lblArudha[k]};
    birthChart->SetSouthSpots(cellSpots);
    birthChart->setGeometry(Shape2->geometry());
    birthChart->lower();

    // The chart's centre says what it was computed with; nothing designed moves for it.
    lblUsed = MakeLabel(fraBirthchart, "lblUsed", QString(), TwipsRect(2235, 1935, 3630, 1215), Verdana(8.25, false));
    lblUsed->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblUsed->setWordWrap(true);
    MakeReachable(lblUsed, Tr(QT_TRANSLATE_NOOP("Velmora", "Time zone and positions")));
    ShowUsed();

    Label7 = new LinkLabel(QString(), services.web, WebPage::Home, fraBirthchart);
    Translate(Label7, QT_TRANSLATE_NOOP("Velmora", "Visit the Velmora forum"));
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setFont(Verdana(8.25, true));
    Label7->setAlignment(Qt::AlignCenter);
    Label7->setGeometry(TwipsRect(2400, 3240, 3225, 345));

    // In the North-Indian style Tab reaches the houses where it reached the signs.
    QWidget* before = lblArudha[kSignCount - 1];
    for (QWidget* house : birthChart->HouseSpots()) {
        setTabOrder(before, house);
        before = house;
    }
}

void frmDisplay::BuildDetails() {
    const ResultLabels& result = labels_;
    const ChartBirth& birth = chart_->birth;
    fraDetails = MakeFrame(this, "fraDetails", QT_TRANSLATE_NOOP("Velmora", "Your details"), TwipsRect(8520, 0, 3490, 2775));
    const QFont captionFont = Verdana(8.25, false);
    const QFont valueFont = Verdana(8.25, false);

    lblName = MakeLabel(fraDetails, "lblName", QString(), TwipsRect(120, 240, 3285, 240), Verdana(8.25, true));
    SetCaption(lblName, result.name);
    MakeReachable(lblName, Tr(QT_TRANSLATE_NOOP("Velmora", "Name")));

    const std::array<const std::string*, 7> values = {&result.dateOfBirth, &result.timeOfBirth, &result.longitude,
                                                      &result.latitude,    &birth.city,         &birth.state,
                                                      &birth.country};
    // A precise chart adds a line saying how it was computed; the rows close
    // up to make room for it inside the frame.
    const bool precise = chart_->mode == ComputationMode::Precise;
    const int firstTop = precise ? 560 : 600;
    const int rowStep = precise ? 255 : 300;
    for (std::size_t r = 0; r < kDetailRows.size(); ++r) {
        const DetailRow& row = kDetailRows[r];
        const int top = firstTop + rowStep * static_cast<int>(r);
        QLabel* caption = MakeLabel(fraDetails, "", QString(), TwipsRect(120, top, 1305, 195), captionFont);
        Translate(caption, row.caption);
        caption->setObjectName(QLatin1String(row.name) + QStringLiteral("Caption"));
        QLabel* value = MakeLabel(fraDetails, row.name, QString(), TwipsRect(1440, top, 2055, 195), valueFont);
        SetCaption(value, *values[r]);
        MakeReachable(value, Tr(row.spoken));
        this->*row.label = value;
    }
    if (precise) {
        const int top = firstTop + rowStep * static_cast<int>(kDetailRows.size());
        lblMode = MakeLabel(fraDetails, "lblMode", QString(), TwipsRect(120, top, 3285, 2775 - top - 30), valueFont);
        lblMode->setWordWrap(true);
        SetCaption(lblMode, ModeTextIn(*chart_, LanguageChoice::Current()));
        MakeReachable(lblMode, Tr(QT_TRANSLATE_NOOP("Velmora", "Positions")));
    }
}

void frmDisplay::BuildPositions() {
    const ResultLabels& result = labels_;
    fraWestern = MakeFrame(this, "fraWestern", QT_TRANSLATE_NOOP("Velmora", "Vedic Planetary Position"),
                           TwipsRect(8520, 2760, 3495, 4215));
    const QFont nameFont = Verdana(8.25, true);
    const QFont valueFont = Verdana(9.75, false);
    for (int i = 0; i < kBodyCount; ++i) {
        PlanetName[i] = MakeLabel(fraWestern, "PlanetName", FromUtf8(PositionRowCaption(WindowTerms(), i)),
                                  TwipsRect(120, 360 + 390 * i, 1785, 270), nameFont);
        PlanetName[i]->setProperty("index", i);
        planet[i] = MakeLabel(fraWestern, "planet", QString(), TwipsRect(1920, kPlanetTops[i], 1455, 270), valueFont);
        planet[i]->setProperty("index", i);
        SetCaption(planet[i], WithSignShort(WindowTerms(), result.planet[i]));
        MakeReachable(planet[i], FromUtf8(WindowTerms().points[static_cast<std::size_t>(i)]));
    }
}

void frmDisplay::BuildReport(const Report& report, Services services) {
    RTB = new QTextEdit(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setGeometry(TwipsRect(kReportLeft, kReportTop, kReportWidth, kReportHeight));
    RTB->setReadOnly(true);
    RTB->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RTB->setTabChangesFocus(true);
    RTB->setFocusPolicy(Qt::StrongFocus);
    Translate(RTB, QT_TRANSLATE_NOOP("Velmora", "Report"), TextRole::AccessibleName);
    RTB->setFont(Verdana(8.25, false));

    // Piece by piece at the insertion point, each with its own weight, colour
    // and size; each break starts a new paragraph.
    if (LanguageChoice::Current() == Language::English) {
        QTextCursor cursor(RTB->document());
        InsertReport(cursor, report);
        RTB->moveCursor(QTextCursor::Start);
    } else {
        ShowReport();
    }

    Label5 = MakeLabel(this, "Label5", QString(), TwipsRect(kLabel5Left, kFooterTop, 3690, 240), Verdana(8.25, false));
    Translate(Label5, QT_TRANSLATE_NOOP("Velmora", "Talk about your chart at our forum"));
    Label6 = new LinkLabel(WebPageAddress(WebPage::Home).toString(), services.web, WebPage::Home, this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setFont(Verdana(8.25, false));
    Label6->setGeometry(TwipsRect(kLabel6Left, kFooterTop, 2565, 240));

    // Left of the footer line: the page beyond the arudhas.
    cmdVargas = new QPushButton(this);
    Translate(cmdVargas, QT_TRANSLATE_NOOP("Velmora", "&Nakshatras, dasha, Navamsa..."));
    cmdVargas->setObjectName(QStringLiteral("cmdVargas"));
    cmdVargas->setFont(Verdana(8.25, false));
    cmdVargas->setGeometry(TwipsRect(kReportLeft, kFooterTop - kVargasRaise, 3120, 300));
    connect(cmdVargas, &QPushButton::clicked, this, &frmDisplay::ShowVargas);
}

void frmDisplay::ShowVargas() {
    if (!vargas_) {
        vargas_ = new frmVargas(*chart_, services_.chartStyle, this);
    }
    vargas_->show();
    vargas_->raise();
    vargas_->activateWindow();
}

}  // namespace velmora
