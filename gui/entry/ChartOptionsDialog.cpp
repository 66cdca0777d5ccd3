#include "entry/ChartOptionsDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "presentation/Phrases.h"
#include "services/LanguageChoice.h"
#include "widgets/Utf8Text.h"
#include "widgets/WholeDateTyping.h"
#include "widgets/Translated.h"

namespace velmora {

namespace {

constexpr double kCustomLimit = 90;

QComboBox* List(const QString& name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    return list;
}

// A row of the form, its caption translated and naming `field` for Alt and a screen reader.
void Row(QFormLayout* form, const char* caption, QWidget* field, const char* spoken) {
    auto* label = Translated(new QLabel(field->parentWidget()), caption);
    label->setBuddy(field);
    Translate(field, spoken, TextRole::AccessibleName);
    form->addRow(label, field);
}

}  // namespace

QString ChartOptionsText(const ChartOptions& options) {
    QString text = FromUtf8(AyanamsaDisplayName(options.ayanamsa));
    if (options.ayanamsa == AyanamsaKind::Custom)
        text += QStringLiteral(" (%1)").arg(QString::fromStdString(CustomAyanamsaText(options.custom)));
    text += options.positions == PositionKind::True ? Tr(QT_TRANSLATE_NOOP("Velmora", ", true positions"))
                                                    : Tr(QT_TRANSLATE_NOOP("Velmora", ", apparent positions"));
    const Language language = LanguageChoice::Current();
    const QString houses = FromUtf8(SayIfPhrase(language, HouseSystemDisplayName(options.houses)));
    text += Tr(QT_TRANSLATE_NOOP("Velmora", ", %1 houses")).arg(language == Language::English ? houses.toLower() : houses);
    return text;
}

ChartOptionsDialog::ChartOptionsDialog(const ChartOptions& options, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ChartOptionsDialog"));
    Translate(this, QT_TRANSLATE_NOOP("Velmora", "Ayanamsa and Houses"), TextRole::WindowTitle);
    auto* form = new QFormLayout;

    cboAyanamsa = List(QStringLiteral("cboAyanamsa"), this);
    for (int k = 0; k < kAyanamsaKinds; ++k)
        cboAyanamsa->addItem(FromUtf8(AyanamsaDisplayName(static_cast<AyanamsaKind>(k))));
    Row(form, QT_TRANSLATE_NOOP("Velmora", "&Ayanamsa:"), cboAyanamsa, QT_TRANSLATE_NOOP("Velmora", "Ayanamsa"));

    dateCustom = new QDateEdit(this);
    dateCustom->setObjectName(QStringLiteral("dateCustom"));
    dateCustom->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateCustom->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    new WholeDateTyping(dateCustom);
    Row(form, QT_TRANSLATE_NOOP("Velmora", "Custom &date (0 h UT):"), dateCustom,
        QT_TRANSLATE_NOOP("Velmora", "Custom ayanamsa: its date, 0 h Universal Time"));
    spinCustom = new QDoubleSpinBox(this);
    spinCustom->setObjectName(QStringLiteral("spinCustom"));
    spinCustom->setDecimals(6);
    spinCustom->setRange(-kCustomLimit, kCustomLimit);
    spinCustom->setSuffix(QStringLiteral("\u00B0"));
    Row(form, QT_TRANSLATE_NOOP("Velmora", "Custom &value (mean):"), spinCustom,
        QT_TRANSLATE_NOOP("Velmora", "Custom ayanamsa: its mean value on that date, in degrees"));

    cboPositions = List(QStringLiteral("cboPositions"), this);
    cboPositions->addItems({QString(), QString()});
    TranslateItems(cboPositions, {QT_TRANSLATE_NOOP("Velmora", "Apparent (light time, aberration, nutation)"),
                                  QT_TRANSLATE_NOOP("Velmora", "True (geometric)")});
    Row(form, QT_TRANSLATE_NOOP("Velmora", "&Positions:"), cboPositions, QT_TRANSLATE_NOOP("Velmora", "Positions"));

    cboHouses = List(QStringLiteral("cboHouses"), this);
    cboHouses->addItems({QString(), QString(), QString(), QString()});
    TranslateItems(cboHouses, {QT_TRANSLATE_NOOP("Velmora", "Whole signs"), QT_TRANSLATE_NOOP("Velmora", "Sripati"),
                               QT_TRANSLATE_NOOP("Velmora", "Placidus (KP)"),
                               QT_TRANSLATE_NOOP("Velmora", "Equal, from the ascendant")});
    Row(form, QT_TRANSLATE_NOOP("Velmora", "&Houses:"), cboHouses, QT_TRANSLATE_NOOP("Velmora", "Houses"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    cboAyanamsa->setCurrentIndex(static_cast<int>(options.ayanamsa));
    dateCustom->setDate(QDate(options.custom.year, options.custom.month, options.custom.day));
    spinCustom->setValue(options.custom.degrees);
    cboPositions->setCurrentIndex(options.positions == PositionKind::True ? 1 : 0);
    cboHouses->setCurrentIndex(static_cast<int>(options.houses));
    auto customShown = [this](int index) {
        const bool custom = index == static_cast<int>(AyanamsaKind::Custom);
        dateCustom->setEnabled(custom);
        spinCustom->setEnabled(custom);
    };
    customShown(cboAyanamsa->currentIndex());
    connect(cboAyanamsa, &QComboBox::currentIndexChanged, this, customShown);
}

ChartOptions ChartOptionsDialog::Options() const {
    ChartOptions options;
    options.ayanamsa = static_cast<AyanamsaKind>(cboAyanamsa->currentIndex());
    const QDate date = dateCustom->date();
    options.custom = {date.year(), date.month(), date.day(), spinCustom->value()};
    options.positions = cboPositions->currentIndex() == 1 ? PositionKind::True : PositionKind::Apparent;
    options.houses = static_cast<HouseSystem>(cboHouses->currentIndex());
    return options;
}

}  // namespace velmora
