#pragma once
// The Yogas page of the Chart menu: the yogas of the catalogue present in the
// varga chosen (D1 first), each with the planets forming it, its kind and
// its book and chapter, and the doshas of the birth chart: the Mars dosha
// from the ascendant, the Moon and Venus with its exceptions, Kala Sarpa,
// Kemadruma with its cancellations (docs/yogas.md).

#include <QWidget>

#include "chart/YogaReading.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace velmora {

class YogasPage : public QWidget {
    Q_OBJECT
public:
    explicit YogasPage(const Chart& chart, QWidget* parent = nullptr);

    QLabel* lblSummary = nullptr;
    QComboBox* cboVarga = nullptr;
    QTableWidget* tblYogas = nullptr;
    QLabel* lblDoshas = nullptr;

    // Shows the yogas of `varga` (a position in AllVargas()).
    void ShowVarga(int varga);
    void ShowDoshas();

private:
    Chart chart_;
};

}  // namespace velmora
