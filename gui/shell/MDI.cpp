#include "shell/MDI.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "result/frmDisplay.h"
#include "entry/RecentBirthFiles.h"
#include "shell/AppIcon.h"
#include "shell/ChartOutput.h"
#include "shell/ChartPages.h"
#include "widgets/HelpMenu.h"
#include "widgets/QuitKeys.h"
#include "widgets/ScreenFit.h"
#include "widgets/LinkLabel.h"
#include "widgets/LocaleTimes.h"
#include "widgets/Translated.h"
#include "widgets/Twips.h"
#include "services/WebLinks.h"
#include "widgets/ProgramTitle.h"

namespace velmora {

namespace {

constexpr int kButtonWidth = 1335, kButtonHeight = 400;  // twips
constexpr int kExitInset = 300;                           // Exit's right edge inside the frame
constexpr int kButtonGap = 100;                           // between Back and Exit
constexpr int kTitleHeight = 660, kCommandsHeight = 600;
constexpr int kOpeningWidth = 1200;                       // pixels, when the screen has them
constexpr int kOpeningReportLines = 25;

QFrame* MakeStrip(QWidget* parent, const char* name, int heightTwips, const QColor& background) {
    auto* strip = new QFrame(parent);
    strip->setObjectName(QLatin1String(name));
    strip->setFixedHeight(TwipsToPixels(heightTwips));
    strip->setAutoFillBackground(true);
    QPalette p = strip->palette();
    p.setColor(QPalette::Window, background);
    strip->setPalette(p);
    return strip;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(parent);
    Translate(button, caption);
    button->setObjectName(QLatin1String(name));
    button->resize(TwipsToPixels(kButtonWidth), TwipsToPixels(kButtonHeight));
    return button;
}

}  // namespace

MDI::MDI(std::shared_ptr<const Chart> chart, Services services, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(ProgramTitle());
    setWindowIcon(VelmoraIcon());

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    picTop = MakeStrip(central, "picTop", kTitleHeight, QColor(0x80, 0, 0));
    lblTitle = new QLabel(picTop);
    Translate(lblTitle, QT_TRANSLATE_NOOP("Velmora", "Velmora Interpretation"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringLiteral("Verdana"));
    titleFont.setStyleHint(QFont::SansSerif);
    titleFont.setPointSizeF(15.75);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    QPalette titlePalette = lblTitle->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::white);
    lblTitle->setPalette(titlePalette);
    auto* titleRow = new QVBoxLayout(picTop);
    titleRow->setContentsMargins(TwipsToPixels(240), 0, 0, 0);
    titleRow->addWidget(lblTitle);
    column->addWidget(picTop);

    picCommands = MakeStrip(central, "picCommands", kCommandsHeight, palette().color(QPalette::Window));
    picCommands->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    Label10 = new LinkLabel(QString(), services.web, WebPage::BrandedEdition, picCommands);
    Translate(Label10, QT_TRANSLATE_NOOP("Velmora", "Home Business Opportunity. Start your own Internet business and "
                                                    "make money online. Get this software fully branded for your "
                                                    "website. Click here for more details."));
    Label10->setObjectName(QStringLiteral("Label10"));
    cmdBack = MakeButton(picCommands, "cmdBack", QT_TRANSLATE_NOOP("Velmora", "&Back"));
    cmdExit = MakeButton(picCommands, "cmdExit", QT_TRANSLATE_NOOP("Velmora", "E&xit"));
    // A larger font than designed: the buttons and their strip grow with it.
    for (QPushButton* button : {cmdBack, cmdExit}) button->resize(button->size().expandedTo(button->sizeHint()));
    picCommands->setFixedHeight(std::max(picCommands->height(), cmdExit->height() + 6));
    picTop->setFixedHeight(std::max(picTop->height(), lblTitle->sizeHint().height() + 4));
    column->addWidget(picCommands);

    area = new QMdiArea(central);
    area->setObjectName(QStringLiteral("mdiArea"));
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    column->addWidget(area, 1);
    setCentralWidget(central);

    QMenu* file = menuBar()->addMenu(QString());
    Translate(file, QT_TRANSLATE_NOOP("Velmora", "&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuOpen = file->addAction(QString());
    Translate(mnuOpen, QT_TRANSLATE_NOOP("Velmora", "&Open Birth Data…"));
    mnuOpen->setObjectName(QStringLiteral("mnuOpen"));
    mnuOpen->setShortcut(QKeySequence::Open);
    connect(mnuOpen, &QAction::triggered, this, &MDI::openRequested);
    mnuSave = file->addAction(QString());
    Translate(mnuSave, QT_TRANSLATE_NOOP("Velmora", "Save Birth Data…"));
    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    mnuSave->setShortcut(QKeySequence::Save);
    connect(mnuSave, &QAction::triggered, this, &MDI::saveRequested);
    mnuRecent = new RecentBirthFilesMenu(file, this, services.messenger, services.preferences,
                                         [this](const QString& path) { emit openFileRequested(path); });
    file->addSeparator();
    AddChartOutputActions(file, this, chart, services);
    file->addSeparator();
    mnuBack = file->addAction(QString());
    Translate(mnuBack, QT_TRANSLATE_NOOP("Velmora", "&Back"));
    mnuBack->setObjectName(QStringLiteral("mnuBack"));
    // Alt+Left, as in a browser; Backspace too, as nothing here is typed into.
    mnuBack->setShortcuts({QKeySequence(QKeySequence::Back), QKeySequence(Qt::Key_Backspace)});
    mnuExit = file->addAction(QString());
    Translate(mnuExit, QT_TRANSLATE_NOOP("Velmora", "E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuExit->setShortcuts(QuitKeys());
    mnuChart = menuBar()->addMenu(QString());
    Translate(mnuChart, QT_TRANSLATE_NOOP("Velmora", "&Chart"));
    mnuChart->setObjectName(QStringLiteral("mnuChart"));
    mnuNakshatras = mnuChart->addAction(QString());
    Translate(mnuNakshatras, QT_TRANSLATE_NOOP("Velmora", "&Nakshatras, Dasha, Navamsa…"));
    mnuNakshatras->setObjectName(QStringLiteral("mnuNakshatras"));
    connect(mnuNakshatras, &QAction::triggered, this, [this] {
        if (display_) display_->ShowVargas();
    });
    AddChartPages(mnuChart, this, chart, services);
    AddHelpMenus(menuBar(), services, [this] { emit aboutRequested(); });

    connect(cmdBack, &QPushButton::clicked, this, &MDI::backRequested);
    connect(mnuBack, &QAction::triggered, this, &MDI::backRequested);
    connect(cmdExit, &QPushButton::clicked, this, &MDI::exitRequested);
    connect(mnuExit, &QAction::triggered, this, &MDI::exitRequested);

    // Loading: the result form inside the frame, the chart visible and in
    // front, the details in front of it.
    auto* display = new frmDisplay(chart, services);
    display_ = display;
    displayWindow_ = area->addSubWindow(display);
    displayWindow_->setWindowIcon(windowIcon());
    displayWindow_->resize(displayWindow_->sizeHint());
    displayWindow_->show();
    display->fraBirthchart->setVisible(true);
    display->fraBirthchart->raise();
    display->fraDetails->raise();
    // A screen reader starts with the chart: the first sign has the focus.
    display->signLabels[0]->setFocus(Qt::OtherFocusReason);

    area->viewport()->installEventFilter(this);

    // Tall enough for the chart and a good page of the report, as far as the
    // screen allows.
    const int chrome = menuBar()->sizeHint().height() + picTop->height() + picCommands->height() +
                       (displayWindow_->height() - display->height());
    const DisplayLayout& designed = display->Layout();
    const double formHeight = designed.ReportBox.Top + kOpeningReportLines * display->ReportLineHeight() +
                              display->ReportChrome() + (designed.Height - designed.ReportBox.Bottom());
    FitOnScreen(this, QSize(kOpeningWidth, chrome + TwipsToPixels(formHeight)));
    PlaceControls();
}

void MDI::Dismiss() {
    dismissed_ = true;
    close();
}

void MDI::PlaceControls() {
    // Every step stands on its own: one that cannot be carried out (no child
    // window any more, a frame too small while minimised) leaves the rest.
    const double frameWidth = PixelsToTwips(width());
    if (displayWindow_) {
        displayWindow_->move(TwipsToPixels(frameWidth / 8), displayWindow_->y());
    }
    FillFrame();
    const double exitWidth = PixelsToTwips(cmdExit->width());
    const double exitLeft = frameWidth - exitWidth - kExitInset;
    const double backLeft = exitLeft - exitWidth - kButtonGap;
    const int buttonTop = (picCommands->height() - cmdExit->height()) / 2;
    cmdExit->move(TwipsToPixels(exitLeft), buttonTop);
    cmdBack->move(TwipsToPixels(backLeft), buttonTop);

    const int margin = TwipsToPixels(120);
    const int linkWidth = cmdBack->x() - 2 * margin;
    if (linkWidth > 0) {
        // The strip grows to the link's lines at its width.
        const int linkHeight = Label10->heightForWidth(linkWidth);
        if (linkHeight + 4 > picCommands->height()) picCommands->setFixedHeight(linkHeight + 4);
        Label10->setGeometry(margin, 2, linkWidth, picCommands->height() - 4);
        Label10->show();
    } else {
        Label10->hide();
    }
}

void MDI::FillFrame() {
    if (!displayWindow_) return;
    // A frame narrower than the form shows it at its designed size, to be
    // scrolled; one at least as wide gives it all its room.
    // A frame lower than the form's designed height gives it what there is,
    // down to the lowest it shows whole at.
    const QSize smallest = displayWindow_->minimumSizeHint();
    const QSize room = area->viewport()->size() - QSize(displayWindow_->x(), displayWindow_->y());
    displayWindow_->resize(room.width() < smallest.width() ? displayWindow_->sizeHint() : room.expandedTo(smallest));
}

bool MDI::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area->viewport() && event->type() == QEvent::Resize) FillFrame();
    return QMainWindow::eventFilter(watched, event);
}

void MDI::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || !cmdExit) return;
    // The buttons grow to a longer caption, and the strips with them.
    for (QPushButton* button : {cmdBack, cmdExit}) button->resize(button->size().expandedTo(button->sizeHint()));
    picCommands->setFixedHeight(std::max(picCommands->height(), cmdExit->height() + 6));
    picTop->setFixedHeight(std::max(picTop->height(), lblTitle->sizeHint().height() + 4));
    PlaceControls();
    // The strips' new heights move the frame's area down now, not at the next turn of the event loop.
    if (QLayout* column = centralWidget()->layout()) column->activate();
}

void MDI::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    PlaceControls();
}

void MDI::closeEvent(QCloseEvent* event) {
    // Back and Shutdown dismiss the window; any other way of closing it (the
    // close box, the system menu) ends the program.
    event->accept();
    if (!dismissed_) {
        dismissed_ = true;
        emit exitRequested();
    }
}

}  // namespace velmora
