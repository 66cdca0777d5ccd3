#include "result/SunriseChoice.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "widgets/Translated.h"

namespace velmora {

QComboBox* AddSunriseChoice(QBoxLayout* column, QWidget* page) {
    auto* row = new QHBoxLayout;
    auto* caption = Translated(new QLabel(page), QT_TRANSLATE_NOOP("Velmora", "&Sunrise:"));
    auto* box = new QComboBox(page);
    box->setObjectName(QStringLiteral("cboSunrise"));
    box->addItems({QString(), QString()});
    TranslateItems(box, {QT_TRANSLATE_NOOP("Velmora", "Upper limb with refraction (as almanacs print)"),
                         QT_TRANSLATE_NOOP("Velmora", "Centre of the disc without refraction")});
    Translate(box, QT_TRANSLATE_NOOP("Velmora", "Sunrise convention"), TextRole::AccessibleName);
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
