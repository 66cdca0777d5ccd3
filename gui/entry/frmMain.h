#pragma once
// The input window: one person's birth data, the place look-up, and the
// command that starts an analysis run. Loaded once; the shell hides it while
// the results are shown and shows it again, fields intact, on "Back".

#include <QMainWindow>

#include "birth/FormFields.h"
#include "birth/InputValidation.h"
#include "services/Services.h"

#include <string>
#include <vector>

#include "atlas/Atlas.h"

class QAction;
class QMenu;
class QCompleter;
class QStringListModel;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmora {

class AnalysisRun;
class FilteredLineEdit;
class RecentBirthFilesMenu;
class LinkLabel;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(AnalysisRun& run, Services services, QWidget* parent = nullptr);

    FormFields Fields() const;  // the form's current state
    // Puts `fields` into the boxes and lists, as if typed and chosen.
    void SetFields(const FormFields& fields);

    // Birth files. Open: a refused file is a message and the form stays as
    // it was. Save: written whole or not at all. True when done.
    bool OpenBirthFile(const QString& path, QWidget* over = nullptr);
    bool SaveBirthFile(const QString& path, QWidget* over = nullptr);

    // The widget a failed check sends the keyboard focus to; nullptr for None.
    QWidget* FieldWidget(FormField field) const;

public slots:
    void RunAnalysis();  // cmdRashi and mnuNext
    // mnuOpen, and the main window's entry: asks for the file; true when opened.
    bool OpenBirthData(QWidget* over = nullptr);
    void SaveBirthData(QWidget* over = nullptr);  // mnuSave, and the main window's entry

signals:
    void analysisCompleted();  // run.Result now holds the new chart
    void aboutRequested();     // mnuAbout
    void exitRequested();      // mnuExit and the close box

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildForm();
    void LoadForm();
    void FitWrappedText();
    void SetTabOrder();
    void LookUpPlace();  // cmdBrowser
    void RequestExit();
    void ShowFailure(const ValidationResult& failure);

    // The place completer on City: matches as the user types; a chosen place
    // fills the names, the coordinates and the zone, and the form says in
    // words what offset it will use. The completer is built at the first
    // letters typed, not with the form.
    QCompleter* OfferingCompleter();
    void OfferPlaces(const QString& typed);
    void ChoosePlace(int row);
    void TakePlace(const AtlasEntry& place);
    void ForgetPlace();
    // City edited after a place was chosen: its coordinates and zone stay in
    // their boxes as typed values, its state and country go.
    void SetPlaceAside();
    // At Analyze: a City that names another atlas place than the typed
    // coordinates asks which to take. False when the person cancels.
    bool ConfirmNamedPlace();
    void UpdateZoneInfo();

public:
    // What the form shows about the chosen place's zone (empty without one).
    QString ZoneInfo() const;
    // The atlas's offers for City; none before the first letters typed there.
    QCompleter* PlaceCompleter() const { return placeCompleter_; }

private:

    AnalysisRun& run_;
    Services services_;
    RecentBirthFilesMenu* mnuRecent_ = nullptr;
    bool exitRequested_ = false;

    QLabel* lblDescription_ = nullptr;
    FilteredLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHH_ = nullptr;
    QComboBox* cboMM_ = nullptr;
    QComboBox* cboSS_ = nullptr;
    QLineEdit* txtMCity_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
    FilteredLineEdit* txtLonD_ = nullptr;
    FilteredLineEdit* txtLonM_ = nullptr;
    QRadioButton* optLong_[2] = {};
    FilteredLineEdit* txtLatD_ = nullptr;
    FilteredLineEdit* txtLatM_ = nullptr;
    QRadioButton* optLat_[2] = {};
    QComboBox* cmbTimeZone_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    QCheckBox* chkPrecise_ = nullptr;
    QCheckBox* chkTrueNode_ = nullptr;
    QLabel* lblZoneInfo_ = nullptr;
    QCompleter* placeCompleter_ = nullptr;
    QStringListModel* placeModel_ = nullptr;
    std::vector<AtlasEntry> placeMatches_;
    std::string chosenZone_;   // the chosen place's IANA zone; empty when typed by hand
    std::string chosenPlace_;  // its name as the atlas writes it
    bool coordinatesEdited_ = false;
    bool fillingFromPlace_ = false;
    bool placeSetAside_ = false;     // the zone line says so until a place is chosen again
    std::string coordinatesFrom_;    // the set-aside place the coordinates came from
    std::string placeState_, placeCountry_;  // what the chosen place put in State and Country
    QPushButton* cmdRashi_ = nullptr;
    QPushButton* cmdBrowser_ = nullptr;
    LinkLabel* Label61_ = nullptr;
    LinkLabel* lblCobrand_ = nullptr;
    LinkLabel* lblFullBrand_ = nullptr;
};

}  // namespace velmora
