#pragma once
// The Jaimini page of the Chart menu: the chara karakas in the scheme chosen
// (eight with Rahu, or seven), the karakamsa, the birth chart with each
// sign's karakas in its cell in the chosen style, the signs each sign
// aspects (rashi drishti) and the argalas on each house with their
// obstructions (docs/jaimini.md).

#include <QWidget>

#include "chart/JaiminiReading.h"
#include "services/ChartStyleChoice.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace velmora {

class ChartView;
class Preferences;

class JaiminiPage : public QWidget {
    Q_OBJECT
public:
    // `style` and the scheme chosen here are kept for the next chart too.
    JaiminiPage(const Chart& chart, ChartStyleChoice& style, Preferences& preferences, QWidget* parent = nullptr);

    QLabel* lblSummary = nullptr;
    QComboBox* cboScheme = nullptr;
    QComboBox* cboStyle = nullptr;
    QTableWidget* tblKarakas = nullptr;
    QLabel* lblKarakamsa = nullptr;
    ChartView* chartKarakas = nullptr;
    QTableWidget* tblDrishti = nullptr;
    QTableWidget* tblArgala = nullptr;

    // Shows the karakas of `scheme`.
    void ShowScheme(KarakaScheme scheme);
    void FillSigns();  // the aspects and argala tables, in the windows' language

private:
    Chart chart_;
    Preferences& preferences_;
    JaiminiReading reading_;
};

}  // namespace velmora
