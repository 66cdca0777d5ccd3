#include "result/MatchPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "presentation/ChartDiagram.h"
#include "presentation/Glossary.h"
#include "presentation/KujaLabels.h"
#include "presentation/MatchLabels.h"
#include "presentation/Phrases.h"
#include "widgets/ChartPageParts.h"
#include "result/PdfFile.h"
#include "result/ChartPainter.h"
#include "result/ChartView.h"
#include "services/FileDialogs.h"
#include "services/Messenger.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"
#include "services/LanguageChoice.h"

namespace velmora {

namespace {

constexpr int kMoon = 1;

QString PointsText(double points) { return ShownDigits(QString::number(points, 'g', 3)); }

QString Person(const QString& role, const Chart& chart) {
    const NakshatraPlace& n = chart.nakshatras[kMoon];
    return Tr(QT_TRANSLATE_NOOP("Velmora", "%1: %2, Moon in %3, %4 pada %5"))
        .arg(role, ShownText(chart.birth.name),
             FromUtf8(WindowTerms().signs[static_cast<std::size_t>(PointSigns(chart)[kMoon])]), FromUtf8(WindowTerms().nakshatras[static_cast<std::size_t>(n.index)]))
        .arg(ShownDigits(QString::number(n.pada)));
}

// What the page's tables are, in the page's own words (the text output
// points to the project's documentation instead).
QString MatchExplained() {
    return Tr(QT_TRANSLATE_NOOP(
        "Velmora",
        "North-Indian ashtakoota guna milan: eight kootas compare the bride's and the groom's Moons (their signs and "
        "nakshatras) and give 36 points in all: Varna 1, Vashya 2, Tara 3, Yoni 4, Graha Maitri 5, Gana 6, Bhakoot 7 "
        "and Nadi 8. Each row says why it gives its points. 18 or more is commonly taken as acceptable. A Nadi or "
        "Bhakoot dosha (no points there) is noted below with the exceptions that cancel it, and so is each chart's "
        "Mars dosha"));
}

QString Bride() { return Tr(QT_TRANSLATE_NOOP("Velmora", "Bride")); }
QString Groom() { return Tr(QT_TRANSLATE_NOOP("Velmora", "Groom")); }

QString Total(const MarriageMatch& m) { return Tr(QT_TRANSLATE_NOOP("Velmora", "Total: %1 of 36")).arg(PointsText(m.milan.total)); }

ChartPaint PaintFor(const QString& role, const Chart& chart, ChartStyle style) {
    ChartPaint how;
    how.style = style;
    how.shortLabels = true;
    how.centre = {role, ShownText(chart.birth.name)};
    return how;
}

}  // namespace

MatchSheet MakeMatchSheet(const Chart& bride, const Chart& groom) {
    return {bride, groom, MatchCharts(bride, groom)};
}

QStringList DoshaLines(const MarriageMatch& m) {
    QStringList lines;
    const Language language = LanguageChoice::Current();
    const std::string nadi = NadiDoshaText(m.milan, language), bhakoot = BhakootDoshaText(m.milan, language);
    lines << (nadi.empty() ? Tr(QT_TRANSLATE_NOOP("Velmora", "Nadi dosha: none.")) : FromUtf8(nadi));
    lines << (bhakoot.empty() ? Tr(QT_TRANSLATE_NOOP("Velmora", "Bhakoot dosha: none.")) : FromUtf8(bhakoot));
    // Each chart's Mars dosha, and from each point why it is there or cancelled.
    for (const auto& [heading, kuja] : {std::pair{QT_TRANSLATE_NOOP("Velmora", "Mars dosha, bride: "), &m.brideKuja},
                                        std::pair{QT_TRANSLATE_NOOP("Velmora", "Mars dosha, groom: "), &m.groomKuja}}) {
        lines << Tr(heading) + FromUtf8(KujaSummaryText(*kuja, language));
        for (std::size_t r = 0; r < kuja->from.size(); ++r)
            lines << QStringLiteral("    ") + FromUtf8(KujaReasonText(*kuja, r, language));
    }
    lines << FromUtf8(PairKujaSummaryText(m, language));
    return lines;
}

bool PaintMatchSheet(QPagedPaintDevice& device, const MatchSheet& s, ChartStyle style) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // Laid out on a page 1000 units wide, as tall as the paper's proportions.
    const QRect page = painter.viewport();
    const double height = 1000.0 * page.height() / std::max(1, page.width());
    painter.setWindow(0, 0, 1000, static_cast<int>(height));
    auto font = [](double pixels, bool bold) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(static_cast<int>(pixels));
        f.setBold(bold);
        return f;
    };
    double y = 0;
    painter.setFont(font(22, true));
    painter.drawText(QRectF(0, y, 1000, 30), Qt::AlignLeft, Tr(QT_TRANSLATE_NOOP("Velmora", "Marriage match")));
    y += 34;
    painter.setFont(font(12, false));
    for (const QString& line : {FromUtf8(SayIfPhrase(LanguageChoice::Current(), kMatchTradition)), Person(Bride(), s.bride),
                                Person(Groom(), s.groom)}) {
        painter.drawText(QRectF(0, y, 1000, 18), Qt::AlignLeft, line);
        y += 18;
    }
    y += 8;
    const double side = 490;
    PaintChart(painter, QRectF(0, y, side, side), MakeChartDiagram(BirthChartPoints(s.bride)),
               PaintFor(Bride(), s.bride, style));
    PaintChart(painter, QRectF(1000 - side, y, side, side), MakeChartDiagram(BirthChartPoints(s.groom)),
               PaintFor(Groom(), s.groom, style));
    y += side + 16;
    const double columns[] = {0, 130, 200, 250};
    painter.setFont(font(13, true));
    const QString heads[] = {Tr(QT_TRANSLATE_NOOP("Velmora", "Koota")), Tr(QT_TRANSLATE_NOOP("Velmora", "Points")),
                             Tr(QT_TRANSLATE_NOOP("Velmora", "Max")), Tr(QT_TRANSLATE_NOOP("Velmora", "Why"))};
    for (int c = 0; c < 4; ++c) painter.drawText(QRectF(columns[c], y, 200, 20), Qt::AlignLeft, heads[c]);
    y += 22;
    for (std::size_t i = 0; i < s.match.milan.kootas.size(); ++i) {
        const Koota& k = s.match.milan.kootas[i];
        painter.setFont(font(12, true));
        painter.drawText(QRectF(columns[0], y, 130, 30), Qt::AlignLeft, FromUtf8(WindowTerms().kootas[i]));
        painter.setFont(font(12, false));
        painter.drawText(QRectF(columns[1], y, 70, 30), Qt::AlignLeft, PointsText(k.points));
        painter.drawText(QRectF(columns[2], y, 50, 30), Qt::AlignLeft, PointsText(k.max));
        painter.setFont(font(10.5, false));
        QRectF why(columns[3], y, 1000 - columns[3], 60);
        QRectF used;
        painter.drawText(why, Qt::AlignLeft | Qt::TextWordWrap,
                         FromUtf8(KootaReasonText(s.match.milan, i, LanguageChoice::Current())), &used);
        y += std::max(20.0, used.height() + 6);
    }
    painter.setFont(font(14, true));
    painter.drawText(QRectF(0, y, 1000, 22), Qt::AlignLeft, Total(s.match));
    y += 30;
    painter.setFont(font(11, false));
    for (const QString& line : DoshaLines(s.match)) {
        QRectF used;
        painter.drawText(QRectF(0, y, 1000, 60), Qt::AlignLeft | Qt::TextWordWrap, line, &used);
        y += used.height() + 4;
    }
    return painter.end();
}

