#pragma once
// What the pages that reckon a day from the sunrise (the panchanga, the
// strengths) show alike: the sunrise convention to choose, and the note
// under their tables.

#include "ephemeris/SunriseSunset.h"

class QBoxLayout;
class QComboBox;
class QLabel;
class QWidget;

namespace velmora {

// A "Sunrise:" row with its box (the upper limb with refraction first), added to `column`.
QComboBox* AddSunriseChoice(QBoxLayout* column, QWidget* page);
SunriseConvention SunriseChosen(const QComboBox* box);

// A wrapped note reachable by Tab ("lblNote"), added to `column`.
QLabel* AddPageNote(QBoxLayout* column, QWidget* page);

}  // namespace velmora
