#include <QApplication>

#include "analysis/AnalysisRun.h"
#include "analysis/ChartStyle.h"
#include "shell/AppIcon.h"
#include "shell/Clock.h"
#include "shell/Messenger.h"
#include "shell/Shell.h"
#include "shell/SingleInstance.h"
#include "shell/WebLinks.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(velmora::VelmoraIcon());
    // Only Shutdown ends the program; Back hides one window before it shows
    // the other.
    QApplication::setQuitOnLastWindowClosed(false);

    velmora::QtMessenger messenger;
    velmora::SingleInstance instance;
    if (!velmora::ClaimSingleInstance(instance, messenger)) return 0;

    velmora::AnalysisRun run;
    velmora::DesktopWebOpener web;
    velmora::SystemClock clock;
    velmora::ChartStyleChoice chartStyle;  // kept while the program runs
    velmora::Shell shell(run, velmora::Services{messenger, web, clock, chartStyle});
    shell.Start();
    return QApplication::exec();
}
