// Time from pressing "Analyze My Graha Arudha" to the main window painted
// with the chart and its report, through the program's own windows, and the
// program's resident memory with a chart shown. A measurement, not a test:
// it prints numbers and fails only if the windows do not appear.
//
//   QT_QPA_PLATFORM=offscreen build/bench/velmora-gui-bench [runs]

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "services/ChartStyleChoice.h"
#include "result/frmDisplay.h"
#include "entry/frmMain.h"
#include "services/Preferences.h"
#include "shell/MDI.h"
#include "services/Clock.h"
#include "services/FileDialogs.h"
#include "services/Messenger.h"
#include "shell/Shell.h"
#include "services/WebLinks.h"

using namespace velmora;

namespace {

// Kilobytes of the process's resident memory (VmRSS).
long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Records when the chart frame and the report have both been painted.
class PaintWatch : public QObject {
public:
    bool chart = false, report = false;
    void Watch(frmDisplay* display) {
        chart = report = false;
        display->fraBirthchart->installEventFilter(this);
        display->RTB->viewport()->installEventFilter(this);
        chartObject_ = display->fraBirthchart;
        reportObject_ = display->RTB->viewport();
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            if (watched == chartObject_) chart = true;
            if (watched == reportObject_) report = true;
        }
        return false;
    }

private:
    QObject* chartObject_ = nullptr;
    QObject* reportObject_ = nullptr;
};

void Type(frmMain* form, const char* name, const QString& text) {
    form->findChild<QLineEdit*>(QLatin1String(name))->setText(text);
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

}  // namespace

// The form as at a first start, whatever this user chose before.
class FirstStartPreferences : public Preferences {
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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    QtMessenger messenger;
    DesktopWebOpener web;
    QtFileDialogs files;
    SystemClock clock;
    ChartStyleChoice chartStyle;
    FirstStartPreferences preferences;  // never the user's own settings
    Shell shell(Services{messenger, web, files, clock, chartStyle, preferences}, [](int) {});
    shell.Start();
    frmMain* form = shell.InputForm();
    Type(form, "txtName", QStringLiteral("ASHA RAO"));
    Type(form, "txtMCity", QStringLiteral("Bangalore"));
    Type(form, "txtLonD", QStringLiteral("77"));
    Type(form, "txtLonM", QStringLiteral("35"));
    Type(form, "txtLatD", QStringLiteral("12"));
    Type(form, "txtLatM", QStringLiteral("58"));
    auto* analyze = form->findChild<QPushButton*>(QStringLiteral("cmdRashi"));
    QCoreApplication::processEvents();
    const long startKb = ResidentKb();

    PaintWatch watch;
    std::vector<double> ms;
    long shownKb = 0;
    for (int i = 0; i <= runs; ++i) {  // the first run warms up and is not counted
        QElapsedTimer clock;
        clock.start();
        analyze->click();
        MDI* window = shell.MainWindow();
        if (!window) {
            std::fprintf(stderr, "the main window did not open\n");
            return 1;
        }
        watch.Watch(window->Display());
        while (!(watch.chart && watch.report)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (clock.elapsed() > 10000) {
                std::fprintf(stderr, "the main window was not painted within 10 s\n");
                return 1;
            }
        }
        const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (i > 0) ms.push_back(elapsed);
        if (i == runs) {
            shownKb = ResidentKb();
            break;
        }
        shell.Back();
        // The closed window is deleted later: let that happen, as the event loop would.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    std::printf("Analyze to painted main window, %d runs: median %.1f ms, 10%% %.1f ms, 90%% %.1f ms\n", runs,
                Percentile(ms, 0.5), Percentile(ms, 0.1), Percentile(ms, 0.9));
    std::printf("Windows alive at the end: %lld\n", static_cast<long long>(QApplication::topLevelWidgets().size()));
    std::printf("Resident memory: %.1f MB at the input form, %.1f MB with a chart shown (after %d charts)\n",
                static_cast<double>(startKb) / 1024, static_cast<double>(shownKb) / 1024, runs + 1);
    return 0;
}
