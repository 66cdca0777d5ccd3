#include "entry/frmMain.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QCloseEvent>
#include <QCompleter>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include "birthfile/BirthFile.h"
#include "engine/NameTables.h"
#include "presentation/BirthLabels.h"
#include "entry/AnalyzeCommand.h"
#include "entry/BirthFileActions.h"
#include "entry/FilteredLineEdit.h"
#include "entry/PlacePicker.h"
#include "entry/NumberListTyping.h"
#include "atlas/PlaceLookup.h"
#include "entry/RecentBirthFiles.h"
#include "entry/YearList.h"
#include "entry/WebSearch.h"
#include "birth/ZoneTable.h"
#include "widgets/AccessibleCombo.h"
#include "services/FileDialogs.h"
#include "services/Clock.h"
#include "services/LanguageChoice.h"
#include "services/SystemMonthNames.h"
#include "widgets/HelpMenu.h"
#include "widgets/ScreenFit.h"
#include "widgets/QuitKeys.h"
#include "widgets/LinkLabel.h"
#include "services/Messenger.h"
#include "services/Preferences.h"
#include "entry/ChartOptionsDialog.h"
#include "services/WebLinks.h"
#include "widgets/WrappedLabel.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"
#include "widgets/ProgramTitle.h"

namespace velmora {

namespace {

std::string ToUtf8(const QString& text) { return text.toStdString(); }

template <typename Widget>
Widget* Named(Widget* widget, const char* objectName, const char* accessibleName) {
    widget->setObjectName(QLatin1String(objectName));
    Translate(widget, accessibleName, TextRole::AccessibleName);
    return widget;
}

// A list as wide as its widest item, measured once. The form fills its lists
// before it is first laid out and afterwards only renames items (the months
// in another language), which measures the list again; Qt's default policy
// (AdjustToContentsOnFirstShow) measures the items as they are until the list
// is first shown. But it measures every item for the size hint, again for
// the minimum size hint (the same width for such a list) and again when the
// list is first shown, each time shaping every item's text: a good part of
// the form's start-up with its 400 items. (AdjustToContents would also build
// each list's popup up front.)
class ContentsList : public QComboBox {
public:
    explicit ContentsList(QWidget* parent) : QComboBox(parent) {
        connect(model(), &QAbstractItemModel::dataChanged, this, [this] {
            hint_ = QSize();
            updateGeometry();
        });
    }
    QSize sizeHint() const override {
        if (!hint_.isValid()) hint_ = QComboBox::sizeHint();
        return hint_;
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) hint_ = QSize();
        QComboBox::changeEvent(event);
    }

private:
    mutable QSize hint_;
};

QComboBox* NewList(QWidget* parent, const char* objectName, const char* accessibleName) {
    auto* list = Named(new ContentsList(parent), objectName, accessibleName);
    list->setEditable(false);  // pick an item, never type
    return list;
}

// All items in one insertion: the list's model announces one change, not one per item.
void AddNumbers(QComboBox* list, int first, int count) {
    QStringList items;
    items.reserve(count);
    for (int i = 0; i < count; ++i) items << QString::number(first + i);
    list->addItems(items);
}

// A text box just wide enough for `chars` digits.
void FitDigits(QLineEdit* edit, int chars) {
    const QFontMetrics metrics = edit->fontMetrics();
    // The standard hint is 17 'x' wide plus the frame and margins; keep the latter.
    const int chrome = edit->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    edit->setFixedWidth(chrome + (chars + 1) * metrics.horizontalAdvance(QLatin1Char('0')));
}

// Widgets side by side from the left.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) row->addWidget(widget);
    row->addStretch();
    return row;
}

QLabel* NewLabel(const QString& text, QWidget* buddy, const char* objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(objectName));
    label->setBuddy(buddy);
    return label;
}

}  // namespace

namespace {

// The month list's names: the form's own in English, the windows' language's
// locale's in another.
QStringList FormMonthNames() {
    QStringList months;
    const MonthNames names =
        LanguageChoice::Current() == Language::English ? EnglishMonthNames() : MonthNamesOf(LanguageChoice::WindowLocale());
    for (const std::string& month : names) months << FromUtf8(month);
    return months;
}

}  // namespace

