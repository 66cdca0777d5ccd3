#pragma once
// The program's windows and the way between them: the input form first, the
// main window with the results after each completed run, Back to the input
// form with its fields as they were, and Shutdown from Exit or a close box.

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "shell/MDI.h"
#include "services/Services.h"

class QWidget;

namespace velmora {

class frmMain;

class Shell : public QObject {
    Q_OBJECT
public:
    // Ends the process with a status; the program's own ends the event loop.
    using EndProgram = std::function<void(int status)>;

    explicit Shell(Services services, EndProgram end = {});
    ~Shell() override;

    // Shows the input form.
    void Start();

    frmMain* InputForm() const { return input_.get(); }
    // The main window while results are shown, else null.
    MDI* MainWindow() const { return main_; }
    bool Ended() const { return ended_; }

public slots:
    // After a chart was computed: hides the input form and shows a fresh
    // main window with it.
    void ShowResults(std::shared_ptr<const velmora::Chart> chart);
    // Closes the main window with its results and shows the input form again.
    void Back();
    // The About box, modal over `over`, until OK.
    void ShowAbout(QWidget* over);
    // The window now shown (the main window, else the input form) comes to
    // the front: a second start of the program asks for it.
    void BringToFront();
    // Closes every window, then ends the program with status 0.
    void Shutdown();

private:
    // A birth file opened from the main window: its fields go into the input
    // form and its chart replaces the one shown; when no chart comes of it,
    // the input form comes back with the file's fields.
    void OpenFromMainWindow(MDI* window, const QString& path);

    Services services_;
    EndProgram end_;
    std::unique_ptr<frmMain> input_;
    QPointer<MDI> main_;
    bool ended_ = false;
};

}  // namespace velmora
