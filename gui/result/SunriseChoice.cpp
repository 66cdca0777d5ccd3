#include "result/SunriseChoice.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace velmora {

QComboBox* AddSunriseChoice(QBoxLayout* column, QWidget* page) {
    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("&Sunrise:"), page);
    auto* box = new QComboBox(page);
    box->setObjectName(QStringLiteral("cboSunrise"));
    box->addItems({QStringLiteral("Upper limb with refraction (as almanacs print)"),
                   QStringLiteral("Centre of the disc without refraction")});
    box->setAccessibleName(QStringLiteral("Sunrise convention"));
    caption->setBuddy(box);
    row->addWidget(caption);
    row->addWidget(box);
    row->addStretch(1);
    column->addLayout(row);
    return box;
}

SunriseConvention SunriseChosen(const QComboBox* box) {
    return box->currentIndex() == 1 ? SunriseConvention::DiscCentre : SunriseConvention::UpperLimbRefracted;
}

QLabel* AddPageNote(QBoxLayout* column, QWidget* page) {
    auto* note = new QLabel(page);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setWordWrap(true);
    note->setFocusPolicy(Qt::TabFocus);
    column->addWidget(note);
    return note;
}

}  // namespace velmora
