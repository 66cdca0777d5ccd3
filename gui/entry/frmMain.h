#pragma once
// The input window: one person's birth data, the place look-up, and the
// command that computes the chart. Loaded once; the shell hides it while
// the results are shown and shows it again, fields intact, on "Back".

#include <QMainWindow>
#include <memory>

#include "birth/FormFields.h"
#include "birth/InputValidation.h"
#include "chart/Chart.h"
#include "services/Services.h"


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

class FilteredLineEdit;
class RecentBirthFilesMenu;
class LinkLabel;
class PlacePicker;
class YearList;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Services services, QWidget* parent = nullptr);

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
    void AnalyzeChart();  // cmdRashi and mnuNext
    // mnuOpen, and the main window's entry: asks for the file; true when opened.
    bool OpenBirthData(QWidget* over = nullptr);
    void SaveBirthData(QWidget* over = nullptr);  // mnuSave, and the main window's entry

signals:
    void analysisCompleted(std::shared_ptr<const velmora::Chart> chart);  // the new chart
    void aboutRequested();     // mnuAbout
    void exitRequested();      // mnuExit and the close box

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildForm();
    void LoadForm();
    void FitWrappedText();  // FitFormTexts, and the window fitted on the screen
    void FitFormTexts();
    void SetTabOrder();
    void LookUpPlace();  // cmdBrowser
    void RequestExit();
    void ShowFailure(const ValidationResult& failure);
    void RememberBirthFile(const QString& path);  // on the Recent list, at once
    void ChooseChartOptions();                     // cmdChartOptions: the dialog, kept when accepted
    void ShowChartOptions(const ChartOptions& options);


public:
    // What the form shows about the chosen place's zone (empty without one).
    QString ZoneInfo() const;
    // The atlas's offers for City; none before the first letters typed there.
    QCompleter* PlaceCompleter() const;

private:

    Services services_;
    RecentBirthFilesMenu* mnuRecent_ = nullptr;
    bool exitRequested_ = false;

    QWidget* central_ = nullptr;  // the form, inside its scroll area
    QLabel* lblDescription_ = nullptr;
    FilteredLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    YearList* years_ = nullptr;  // cboYear_'s years, by the positions chosen
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
    // The ayanamsa, positions and houses: a button opening their dialog and
    // the choices in one line; both enabled with precise positions only.
    QPushButton* cmdChartOptions_ = nullptr;
    QLabel* lblChartOptions_ = nullptr;
    ChartOptions chartOptions_;
    // Which of a local time the clocks showed twice, as a birth file said;
    // forgotten when the date, time or zone changes.
    RepeatedHour repeated_ = RepeatedHour::Unresolved;
    QLabel* lblZoneInfo_ = nullptr;
    PlacePicker* places_ = nullptr;
    QPushButton* cmdRashi_ = nullptr;
    QPushButton* cmdBrowser_ = nullptr;
    LinkLabel* Label61_ = nullptr;
    LinkLabel* lblCobrand_ = nullptr;
    LinkLabel* lblFullBrand_ = nullptr;
};

}  // namespace velmora