frmMain::frmMain(Services services, QWidget* parent) : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ProgramTitle());
    // Before the first list, so that every list says what it is.
    InstallAccessibleCombo();
    BuildMenus();
    BuildForm();
    SetTabOrder();
    LoadForm();
    FitWrappedText();
    // Another language's words: the options' line again, the form as wide
    // and its wrapped lines as tall as they now need, the window grown to hold them.
    OnLanguageChange(this, [this] {
        const QStringList months = FormMonthNames();
        for (int m = 0; m < static_cast<int>(months.size()); ++m) cboMonth_->setItemText(m, months[m]);
        ShowChartOptions(chartOptions_);
        FitFormTexts();
        resize(size().expandedTo(sizeHint()));
    });
}

void frmMain::BuildMenus() {
    QMenu* file = Translated(menuBar()->addMenu(QString()), QT_TRANSLATE_NOOP("Velmora", "&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* open = Translated(file->addAction(QString()), QT_TRANSLATE_NOOP("Velmora", "&Open Birth Data…"));
    open->setObjectName(QStringLiteral("mnuOpen"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this] { OpenBirthData(); });
    QAction* save = Translated(file->addAction(QString()), QT_TRANSLATE_NOOP("Velmora", "&Save Birth Data…"));
    save->setObjectName(QStringLiteral("mnuSave"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] { SaveBirthData(); });
    mnuRecent_ = new RecentBirthFilesMenu(file, this, services_.messenger, services_.preferences,
                                          [this](const QString& path) { OpenBirthFile(path); });
    file->addSeparator();
    QAction* next = Translated(file->addAction(QString()), QT_TRANSLATE_NOOP("Velmora", "Analyze My Graha Arudha"));
    next->setObjectName(QStringLiteral("mnuNext"));
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
    connect(next, &QAction::triggered, this, &frmMain::AnalyzeChart);
    QAction* exit = Translated(file->addAction(QString()), QT_TRANSLATE_NOOP("Velmora", "E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcuts(QuitKeys());
    connect(exit, &QAction::triggered, this, &frmMain::RequestExit);
    AddHelpMenus(menuBar(), services_, [this] { emit aboutRequested(); });
}

void frmMain::BuildForm() {
    // The form inside a frameless scroll area: a screen lower than the form
    // (or a larger font) scrolls it instead of losing its lower controls.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollForm"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* central = new QWidget(scroll);
    central->setObjectName(QStringLiteral("centralWidget"));
    scroll->setWidget(central);
    setCentralWidget(scroll);
    central_ = central;
    auto* page = new QVBoxLayout(central);

    lblDescription_ = new WrappedLabel(QString(), central);
    Translate(lblDescription_,
              QT_TRANSLATE_NOOP("Velmora", "Velmora calculates the arudhas for the different houses in your natal "
                                           "chart. Enter the birth details below and press \"Analyze My Graha "
                                           "Arudha\" to see the chart, the twelve arudha padas from the Arudha "
                                           "Lagna to the Upapada, and what they say about the person."));
    lblDescription_->setObjectName(QStringLiteral("lblDescription"));
    page->addWidget(lblDescription_);

    // Name, date, time and place.
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    txtName_ = Named(new FilteredLineEdit(kNameRule, services_.messenger, central), "txtName",
                     QT_TRANSLATE_NOOP("Velmora", "Name"));
    form->addRow(Translated(NewLabel(QString(), txtName_, "lblName", central), QT_TRANSLATE_NOOP("Velmora", "&Name")), txtName_);

    cboMonth_ = NewList(central, "cboMonth", QT_TRANSLATE_NOOP("Velmora", "Month of birth"));
    cboDate_ = NewList(central, "cboDate", QT_TRANSLATE_NOOP("Velmora", "Day of birth"));
    cboYear_ = NewList(central, "cboYear", QT_TRANSLATE_NOOP("Velmora", "Year of birth"));
    form->addRow(Translated(NewLabel(QString(), cboMonth_, "lblDateOfBirth", central), QT_TRANSLATE_NOOP("Velmora", "Date of &Birth")),
                 Row({cboMonth_, cboDate_, cboYear_}));

    cboHH_ = NewList(central, "cboHH", QT_TRANSLATE_NOOP("Velmora", "Hour of birth"));
    cboMM_ = NewList(central, "cboMM", QT_TRANSLATE_NOOP("Velmora", "Minute of birth"));
    cboSS_ = NewList(central, "cboSS", QT_TRANSLATE_NOOP("Velmora", "Second of birth"));
    auto* timeFormat = new QLabel(QStringLiteral("HH:MM:SS"), central);
    timeFormat->setObjectName(QStringLiteral("lblTimeFormat"));
    QHBoxLayout* timeRow = Row({cboHH_, cboMM_, cboSS_, timeFormat});
    form->addRow(Translated(NewLabel(QString(), cboHH_, "lblTimeOfBirth", central), QT_TRANSLATE_NOOP("Velmora", "&Time of Birth")), timeRow);

    txtMCity_ = Named(new QLineEdit(central), "txtMCity", QT_TRANSLATE_NOOP("Velmora", "City"));
    Translate(txtMCity_, QT_TRANSLATE_NOOP("Velmora", "Type the first letters of the birth place to choose it "
                                                      "from the atlas, with its coordinates and time zone"),
              TextRole::AccessibleDescription);
    form->addRow(Translated(NewLabel(QString(), txtMCity_, "lblCity", central), QT_TRANSLATE_NOOP("Velmora", "&City")), txtMCity_);
    txtMState_ = Named(new QLineEdit(central), "txtMState", QT_TRANSLATE_NOOP("Velmora", "State"));
    form->addRow(Translated(NewLabel(QString(), txtMState_, "lblState", central), QT_TRANSLATE_NOOP("Velmora", "&State")), txtMState_);
    txtMCountry_ = Named(new QLineEdit(central), "txtMCountry", QT_TRANSLATE_NOOP("Velmora", "Country"));
    form->addRow(Translated(NewLabel(QString(), txtMCountry_, "lblCountry", central), QT_TRANSLATE_NOOP("Velmora", "C&ountry")), txtMCountry_);
    page->addLayout(form);

    // Coordinates: degrees and minutes with their hemisphere, side by side.
    struct Frame {
        QGroupBox* box;
        FilteredLineEdit* degrees;
        FilteredLineEdit* minutes;
    };
    auto makeFrame = [&](const char* title, const char* frameName, const char* degreesSpoken,
                         const char* minutesSpoken, const char* degName, int degChars, const char* minName,
                         const char* optName, const char* first, const char* second,
                         QRadioButton** options) {
        auto* box = Translated(new QGroupBox(central), title);
        box->setObjectName(QLatin1String(frameName));
        auto* degrees = Named(new FilteredLineEdit(kNumberRule, services_.messenger, box), degName, degreesSpoken);
        degrees->setMaxLength(degChars);
        // Both boxes of both frames three digits wide, so that the frames line up.
        FitDigits(degrees, 3);
        auto* minutes = Named(new FilteredLineEdit(kNumberRule, services_.messenger, box), minName, minutesSpoken);
        minutes->setMaxLength(2);
        FitDigits(minutes, 3);
        auto* grid = new QGridLayout(box);
        grid->addWidget(Translated(NewLabel(QString(), degrees, "lblDeg", box), QT_TRANSLATE_NOOP("Velmora", "Deg")), 0, 0);
        grid->addWidget(degrees, 0, 1);
        grid->addWidget(Translated(NewLabel(QString(), minutes, "lblMin", box), QT_TRANSLATE_NOOP("Velmora", "Min")), 0, 2);
        grid->addWidget(minutes, 0, 3);
        auto* group = new QButtonGroup(box);
        const char* captions[2] = {first, second};
        for (int i = 0; i < 2; ++i) {
            const QByteArray name = QByteArray(optName) + '_' + QByteArray::number(i);
            options[i] = Named(Translated(new QRadioButton(box), captions[i]), name.constData(), captions[i]);
            options[i]->setProperty("index", i);
            group->addButton(options[i], i);
            grid->addWidget(options[i], 1, 2 * i, 1, 2);
        }
        options[0]->setChecked(true);
        grid->setColumnStretch(4, 1);
        return Frame{box, degrees, minutes};
    };
    const Frame longitude =
        makeFrame(QT_TRANSLATE_NOOP("Velmora", "&Longitude"), "fraLongitude",
                  QT_TRANSLATE_NOOP("Velmora", "Longitude degrees"), QT_TRANSLATE_NOOP("Velmora", "Longitude minutes"),
                  "txtLonD", 3, "txtLonM", "optLong", QT_TRANSLATE_NOOP("Velmora", "East"),
                  QT_TRANSLATE_NOOP("Velmora", "West"), optLong_);
    txtLonD_ = longitude.degrees;
    txtLonM_ = longitude.minutes;
    const Frame latitude =
        makeFrame(QT_TRANSLATE_NOOP("Velmora", "L&atitude"), "fraLatitude",
                  QT_TRANSLATE_NOOP("Velmora", "Latitude degrees"), QT_TRANSLATE_NOOP("Velmora", "Latitude minutes"),
                  "txtLatD", 2, "txtLatM", "optLat", QT_TRANSLATE_NOOP("Velmora", "North"),
                  QT_TRANSLATE_NOOP("Velmora", "South"), optLat_);
    txtLatD_ = latitude.degrees;
    txtLatM_ = latitude.minutes;
    // A frame's mnemonic leads to its degrees box (the group box itself would
    // prefer the chosen option button).
    longitude.box->installEventFilter(this);
    latitude.box->installEventFilter(this);
    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(longitude.box, 1);
    coordinates->addWidget(latitude.box, 1);
    page->addLayout(coordinates);

    // Time zone and daylight saving.
    auto* zone = Translated(new QGroupBox(central), QT_TRANSLATE_NOOP("Velmora", "&Zone"));
    zone->setObjectName(QStringLiteral("fraZone"));
    cmbTimeZone_ = NewList(zone, "cmbTimeZone", QT_TRANSLATE_NOOP("Velmora", "Time zone"));
    chkDST_ = Named(Translated(new QCheckBox(zone), QT_TRANSLATE_NOOP("Velmora", "Daylight Saving Time")), "chkDST",
                    QT_TRANSLATE_NOOP("Velmora", "Daylight Saving Time"));
    auto* zoneRow = new QHBoxLayout;
    auto* zoneBox = new QVBoxLayout(zone);
    zoneRow->addWidget(cmbTimeZone_);
    zoneRow->addSpacing(12);
    zoneRow->addWidget(chkDST_);
    zoneRow->addStretch();
    // What a chosen place's zone gives at the birth date and time.
    lblZoneInfo_ = new QLabel(zone);
    lblZoneInfo_->setObjectName(QStringLiteral("lblZoneInfo"));
    lblZoneInfo_->setWordWrap(true);
    lblZoneInfo_->setTextFormat(Qt::PlainText);
    Translate(lblZoneInfo_, QT_TRANSLATE_NOOP("Velmora", "Time zone of the chosen place"), TextRole::AccessibleName);
    lblZoneInfo_->setMinimumHeight(2 * lblZoneInfo_->fontMetrics().lineSpacing());  // room for two lines
    zoneBox->addLayout(zoneRow);
    zoneBox->addWidget(lblZoneInfo_);
    page->addWidget(zone);

    // How the positions are computed: the Swiss Ephemeris unless the person
    // unticks it; the window keeps the last choice between starts.
    chkPrecise_ = Named(Translated(new QCheckBox(central), QT_TRANSLATE_NOOP("Velmora", "&Precise positions (Swiss Ephemeris)")), "chkPrecise",
                        QT_TRANSLATE_NOOP("Velmora", "Precise positions (Swiss Ephemeris)"));
    Translate(chkPrecise_,
              QT_TRANSLATE_NOOP("Velmora", "Compute the chart from the Swiss Ephemeris at the true birth instant "
                                           "instead of the classic engine"),
              TextRole::AccessibleDescription);
    Translate(chkPrecise_,
              QT_TRANSLATE_NOOP("Velmora", "Positions from the Swiss Ephemeris at the birth instant in Universal "
                                           "Time, Lahiri ayanamsa; the seconds of the time count."),
              TextRole::ToolTip);
    chkTrueNode_ = Named(Translated(new QCheckBox(central), QT_TRANSLATE_NOOP("Velmora", "T&rue node for Rahu and Ketu")), "chkTrueNode",
                         QT_TRANSLATE_NOOP("Velmora", "True node for Rahu and Ketu"));
    Translate(chkTrueNode_, QT_TRANSLATE_NOOP("Velmora", "With precise positions, the true lunar node instead of the mean node"),
              TextRole::AccessibleDescription);
    chkPrecise_->setChecked(services_.preferences.PrecisePositions());
    chkTrueNode_->setEnabled(chkPrecise_->isChecked());
    connect(chkPrecise_, &QCheckBox::toggled, chkTrueNode_, &QWidget::setEnabled);
    connect(chkPrecise_, &QCheckBox::clicked, this,
            [this](bool precise) { services_.preferences.SetPrecisePositions(precise); });
    auto* modeRow = Row({chkPrecise_, chkTrueNode_});
    modeRow->insertSpacing(1, 12);
    page->addLayout(modeRow);

    // The precise chart's ayanamsa, positions and houses, kept per user.
    cmdChartOptions_ = Named(Translated(new QPushButton(central), QT_TRANSLATE_NOOP("Velmora", "A&yanamsa and Houses…")),
                             "cmdChartOptions", QT_TRANSLATE_NOOP("Velmora", "Ayanamsa and Houses"));
    lblChartOptions_ = new QLabel(central);
    lblChartOptions_->setObjectName(QStringLiteral("lblChartOptions"));
    lblChartOptions_->setTextFormat(Qt::PlainText);
    ShowChartOptions(services_.preferences.KeptChartOptions());
    for (QWidget* choice : {static_cast<QWidget*>(cmdChartOptions_), static_cast<QWidget*>(lblChartOptions_)}) {
        choice->setEnabled(chkPrecise_->isChecked());
        connect(chkPrecise_, &QCheckBox::toggled, choice, &QWidget::setEnabled);
    }
    connect(cmdChartOptions_, &QPushButton::clicked, this, &frmMain::ChooseChartOptions);
    auto* optionsRow = Row({cmdChartOptions_, lblChartOptions_});
    page->addLayout(optionsRow);

    // The two commands.
    cmdRashi_ = Named(Translated(new QPushButton(central), QT_TRANSLATE_NOOP("Velmora", "Analyze My Graha Arudha")), "cmdRashi",
                      QT_TRANSLATE_NOOP("Velmora", "Analyze My Graha Arudha"));
    cmdBrowser_ = Named(Translated(new QPushButton(central), QT_TRANSLATE_NOOP("Velmora", "Click for Latitude && Longitude")),
                        "cmdBrowser", QT_TRANSLATE_NOOP("Velmora", "Click for Latitude & Longitude"));
    connect(cmdRashi_, &QPushButton::clicked, this, &frmMain::AnalyzeChart);
    connect(cmdBrowser_, &QPushButton::clicked, this, &frmMain::LookUpPlace);
    page->addLayout(Row({cmdRashi_, cmdBrowser_}));

    auto* line = new QFrame(central);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    page->addWidget(line);

    // Links to the maker's pages.
    Label61_ = new LinkLabel(QString(), services_.web, WebPage::Home, central);
    Translate(Label61_, QT_TRANSLATE_NOOP("Velmora", "Talk about your chart with other readers in our online "
                                                     "astrology forum. Click here to visit our site."));
    Label61_->setObjectName(QStringLiteral("Label61"));
    lblCobrand_ = new LinkLabel(QString(), services_.web, WebPage::CoBranding, central);
    Translate(lblCobrand_, QT_TRANSLATE_NOOP("Velmora", "Co-brand this software for your site. Click here for "
                                                        "more details on co-branding."));
    lblCobrand_->setObjectName(QStringLiteral("lblCobrand"));
    lblFullBrand_ = new LinkLabel(QString(), services_.web, WebPage::BrandedEdition, central);
    Translate(lblFullBrand_, QT_TRANSLATE_NOOP("Velmora", "Home Business Opportunity. Start your own Internet "
                                                          "business and make money online. Get this software fully "
                                                          "branded for your website. Click here for more details."));
    lblFullBrand_->setObjectName(QStringLiteral("lblFullBrand"));
    page->addWidget(Label61_);
    page->addWidget(lblCobrand_);
    page->addWidget(lblFullBrand_);
    page->addStretch();
}

void frmMain::FitFormTexts() {
    // A main window does not size itself for text that wraps: fix the form's
    // width to what its widest row needs and reserve each wrapped label's
    // height at that width, so nothing is squeezed or cut.
    QWidget* central = central_;
    QLayout* page = central->layout();
    // Every row measured anew: its texts may have changed since.
    for (QLayout* row : central->findChildren<QLayout*>()) row->invalidate();
    page->invalidate();
    // The rows' minimum needs no layout pass yet: one at the widget's first,
    // small size would only wrap the long labels at a width never shown.
    const int width = std::max(page->minimumSize().width(), 40 * fontMetrics().averageCharWidth());
    const QMargins margins = page->contentsMargins();
    central->setMinimumWidth(width);
    for (QLabel* label : {lblDescription_, static_cast<QLabel*>(Label61_), static_cast<QLabel*>(lblCobrand_),
                          static_cast<QLabel*>(lblFullBrand_)})
        label->setMinimumHeight(label->heightForWidth(width - margins.left() - margins.right()));
    page->activate();
}

void frmMain::FitWrappedText() {
    FitFormTexts();
    QWidget* central = central_;
    // The window as large as the form, as far as the screen's available
    // area allows, its frame inside it.
    const QSize form = central->minimumSizeHint().expandedTo(central->sizeHint());
    // Room for a vertical scroll bar too, so that a low screen scrolls the
    // form up and down only.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    FitOnScreen(this, QSize(form.width() + scrollBar + 2, form.height() + menuBar()->sizeHint().height() + 2));
}

void frmMain::SetTabOrder() {
    QWidget* const order[] = {txtName_,   cboMonth_,    cboDate_,     cboYear_,    cboHH_,
                              cboMM_,     cboSS_,       txtMCity_,    txtMState_,  txtMCountry_,
                              txtLonD_,   txtLonM_,     optLong_[0],  optLong_[1], txtLatD_,
                              txtLatM_,   optLat_[0],   optLat_[1],   cmbTimeZone_, chkDST_,
                              chkPrecise_, chkTrueNode_, cmdChartOptions_, cmdRashi_,  cmdBrowser_,  Label61_,     lblCobrand_, lblFullBrand_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}


void frmMain::LoadForm() {
    QStringList zones;
    for (const ZoneEntry& entry : kZoneTable) zones << FromUtf8(entry.DisplayText);
    cboMonth_->addItems(FormMonthNames());
    cmbTimeZone_->addItems(zones);
    AddNumbers(cboDate_, 1, kDayItems);
    // The years of the positions chosen; ticking or unticking changes them.
    years_ = new YearList(cboYear_, chkPrecise_->isChecked() ? ComputationMode::Precise : ComputationMode::Classic);
    connect(chkPrecise_, &QCheckBox::toggled, this, [this](bool precise) {
        const QString told = years_->ShowYearsOf(precise ? ComputationMode::Precise : ComputationMode::Classic);
        if (!told.isEmpty()) services_.messenger.Show(this, told, MessageIcon::Information);
    });
    AddNumbers(cboHH_, 0, kHourItems);
    AddNumbers(cboMM_, 0, kMinuteItems);
    AddNumbers(cboSS_, 0, kMinuteItems);
    for (QComboBox* list : {cboDate_, cboYear_, cboHH_, cboMM_, cboSS_}) new NumberListTyping(list);
    for (QComboBox* list : {cboMonth_, cboDate_, cboHH_, cboMM_, cboSS_}) list->setCurrentIndex(0);
    cmbTimeZone_->setCurrentIndex(kInitialZone);

    // The place: the atlas's offers on City, the zone line, and what a
    // chosen place's zone does when the date, the coordinates or the zone change.
    places_ = new PlacePicker({txtMCity_, txtMState_, txtMCountry_, txtLonD_, txtLonM_, optLong_[0], optLong_[1],
                               txtLatD_, txtLatM_, optLat_[0], optLat_[1], cmbTimeZone_, chkDST_, chkPrecise_,
                               lblZoneInfo_},
                              [this] { return Fields(); }, services_.messenger, this);
    places_->Watch({cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cboSS_});
    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cboSS_, cmbTimeZone_})
        connect(list, qOverload<int>(&QComboBox::currentIndexChanged), this,
                [this] { repeated_ = RepeatedHour::Unresolved; });
    connect(txtMCity_, &QLineEdit::textEdited, this, [this] { repeated_ = RepeatedHour::Unresolved; });
}

QString frmMain::ZoneInfo() const { return places_->ZoneInfo(); }

QCompleter* frmMain::PlaceCompleter() const { return places_->Completer(); }

FormFields frmMain::Fields() const {
    FormFields fields;
    fields.Name = ToUtf8(txtName_->text());
    fields.Month = cboMonth_->currentIndex();
    fields.Day = cboDate_->currentIndex();
    fields.Year = YearField(years_->Year());
    fields.Hour = cboHH_->currentIndex();
    fields.Minute = cboMM_->currentIndex();
    fields.Second = cboSS_->currentIndex();
    fields.City = ToUtf8(txtMCity_->text());
    fields.State = ToUtf8(txtMState_->text());
    fields.Country = ToUtf8(txtMCountry_->text());
    fields.LonDeg = ToUtf8(txtLonD_->text());
    fields.LonMin = ToUtf8(txtLonM_->text());
    fields.East = optLong_[0]->isChecked();
    fields.LatDeg = ToUtf8(txtLatD_->text());
    fields.LatMin = ToUtf8(txtLatM_->text());
    fields.South = optLat_[1]->isChecked();
    fields.Zone = cmbTimeZone_->currentIndex();
    fields.DaylightSaving = chkDST_->isChecked();
    fields.Mode = chkPrecise_->isChecked() ? ComputationMode::Precise : ComputationMode::Classic;
    fields.Node = chkTrueNode_->isChecked() ? NodeKind::True : NodeKind::Mean;
    // A classic chart takes none of the choices: they wait for precise positions.
    if (fields.Mode == ComputationMode::Precise) fields.Options = chartOptions_;
    fields.TimeZoneId = places_->ZoneId();
    fields.Place = places_->PlaceName();
    fields.PlaceLatitude = places_->PlaceLatitude();
    fields.PlaceLongitude = places_->PlaceLongitude();
    fields.Repeated = repeated_;
    // The dasha choices the person keeps (on the dasha page, or from the birth file opened last).
    fields.DashaYearChoice = services_.preferences.KeptDashaYear();
    fields.DashaSystemChoice = services_.preferences.KeptDashaSystem();
    return fields;
}

void frmMain::SetFields(const FormFields& f) {
    // The place's zone is set aside while the lists change, then taken up
    // again with the zone list as the fields hold it.
    places_->Forget();
    txtName_->setText(FromUtf8(f.Name));
    years_->Choose(f.Mode, FormYear(f));
    const std::pair<QComboBox*, int> lists[] = {{cboMonth_, f.Month}, {cboDate_, f.Day},   {cboHH_, f.Hour},
                                                {cboMM_, f.Minute},   {cboSS_, f.Second}, {cmbTimeZone_, f.Zone}};
    for (const auto& [list, position] : lists) list->setCurrentIndex(position);
    txtMCity_->setText(FromUtf8(f.City));
    txtMState_->setText(FromUtf8(f.State));
    txtMCountry_->setText(FromUtf8(f.Country));
    txtLonD_->setText(FromUtf8(f.LonDeg));
    txtLonM_->setText(FromUtf8(f.LonMin));
    optLong_[f.East ? 0 : 1]->setChecked(true);
    txtLatD_->setText(FromUtf8(f.LatDeg));
    txtLatM_->setText(FromUtf8(f.LatMin));
    optLat_[f.South ? 1 : 0]->setChecked(true);
    chkDST_->setChecked(f.DaylightSaving);
    chkPrecise_->setChecked(f.Mode == ComputationMode::Precise);
    chkTrueNode_->setChecked(f.Node == NodeKind::True);
    if (f.Mode == ComputationMode::Precise) ShowChartOptions(f.Options);
    places_->Restore(f);
    repeated_ = f.Repeated;
    services_.preferences.KeepDashaYear(f.DashaYearChoice);
    services_.preferences.KeepDashaSystem(f.DashaSystemChoice);
}

void frmMain::ShowChartOptions(const ChartOptions& options) {
    chartOptions_ = options;
    lblChartOptions_->setText(ChartOptionsText(options));
    cmdChartOptions_->setAccessibleDescription(lblChartOptions_->text());
}

void frmMain::ChooseChartOptions() {
    auto* dialog = new ChartOptionsDialog(chartOptions_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        ShowChartOptions(dialog->Options());
        services_.preferences.KeepChartOptions(chartOptions_);
    });
    dialog->open();
}

bool frmMain::OpenBirthFile(const QString& path, QWidget* over) {
    // The whole file is read and checked before anything on the form changes.
    const std::optional<FormFields> fields = ReadBirthFileShowing(path, services_.messenger, over ? over : this);
    if (!fields) return false;
    SetFields(*fields);
    RememberBirthFile(path);
    return true;
}

bool frmMain::SaveBirthFile(const QString& path, QWidget* over) {
    if (!WriteBirthFileAsking(path, Fields(), services_.messenger, over ? over : this)) return false;
    RememberBirthFile(path);
    return true;
}

void frmMain::RememberBirthFile(const QString& path) {
    RecentBirthFiles(services_.preferences).Add(path);
    mnuRecent_->Refill();
}

bool frmMain::OpenBirthData(QWidget* over) {
    const QString path = AskBirthFileToOpen(services_.files, over ? over : this);
    return !path.isEmpty() && OpenBirthFile(path, over);
}

void frmMain::SaveBirthData(QWidget* over) {
    QWidget* parent = over ? over : this;
    const QString path = AskBirthFileToSave(services_.files, parent, txtName_->text());
    if (!path.isEmpty()) SaveBirthFile(path, parent);
}

QWidget* frmMain::FieldWidget(FormField field) const {
    switch (field) {
    case FormField::None: return nullptr;
    case FormField::Name: return txtName_;
    case FormField::LonDeg: return txtLonD_;
    case FormField::LonMin: return txtLonM_;
    case FormField::LatDeg: return txtLatD_;
    case FormField::LatMin: return txtLatM_;
    case FormField::City: return txtMCity_;
    case FormField::State: return txtMState_;
    case FormField::Country: return txtMCountry_;
    }
    return nullptr;
}

void frmMain::ShowFailure(const ValidationResult& failure) {
    services_.messenger.Show(this, FromUtf8(failure.message), failure.icon);
    if (QWidget* field = FieldWidget(failure.focus)) field->setFocus(Qt::OtherFocusReason);
}

void frmMain::AnalyzeChart() {
    if (!places_->ConfirmNamedPlace(this)) return;
    std::optional<AnalyzeOutcome> result = Analyze(Fields(), services_, this);
    if (!result) return;
    if (!result->failure.Passed()) {
        ShowFailure(result->failure);
        return;
    }
    if (!result->chart) {
        services_.messenger.Show(this, FromUtf8(result->refusal), MessageIcon::Error);
        return;
    }
    // The box says what was used: for a time shown twice, the reading taken.
    places_->ShowDaylightSavingUsed(result->chart->birth.dst);
    emit analysisCompleted(std::move(result->chart));
}

void frmMain::LookUpPlace() {
    const PlaceLookupResult lookup = ComposePlaceSearch(ToUtf8(txtMCity_->text()), ToUtf8(txtMState_->text()),
                                                        ToUtf8(txtMCountry_->text()));
    if (!lookup.failure.Passed()) {
        ShowFailure(lookup.failure);
        return;
    }
    WebSearch search(services_.web);  // one per click
    search.Search(QString::fromStdString(lookup.searchText), WebPageAddress(WebPage::Home));
}

void frmMain::RequestExit() {
    // Once is enough: the shell's shutdown closes this window, which must not
    // ask again.
    if (exitRequested_) return;
    exitRequested_ = true;
    emit exitRequested();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        QWidget* degrees = watched == txtLonD_->parentWidget() ? txtLonD_
                           : watched == txtLatD_->parentWidget() ? txtLatD_
                                                                 : nullptr;
        if (degrees) {
            degrees->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    RequestExit();
}

}  // namespace velmora
