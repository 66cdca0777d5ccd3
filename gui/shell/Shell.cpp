#include "shell/Shell.h"

#include <QApplication>
#include <QWidget>

#include "chart/AnalysisRun.h"
#include "entry/frmMain.h"
#include "shell/MDI.h"
#include "shell/frmAbout.h"

namespace velmora {

Shell::Shell(AnalysisRun& run, Services services, EndProgram end)
    : run_(run), services_(services), end_(std::move(end)) {
    if (!end_) end_ = [](int status) { QCoreApplication::exit(status); };
    input_ = std::make_unique<frmMain>(run_, services_);
    connect(input_.get(), &frmMain::analysisCompleted, this, &Shell::ShowResults);
    connect(input_.get(), &frmMain::aboutRequested, this, [this] { ShowAbout(input_.get()); });
    connect(input_.get(), &frmMain::exitRequested, this, &Shell::Shutdown);
}

Shell::~Shell() { delete main_.data(); }

void Shell::Start() { input_->show(); }

void Shell::ShowResults() {
    if (ended_) return;
    if (main_) main_->Dismiss();  // only one main window at a time
    input_->hide();
    // The window is given the chart's numbers; its texts are made from them.
    auto* window = new MDI(std::make_shared<const Chart>(run_.MakeChart()), services_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &MDI::backRequested, this, &Shell::Back);
    connect(window, &MDI::saveRequested, this, [this, window] { input_->SaveBirthData(window); });
    connect(window, &MDI::openRequested, this, [this, window] { OpenFromMainWindow(window, QString()); });
    connect(window, &MDI::openFileRequested, this,
            [this, window](const QString& path) { OpenFromMainWindow(window, path); });
    connect(window, &MDI::exitRequested, this, &Shell::Shutdown);
    connect(window, &MDI::aboutRequested, this, [this, window] { ShowAbout(window); });
    main_ = window;
    window->show();
}

void Shell::OpenFromMainWindow(MDI* window, const QString& path) {
    if (ended_) return;
    const bool opened = path.isEmpty() ? input_->OpenBirthData(window) : input_->OpenBirthFile(path, window);
    if (!opened) return;
    input_->RunAnalysis();
    if (main_ == window) Back();  // no new chart: the form with the file's fields
}

void Shell::Back() {
    if (ended_) return;
    // The input form comes back first so that there is never a moment
    // without a window.
    input_->show();
    if (main_) main_->Dismiss();
    main_ = nullptr;
}

void Shell::ShowAbout(QWidget* over) {
    if (ended_) return;
    frmAbout about(services_.web, over);
    about.exec();
}

void Shell::BringToFront() {
    if (ended_) return;
    QWidget* shown = main_ && main_->isVisible() ? static_cast<QWidget*>(main_) : input_.get();
    if (shown->isMinimized()) shown->showNormal();
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void Shell::Shutdown() {
    if (ended_) return;
    ended_ = true;
    if (main_) main_->Dismiss();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != main_ && window->isVisible()) window->close();
    }
    input_->close();
    end_(0);
}

}  // namespace velmora
