#pragma once
// "Chart style:" and its chooser, as every chart page shows them: the
// South-Indian or the North-Indian style, keyboard-reachable by Alt+S.

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>

#include "presentation/ChartStyle.h"

namespace velmora {

inline QComboBox* AddChartStyleChooser(QBoxLayout* row, ChartStyle current, QWidget* parent) {
    auto* caption = new QLabel(QStringLiteral("Chart &style:"), parent);
    auto* chooser = new QComboBox(parent);
    chooser->setObjectName(QStringLiteral("cboStyle"));
    chooser->addItems({QStringLiteral("South-Indian (signs fixed)"), QStringLiteral("North-Indian (houses fixed)")});
    chooser->setCurrentIndex(current == ChartStyle::North ? 1 : 0);
    chooser->setAccessibleName(QStringLiteral("Chart style"));
    caption->setBuddy(chooser);
    row->addWidget(caption);
    row->addWidget(chooser);
    return chooser;
}

}  // namespace velmora
