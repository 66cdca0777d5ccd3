#pragma once
// The form's year list: the years the chosen positions can be computed for,
// 1901–2050 for the classic engine and 1800–2399 (the Swiss Ephemeris
// files' years) for precise positions. Changing the positions keeps the
// year chosen; a year the other list lacks stands in as the nearest it has,
// the person is told, and coming back brings the year back unless another
// was chosen meanwhile.

#include <QObject>
#include <QString>

#include "birth/ChartMode.h"

class QComboBox;

namespace velmora {

class YearList : public QObject {
    Q_OBJECT
public:
    // Fills `list` with the years of `mode` and chooses 1901; owned by the list.
    YearList(QComboBox* list, ComputationMode mode);

    int Year() const;  // the year chosen

    // The years of `mode`, the year chosen kept. Returns what the person is
    // told when it cannot be kept, empty otherwise.
    QString ShowYearsOf(ComputationMode mode);

    // The years of `mode` with `year` chosen (one of them), as a birth file
    // or another form sets them.
    void Choose(ComputationMode mode, int year);

private:
    void Fill(ComputationMode mode, int year);

    QComboBox* list_;
    int first_ = 0;     // the list's first year
    int setAside_ = 0;  // a year the list lacks, waiting to come back; 0: none
    int standIn_ = 0;   // the year shown for it
};

}  // namespace velmora
