#include <QApplication>
#include <QCommandLineParser>

#include "analysis/AnalysisRun.h"
#include "shell/AppIcon.h"
#include "shell/Messenger.h"
#include "shell/Shell.h"
#include "shell/SingleInstance.h"
#include "shell/WebLinks.h"

int main(int argc, char** argv) {
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

    velmora::QtMessenger messenger;
    velmora::SingleInstance instance;
    if (!velmora::ClaimSingleInstance(instance, messenger)) return 0;

    velmora::AnalysisRun run;
    velmora::DesktopWebOpener web;
    velmora::Shell shell(run, velmora::Services{messenger, web});
    shell.Start();
    return QApplication::exec();
}
