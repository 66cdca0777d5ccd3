// Pictures of the real windows for the manual, made by the build: the input
// form, the result window in either chart style, each page of the Chart menu
// and the chart options, rendered offscreen into the manual's images folder.
//
// Usage: velmora-manual-pictures BIRTH.velmora OUTDIR
// (CMake runs it with QT_QPA_PLATFORM=offscreen and the tests' DejaVu Sans
// font configuration, so that the pictures are the same on every machine.)
// The birth is shown with precise positions, matched with a second birth
// made here; "now" and "today" are fixed, so the dasha and the transits are
// those of one day whenever the build runs.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "birthfile/BirthFile.h"
#include "entry/ChartOptionsDialog.h"
#include "entry/frmMain.h"
#include "result/frmDisplay.h"
#include "result/MatchPage.h"
#include "result/frmVargas.h"
#include "services/ChartStyleChoice.h"
#include "services/Clock.h"
#include "services/FileDialogs.h"
#include "services/Messenger.h"
#include "services/Preferences.h"
#include "services/Services.h"
#include "services/WebLinks.h"
#include "shell/MDI.h"
#include "shell/MatchWith.h"
#include "shell/Shell.h"

using namespace velmora;

namespace {

// 15 January 2026, noon UT: the day the pictures show as "today".
constexpr double kNow = 2461056.0;

class QuietMessenger : public Messenger {
public:
    void Show(QWidget*, const QString& text, MessageIcon) override {
        std::fprintf(stderr, "velmora-manual-pictures: %s\n", qPrintable(text));
    }
    int Choose(QWidget*, const QString&, const QStringList&) override { return 0; }  // this chart's person is the bride
};

class NoBrowser : public WebOpener {
public:
    bool Open(const QUrl&) override { return false; }
};

class NoDialogs : public FileDialogs {
public:
    QString OpenFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString SaveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    bool PrintWithPreview(QWidget*, const std::function<void(QPrinter&)>&) override { return false; }
};

class FixedClock : public Clock {
public:
    CalendarDate Today() const override { return {2026, 1, 15}; }
    double NowJulianDayUT() const override { return kNow; }
};

// The choices as a new user has them.
class FirstStart : public Preferences {
public:
    bool PrecisePositions() const override { return true; }
    void SetPrecisePositions(bool) override {}
    ChartStyle KeptChartStyle() const override { return ChartStyle::South; }
    void KeepChartStyle(ChartStyle) override {}
    DashaSystem KeptDashaSystem() const override { return DashaSystem::Vimshottari; }
    void KeepDashaSystem(DashaSystem) override {}
    DashaYear KeptDashaYear() const override { return DashaYear::Julian; }
    void KeepDashaYear(DashaYear) override {}
};

// The groom of the match picture, a birth of the command line's example.
FormFields Groom() {
    FormFields f;
    f.Name = "RAVI KUMAR";
    f.Year = 1978 - kFirstYear;
    f.Month = 7;  // August
    f.Day = 13;   // the 14th
    f.Hour = 6;
    f.Minute = 30;
    f.City = "Chennai";
    f.State = "Tamil Nadu";
    f.Country = "India";
    f.LonDeg = "80";
    f.LonMin = "17";
    f.LatDeg = "13";
    f.LatMin = "5";
    f.Zone = 34;
    f.TimeZoneId = "Asia/Kolkata";
    f.Mode = ComputationMode::Precise;
    return f;
}

bool Save(QWidget* window, const QDir& out, const QString& name) {
    QApplication::processEvents();
    const QString file = out.filePath(name + QStringLiteral(".png"));
    if (!window || !window->grab().save(file)) {
        std::fprintf(stderr, "velmora-manual-pictures: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

// A page of the Chart menu, opened as a person opens it.
QWidget* OpenPage(MDI* main, const char* action, const char* page) {
    main->findChild<QAction*>(QLatin1String(action))->trigger();
    return main->findChild<QWidget*>(QLatin1String(page));
}

// Only what goes wrong is said: the offscreen platform's notes on what it
// does not do (raise a window, pass on size hints) are not.
void QuietNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "velmora-manual-pictures: %s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietNotes);
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmora-manual-pictures BIRTH.velmora OUTDIR\n");
        return 2;
    }
    const BirthFileRead birth = ReadBirthFile(argv[1]);
    if (!birth.Ok()) {
        std::fprintf(stderr, "velmora-manual-pictures: %s: %s\n", argv[1], birth.error.c_str());
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(out.path())) return 1;
    QTemporaryDir scratch;
    const QString groom = scratch.filePath(QStringLiteral("groom.velmora"));
    if (!scratch.isValid() || !WriteBirthFile(groom.toStdString(), Groom()).Ok()) return 1;

    QuietMessenger messenger;
    NoBrowser web;
    NoDialogs files;
    FixedClock clock;
    FirstStart preferences;
    ChartStyleChoice style;
    const Services services{messenger, web, files, clock, style, preferences};
    Shell shell(services, [](int) {});
    shell.Start();
    FormFields fields = birth.fields;
    fields.Mode = ComputationMode::Precise;
    shell.InputForm()->SetFields(fields);
    bool saved = Save(shell.InputForm(), out, QStringLiteral("input-form"));

    ChartOptionsDialog options(ChartOptions{}, shell.InputForm());
    options.show();
    saved &= Save(&options, out, QStringLiteral("chart-options"));
    options.hide();

    shell.InputForm()->AnalyzeChart();
    MDI* main = shell.MainWindow();
    if (!main) return 1;
    saved &= Save(main, out, QStringLiteral("result-window"));
    style.Choose(ChartStyle::North);
    saved &= Save(main, out, QStringLiteral("result-window-north"));
    style.Choose(ChartStyle::South);

    main->Display()->ShowVargas();
    saved &= Save(main->Display()->Vargas(), out, QStringLiteral("nakshatras"));
    const struct {
        const char* action;
        const char* page;
        const char* picture;
    } pages[] = {{"mnuVargas", "frmShodasavarga", "vargas"},         {"mnuBhavas", "frmBhavas", "bhavas"},
                 {"actDashas", "frmDashas", "dashas"},               {"mnuAshtakavarga", "AshtakavargaPage", "ashtakavarga"},
                 {"mnuPanchanga", "frmPanchanga", "panchanga"},      {"mnuTransits", "frmTransits", "transits"}};
    for (const auto& page : pages) {
        QWidget* shown = OpenPage(main, page.action, page.page);
        saved &= Save(shown, out, QLatin1String(page.picture));
        if (shown) shown->close();
    }
    saved &= Save(MatchWithFile(main, main->Display()->ShownChart(), groom, services), out, QStringLiteral("match"));
    shell.Shutdown();
    return saved ? 0 : 1;
}
