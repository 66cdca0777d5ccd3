#pragma once
// The main window: a frame with a title strip, a strip with Back and Exit and
// an advertising link, and the result form as its child window.

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>
#include <memory>

#include "chart/Chart.h"
#include "result/frmDisplay.h"
#include "services/Services.h"

class QAction;
class QFrame;
class QLabel;
class QMdiArea;
class QMenu;
class QPushButton;

namespace velmora {

class LinkLabel;
class RecentBirthFilesMenu;

class MDI : public QMainWindow {
    Q_OBJECT
public:
    // Loads a fresh result form made from `chart` and shows it inside the
    // frame; the Chart menu opens the chart's other pages.
    MDI(std::shared_ptr<const Chart> chart, Services services, QWidget* parent = nullptr);

    // Closes the window without asking for the program to end (Back, Shutdown).
    void Dismiss();

    frmDisplay* Display() const { return display_; }
    QMdiSubWindow* DisplayWindow() const { return displayWindow_; }

    QFrame* picTop = nullptr;
    QLabel* lblTitle = nullptr;
    QFrame* picCommands = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdExit = nullptr;
    LinkLabel* Label10 = nullptr;
    QMdiArea* area = nullptr;
    QAction* mnuBack = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuSave = nullptr;  // "Save Birth Data…": the birth the chart was computed from
    QAction* mnuOpen = nullptr;  // a birth file, whose chart then replaces this one
    QMenu* mnuChart = nullptr;   // the chart's pages beyond the result form
    QAction* mnuNakshatras = nullptr;
    RecentBirthFilesMenu* mnuRecent = nullptr;

signals:
    void backRequested();
    void saveRequested();
    void openRequested();                        // mnuOpen: the file is still to be chosen
    void openFileRequested(const QString& path);  // a recent birth file
    void exitRequested();
    void aboutRequested();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The layout rule, run on every change of size.
    void PlaceControls();
    // The result form fills the frame right of its left edge; the form gives
    // room beyond its designed size to the report first.
    void FillFrame();

    QPointer<frmDisplay> display_;
    QPointer<QMdiSubWindow> displayWindow_;
    bool dismissed_ = false;
};

}  // namespace velmora
