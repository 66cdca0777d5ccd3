#include <QApplication>
#include <QCommandLineParser>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "services/ChartStyleChoice.h"
#include "services/LanguageChoice.h"
#include "entry/frmMain.h"
#include "shell/AppIcon.h"
#include "services/FileDialogs.h"
#include "shell/FirstPaint.h"
#include "shell/HeadlessExport.h"
#include "services/Clock.h"
#include "services/Messenger.h"
#include "services/Preferences.h"
#include "shell/Shell.h"
#include "shell/SingleInstance.h"
#include "shell/StartupProbe.h"
#include "services/WebLinks.h"

namespace {

constexpr const char* kHelp = R"(velmora: Vedic birth charts with their Graha Arudhas

Usage:
  velmora                              the input form and the chart windows
  velmora --export OUT BIRTHFILE [--paper a4|letter] [--scale N] [--chart-style south|north]
                 [--ashtakavarga-reading raman|rao] [--ashtakavarga-reduced]
                                       write the chart of a birth file without a window
  velmora --help | --version

  --export OUT BIRTHFILE
                 OUT.pdf: the chart, details, positions and report on pages
                 (A4 unless --paper letter); OUT.svg: the chart as SVG;
                 OUT.png: the chart as PNG at --scale 1-8 (default 2).
                 The chart is South-Indian unless --chart-style north.
                 The PDF's ashtakavarga follows B. V. Raman's reading of the
                 tables unless --ashtakavarga-reading rao; with
                 --ashtakavarga-reduced it adds the reduced tables and pindas.
                 BIRTHFILE is a .velmora file saved with File > Save Birth
                 Data or velmora-cli --save. Needs no display and runs
                 beside an open Velmora. The chart names the signs and
                 planets in the windows' language (the Language menu's
                 choice, else LC_ALL, LC_MESSAGES or LANG: hi, ta, te, kn).

Exit status of --export: 0 written, 2 a bad request or birth file (the
message on standard error), 1 the output could not be written.
)";

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << kHelp;
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "velmora " VELMORA_VERSION "\n";
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--export") == 0) {
        // No window and no display: the offscreen platform draws the pages,
        // and the single-instance rule does not apply.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // Standard error carries the export's own messages only; Qt's notes
        // about the missing desktop session are no concern of a script.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
        });
        std::vector<std::string> args(argv + 2, argv + argc);
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        // The charts in the language and digits the windows would show.
        const velmora::SettingsPreferences preferences;
        velmora::LanguageChoice language(velmora::StartingLanguage(
            QString::fromStdString(preferences.KeptLanguage()), velmora::SystemMessagesLocale()));
        language.ChooseNativeDigits(preferences.KeptNativeDigits());
        return velmora::RunHeadlessExport(args, std::cerr);
    }

    // An export asked for in a form --export does not take is a bad export
    // request, not an unknown option of the window.
    const std::string misplaced = velmora::MisplacedExportRequest(std::vector<std::string>(argv + 1, argv + argc));
    if (!misplaced.empty()) {
        std::cerr << "velmora --export: " << misplaced << '\n';
        return velmora::kExportRefused;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // The desktop entry's name: on Wayland the window's app id, which lets the
    // desktop match the windows to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
    {
        QCommandLineParser options;
        options.setApplicationDescription(
            QStringLiteral("Vedic birth charts with their arudha padas and a written report."));
        options.addHelpOption();
        options.addVersionOption();
        options.process(app);  // --help and --version answer and exit here
    }
    QApplication::setWindowIcon(velmora::VelmoraIcon());
    // Only Shutdown ends the program; Back hides one window before it shows
    // the other.
    QApplication::setQuitOnLastWindowClosed(false);

    velmora::SettingsPreferences preferences;
    // The windows' language: the one chosen last in the Language menu, else
    // the system's (LANG=hi_IN.UTF-8 starts in Hindi); kept once chosen.
    // Chosen before anything is said, even that the program already runs.
    velmora::LanguageChoice language(velmora::StartingLanguage(QString::fromStdString(preferences.KeptLanguage()),
                                                               velmora::SystemMessagesLocale()));

    velmora::QtMessenger messenger;
    velmora::SingleInstance instance;
    if (!velmora::ClaimSingleInstance(instance, messenger)) return 0;

    velmora::DesktopWebOpener web;
    velmora::QtFileDialogs files;
    velmora::SystemClock clock;
    // The chart style last chosen in any window, and whether the cells carry
    // degrees, kept per user between starts as soon as they are chosen.
    velmora::ChartStyleChoice chartStyle(preferences.KeptChartStyle(), preferences.KeptCellDegrees());
    chartStyle.Follow(&chartStyle, [&preferences](velmora::ChartStyle style) { preferences.KeepChartStyle(style); });
    QObject::connect(&chartStyle, &velmora::ChartStyleChoice::CellDegreesChosen,
                     [&preferences](bool shown) { preferences.KeepCellDegrees(shown); });
    QObject::connect(&language, &velmora::LanguageChoice::Changed, [&preferences](velmora::Language chosen) {
        preferences.KeepLanguage(velmora::InfoOf(chosen).code);
    });
    language.ChooseNativeDigits(preferences.KeptNativeDigits());
    QObject::connect(&language, &velmora::LanguageChoice::NativeDigitsChanged,
                     [&preferences](bool native) { preferences.KeepNativeDigits(native); });
    velmora::Shell shell(velmora::Services{messenger, web, files, clock, chartStyle, preferences});
    // The lock is ours since before the form was built; the socket on which a
    // later copy asks for the window can wait until the form is on screen.
    velmora::AfterFirstPaint::Run(shell.InputForm(), [&instance, &shell] {
        instance.ListenForLaterCopies([&shell] { shell.BringToFront(); });
    });
    velmora::StartupProbe::WatchFirstPaint(shell.InputForm());
    shell.Start();
    return QApplication::exec();
}
