#include "result/frmDashas.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "analysis/Vimshottari.h"
#include "chart/DashaSystems.h"
#include "presentation/DashaLabels.h"
#include "presentation/Phrases.h"
#include "services/Clock.h"
#include "services/Preferences.h"
#include "services/LanguageChoice.h"
#include "widgets/ChartPageParts.h"
#include "widgets/LocaleTimes.h"
#include "widgets/ScreenFit.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

// Where an item keeps its period: the lord's position, start and end, level.
constexpr int kPositionRole = Qt::UserRole;
constexpr int kStartRole = Qt::UserRole + 1;
constexpr int kEndRole = Qt::UserRole + 2;
constexpr int kLevelRole = Qt::UserRole + 3;

QString Text(std::string_view text) { return FromUtf8(text); }

// A text of the phrase table (a dasha level, a year's length) in the windows' language.
QString Said(std::string_view english) { return ShownDigits(FromUtf8(SayIfPhrase(LanguageChoice::Current(), english))); }

// A dasha system's name in the windows' language.
QString SystemName(std::string_view english) { return FromUtf8(DashaSystemLabel(english, LanguageChoice::Current())); }

QString Moment(DashaTime time) { return LocaleMoment(DashaMoment(time)); }

DashaNode NodeOf(const QTreeWidgetItem* item) {
    return {item->data(0, kPositionRole).toInt(), item->data(0, kStartRole).toLongLong(),
            item->data(0, kEndRole).toLongLong()};
}

}  // namespace

