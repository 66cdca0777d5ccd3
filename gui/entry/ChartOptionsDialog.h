#pragma once
// The precise chart's choices, asked from the input form: the ayanamsa (a
// custom one as a value on a date), apparent or true positions, and the
// houses beside the signs.

#include <QDialog>

#include "birth/ChartOptions.h"

class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;

namespace velmora {

class ChartOptionsDialog : public QDialog {
    Q_OBJECT
public:
    ChartOptionsDialog(const ChartOptions& options, QWidget* parent = nullptr);

    // The choices as the dialog shows them now.
    ChartOptions Options() const;

    QComboBox* cboAyanamsa = nullptr;
    QDateEdit* dateCustom = nullptr;       // a custom ayanamsa's date (0 h UT)
    QDoubleSpinBox* spinCustom = nullptr;  // its mean value then, degrees
    QComboBox* cboPositions = nullptr;
    QComboBox* cboHouses = nullptr;
};

// "Lahiri, apparent positions, whole-sign houses": the choices in one line for the form.
QString ChartOptionsText(const ChartOptions& options);

}  // namespace velmora