QString WriteMatchPdf(const QString& path, const MatchSheet& sheet, ChartStyle style, QPageSize::PageSizeId paper) {
    return WritePdfFile(path,
                        Tr(QT_TRANSLATE_NOOP("Velmora", "Velmora marriage match of %1 and %2"))
                            .arg(ShownText(sheet.bride.birth.name), ShownText(sheet.groom.birth.name)),
                        paper, [&](QPagedPaintDevice& device) { return PaintMatchSheet(device, sheet, style); });
}

MatchPage::MatchPage(MatchSheet sheet, Services services, QWidget* parent)
    : QWidget(parent, Qt::Window), sheet_(std::move(sheet)), services_(services) {
    const MatchSheet& s = sheet_;
    setObjectName(QStringLiteral("MatchPage"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Marriage match - %1 and %2"), TextRole::WindowTitle,
              {ShownText(s.bride.birth.name), ShownText(s.groom.birth.name)});
    setAccessibleName(windowTitle());
    // The page scrolls where the screen is smaller than the page.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollPage"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* content = new QWidget(scroll);
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* grid = new QGridLayout(content);

    lblTradition = new QLabel(this);
    lblTradition->setObjectName(QStringLiteral("lblTradition"));
    lblTradition->setWordWrap(true);
    lblTradition->setFocusPolicy(Qt::TabFocus);
    grid->addWidget(lblTradition, 0, 0, 1, 2);

    auto* styleRow = new QHBoxLayout;
    cboStyle = AddChartStyleChooser(styleRow, services.chartStyle, this, [this](ChartStyle chosen) {
        bride->SetStyle(chosen);
        groom->SetStyle(chosen);
    });
    styleRow->addStretch(1);
    cmdPrint = Translated(new QPushButton(this), QT_TRANSLATE_NOOP("Velmora", "&Print…"));
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdExportPdf = Translated(new QPushButton(this), QT_TRANSLATE_NOOP("Velmora", "Export as P&DF…"));
    cmdExportPdf->setObjectName(QStringLiteral("cmdExportPdf"));
    styleRow->addWidget(cmdPrint);
    styleRow->addWidget(cmdExportPdf);
    grid->addLayout(styleRow, 1, 0, 1, 2);

    bride = new ChartView(QString(), MakeChartDiagram(BirthChartPoints(s.bride)), services.chartStyle.Style(), this);
    bride->setObjectName(QStringLiteral("bride"));
    groom = new ChartView(QString(), MakeChartDiagram(BirthChartPoints(s.groom)), services.chartStyle.Style(), this);
    groom->setObjectName(QStringLiteral("groom"));
    int column = 0;
    for (auto [view, title] : {std::pair{bride, QT_TRANSLATE_NOOP("Velmora", "Bride: %1")},
                               std::pair{groom, QT_TRANSLATE_NOOP("Velmora", "Groom: %1")}}) {
        const QString name = ShownText(view == bride ? s.bride.birth.name : s.groom.birth.name);
        auto* box = new QGroupBox(this);
        Translate(box, title, TextRole::Text, {name});
        view->SetChart(box->title(), view->Diagram());
        OnLanguageChange(view, [view, box] { view->SetChart(box->title(), view->Diagram()); });
        auto* inside = new QVBoxLayout(box);
        inside->setContentsMargins(4, 4, 4, 4);
        inside->addWidget(view);
        grid->addWidget(box, 2, column++);
    }

    tblKootas = new QTableWidget(kKootaCount + 1, 4, this);
    tblKootas->setObjectName(QStringLiteral("tblKootas"));
    Translate(tblKootas, QT_TRANSLATE_NOOP("Velmora", "Kootas"), TextRole::AccessibleName);
    TranslateItems(tblKootas, {QT_TRANSLATE_NOOP("Velmora", "Koota"), QT_TRANSLATE_NOOP("Velmora", "Points"),
                               QT_TRANSLATE_NOOP("Velmora", "Max"), QT_TRANSLATE_NOOP("Velmora", "Why")});
    tblKootas->verticalHeader()->hide();
    tblKootas->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblKootas->setTabKeyNavigation(false);
    tblKootas->setWordWrap(true);
    for (int c = 0; c < 3; ++c) tblKootas->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    tblKootas->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    tblKootas->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblKootas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tall enough for every row and a reason or two wrapped.
    tblKootas->setMinimumHeight(tblKootas->horizontalHeader()->sizeHint().height() +
                                (kKootaCount + 3) * (tblKootas->fontMetrics().lineSpacing() + 4) +
                                2 * tblKootas->frameWidth());
    tblKootas->setCurrentCell(0, 0);
    grid->addWidget(tblKootas, 3, 0, 1, 2);

    lblDoshas = new QLabel(this);
    lblDoshas->setObjectName(QStringLiteral("lblDoshas"));
    lblDoshas->setWordWrap(true);
    lblDoshas->setFocusPolicy(Qt::TabFocus);
    Translate(lblDoshas, QT_TRANSLATE_NOOP("Velmora", "Doshas"), TextRole::AccessibleName);
    ShowTexts();
    OnLanguageChange(this, [this] { ShowTexts(); });
    grid->addWidget(lblDoshas, 4, 0, 1, 2);
    grid->setRowStretch(2, 1);

    connect(cmdPrint, &QPushButton::clicked, this, [this] {
        services_.files.PrintWithPreview(
            this, [this](QPrinter& printer) { PaintMatchSheet(printer, sheet_, services_.chartStyle.Style()); });
    });
    connect(cmdExportPdf, &QPushButton::clicked, this, [this] {
        const QString path = AskFileToSave(
            services_.files, this, Tr(QT_TRANSLATE_NOOP("Velmora", "Export Match as PDF")),
            FromUtf8(sheet_.bride.birth.name) + QStringLiteral(" and ") + FromUtf8(sheet_.groom.birth.name),
            QStringLiteral(".pdf"), Tr(QT_TRANSLATE_NOOP("Velmora", "PDF files (*.pdf)")));
        if (path.isEmpty()) return;
        if (const QString reason = WriteMatchPdf(path, sheet_, services_.chartStyle.Style()); !reason.isEmpty())
            services_.messenger.Show(this, Tr(QT_TRANSLATE_NOOP("Velmora", "Cannot write \"%1\": %2.")).arg(path, reason),
                                     MessageIcon::Error);
    });

    // Tab: the people, the style, print, export, each chart house by house,
    // the kootas, the doshas.
    QList<QWidget*> chain{lblTradition, cboStyle, cmdPrint, cmdExportPdf};
    chain << bride->HouseSpots() << groom->HouseSpots() << tblKootas << lblDoshas;
    SetPageKeys(this, chain);

    FitOnScreen(this, QSize(980, 900));
}

void MatchPage::ShowTexts() {
    const MatchSheet& s = sheet_;
    lblTradition->setText(MatchExplained() + QStringLiteral(".\n") + Person(Bride(), s.bride) + QStringLiteral(".\n") +
                          Person(Groom(), s.groom) + QStringLiteral("."));
    lblTradition->setAccessibleName(lblTradition->text());
    const GunaMilan& milan = s.match.milan;
    const Glossary& glossary = GlossaryOf(LanguageChoice::Current());
    for (int i = 0; i < kKootaCount; ++i) {
        const Koota& k = milan.kootas[static_cast<std::size_t>(i)];
        const QString cells[4] = {FromUtf8(glossary.kootas[static_cast<std::size_t>(i)]), PointsText(k.points),
                                  PointsText(k.max),
                                  FromUtf8(KootaReasonText(milan, static_cast<std::size_t>(i), glossary.language))};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[3]);
            tblKootas->setItem(i, c, item);
        }
    }
    const QString totals[4] = {Tr(QT_TRANSLATE_NOOP("Velmora", "Total")), PointsText(milan.total), PointsText(36),
                               QString()};
    for (int c = 0; c < 4; ++c) {
        auto* item = new QTableWidgetItem(totals[c]);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        tblKootas->setItem(kKootaCount, c, item);
    }
    lblDoshas->setText(DoshaLines(s.match).join(QLatin1Char('\n')));
    lblDoshas->setAccessibleDescription(lblDoshas->text());
}

}  // namespace velmora