frmDashas::frmDashas(const Chart& chart, Services services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), chart_(chart) {
    setObjectName(QStringLiteral("frmDashas"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Dashas - %1"), TextRole::WindowTitle, {FromUtf8(chart.birth.name)});
    setAccessibleName(windowTitle());

    auto* column = new QVBoxLayout(this);
    auto* choices = new QFormLayout;
    cboSystem = new QComboBox(this);
    cboSystem->setObjectName(QStringLiteral("cboSystem"));
    for (const DashaSystemRow& row : AllDashaSystems()) cboSystem->addItem(SystemName(row.table().name));
    Translate(cboSystem, QT_TRANSLATE_NOOP("Velmora", "Dasha system"), TextRole::AccessibleName);
    cboYear = new QComboBox(this);
    cboYear->setObjectName(QStringLiteral("cboYear"));
    for (std::string_view name : kDashaYearNames) cboYear->addItem(Said(name));
    Translate(cboYear, QT_TRANSLATE_NOOP("Velmora", "Dasha year"), TextRole::AccessibleName);
    for (auto [caption, list] : {std::pair{QT_TRANSLATE_NOOP("Velmora", "&System:"), cboSystem},
                                 std::pair{QT_TRANSLATE_NOOP("Velmora", "&Year:"), cboYear}}) {
        auto* label = Translated(new QLabel(this), caption);
        label->setBuddy(list);
        choices->addRow(label, list);
    }
    column->addLayout(choices);

    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    lblNote->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblNote->setFocusPolicy(Qt::StrongFocus);
    column->addWidget(lblNote);

    treeDashas = new QTreeWidget(this);
    treeDashas->setObjectName(QStringLiteral("treeDashas"));
    Translate(treeDashas, QT_TRANSLATE_NOOP("Velmora", "Dasha periods"), TextRole::AccessibleName);
    TranslateItems(treeDashas, {QT_TRANSLATE_NOOP("Velmora", "Period"), QT_TRANSLATE_NOOP("Velmora", "Level"),
                                QT_TRANSLATE_NOOP("Velmora", "From"), QT_TRANSLATE_NOOP("Velmora", "To")});
    treeDashas->setUniformRowHeights(true);
    column->addWidget(treeDashas, 1);
    connect(treeDashas, &QTreeWidget::itemExpanded, this, &frmDashas::FillChildren);

    cboSystem->setCurrentIndex(static_cast<int>(chart.dashaSystem));
    cboYear->setCurrentIndex(static_cast<int>(chart.dashaYear));
    Show();
    // A choice made here is kept for the next chart and the birth file.
    connect(cboSystem, &QComboBox::currentIndexChanged, this, [this](int index) {
        services_.preferences.KeepDashaSystem(static_cast<DashaSystem>(index));
        Show();
    });
    connect(cboYear, &QComboBox::currentIndexChanged, this, [this](int index) {
        services_.preferences.KeepDashaYear(static_cast<DashaYear>(index));
        Show();
    });

    SetPageKeys(this, {cboSystem, cboYear, lblNote, treeDashas});
    // The lists' names and the periods again in each language chosen.
    OnLanguageChange(this, [this] {
        setAccessibleName(windowTitle());
        int i = 0;
        for (const DashaSystemRow& row : AllDashaSystems()) cboSystem->setItemText(i++, SystemName(row.table().name));
        i = 0;
        for (std::string_view name : kDashaYearNames) cboYear->setItemText(i++, Said(name));
        Show();
    });
    FitOnScreen(this, QSize(720, 640));
}

QTreeWidgetItem* frmDashas::AddPeriod(QTreeWidgetItem* parent, const DashaNode& node, int level) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(treeDashas);
    const bool running = timeline_.Running(node, level);
    const QString lord = FromUtf8(DashaLordLabel(timeline_, node, LanguageChoice::Current()));
    item->setText(0, running ? lord + Tr(QT_TRANSLATE_NOOP("Velmora", "  (running)")) : lord);
    item->setText(1, Said(kDashaLevelNames[static_cast<std::size_t>(level - 1)]));
    item->setText(2, Moment(node.start));
    item->setText(3, Moment(node.end));
    item->setData(0, kPositionRole, node.position);
    item->setData(0, kStartRole, static_cast<qlonglong>(node.start));
    item->setData(0, kEndRole, static_cast<qlonglong>(node.end));
    item->setData(0, kLevelRole, level);
    if (level < timeline_.table->levels) item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    if (running) {
        for (int c = 0; c < 4; ++c) {
            QFont font = item->font(c);
            font.setBold(true);
            item->setFont(c, font);
            item->setBackground(c, QColor(255, 240, 160));
        }
    }
    return item;
}

void frmDashas::FillChildren(QTreeWidgetItem* item) {
    if (item->childCount() > 0) return;  // filled at its first opening
    const int level = item->data(0, kLevelRole).toInt();
    if (level >= timeline_.table->levels) return;
    for (const DashaNode& child : SubPeriods(timeline_, NodeOf(item))) AddPeriod(item, child, level + 1);
}

void frmDashas::Show() {
    const auto system = static_cast<DashaSystem>(cboSystem->currentIndex());
    const auto year = static_cast<DashaYear>(cboYear->currentIndex());
    timeline_ = DashaOfChart(chart_, system, year);

    // A nakshatra dasha from the Moon's nakshatra; a sign dasha from the
    // chart's signs, with whose reading it follows.
    QString note = timeline_.table->SignDasha()
                       ? Tr(QT_TRANSLATE_NOOP("Velmora", "%1 dasha, %2. Years of %3; dates and times in the birth's local clock."))
                             .arg(SystemName(timeline_.table->name), FromUtf8(DashaStartLine(timeline_, LanguageChoice::Current())),
                                  Said(kDashaYearNames[static_cast<std::size_t>(year)]))
                       : Tr(QT_TRANSLATE_NOOP("Velmora", "%1 dasha from the Moon in %2: %3 period, %4 left at birth. "
                                                         "Years of %5; dates and times in the birth's local clock."))
                             .arg(SystemName(timeline_.table->name), Text(WindowTerms().nakshatras[static_cast<std::size_t>(chart_.nakshatras[1].index)]),
                                  FromUtf8(DashaLordLabel(timeline_, timeline_.majors[0], LanguageChoice::Current())),
                                  ShownDigits(FromUtf8(YearsMonthsDaysLabel(timeline_.balanceYears, LanguageChoice::Current()))),
                                  Said(kDashaYearNames[static_cast<std::size_t>(year)]));
    if (timeline_.runningLevels > 0) {
        QStringList path;
        for (int level = 0; level < timeline_.runningLevels; ++level)
            path << FromUtf8(DashaLordLabel(timeline_, timeline_.running[static_cast<std::size_t>(level)], LanguageChoice::Current()));
        const CalendarDate& today = timeline_.today;
        note += Tr(QT_TRANSLATE_NOOP("Velmora", " Running on %1: %2."))
                    .arg(LocaleDate(today.At(0)),
                         path.join(QStringLiteral(" > ")));
    }
    lblNote->setText(note);
    treeDashas->setAccessibleDescription(note);

    treeDashas->clear();
    QTreeWidgetItem* current = nullptr;
    for (const DashaNode& major : timeline_.Majors()) {
        QTreeWidgetItem* item = AddPeriod(nullptr, major, 1);
        if (timeline_.Running(major, 1)) current = item;
    }
    // The running path opened, its deepest period chosen.
    for (int level = 2; current && level <= timeline_.runningLevels; ++level) {
        current->setExpanded(true);  // fills its sub-periods
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < current->childCount(); ++i)
            if (timeline_.Running(NodeOf(current->child(i)), level)) next = current->child(i);
        current = next;
    }
    if (current) {
        treeDashas->setCurrentItem(current);
        treeDashas->scrollToItem(current);
    }
    for (int c = 0; c < 4; ++c) treeDashas->resizeColumnToContents(c);
}

}  // namespace velmora
