#include "entry/PlacePicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringListModel>

#include "atlas/PlaceCoordinates.h"
#include "atlas/PlaceLookup.h"
#include "birth/ZonePreview.h"
#include "presentation/ChartNotes.h"
#include "services/LanguageChoice.h"
#include "services/Messenger.h"
#include "widgets/Utf8Text.h"
#include "widgets/Translated.h"

namespace velmora {

PlacePicker::PlacePicker(const PlaceBoxes& boxes, std::function<FormFields()> fields, Messenger& messenger,
                         QObject* parent)
    : QObject(parent), boxes_(boxes), fields_(std::move(fields)), messenger_(messenger) {
    // The zone line in the language and digits chosen since.
    OnLanguageChange(this, [this] { ShowZoneLine(false); });
}

void PlacePicker::Watch(std::initializer_list<QComboBox*> dateAndTime) {
    connect(boxes_.city, &QLineEdit::textEdited, this, &PlacePicker::Offer);
    connect(boxes_.precise, &QCheckBox::toggled, this, &PlacePicker::UpdateZoneInfo);
    // A chosen place's offset depends on the date and time of birth.
    for (QComboBox* list : dateAndTime)
        connect(list, qOverload<int>(&QComboBox::currentIndexChanged), this, &PlacePicker::UpdateZoneInfo);
    // Coordinates typed by hand after a place was chosen are the user's.
    for (QLineEdit* box : {boxes_.lonDegrees, boxes_.lonMinutes, boxes_.latDegrees, boxes_.latMinutes})
        connect(box, &QLineEdit::textEdited, this, [this] {
            if (filling_ || zone_.empty()) return;
            coordinatesEdited_ = true;
            UpdateZoneInfo();
        });
    for (QRadioButton* option : {boxes_.east, boxes_.west, boxes_.north, boxes_.south})
        connect(option, &QRadioButton::clicked, this, [this] {
            if (zone_.empty()) return;
            coordinatesEdited_ = true;
            UpdateZoneInfo();
        });
    // Choosing the zone or daylight saving by hand sets the place's zone aside.
    connect(boxes_.zoneList, qOverload<int>(&QComboBox::activated), this, [this] {
        if (!filling_) Forget();
    });
    connect(boxes_.daylightSaving, &QCheckBox::clicked, this, [this] {
        if (!filling_) Forget();
    });
}

QCompleter* PlacePicker::OfferingCompleter() {
    if (completer_) return completer_;
    model_ = new QStringListModel(this);
    completer_ = new QCompleter(model_, this);
    completer_->setObjectName(QStringLiteral("placeCompleter"));
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(10);
    boxes_.city->setCompleter(completer_);
    // Queued: the line edit takes the completion's text after this signal
    // (it connects on every focus-in), and the place's own name must win.
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { Choose(index.row()); }, Qt::QueuedConnection);
    return completer_;
}

void PlacePicker::Offer(const QString& typed) {
    // Typing a new name sets the place chosen before aside.
    if (!zone_.empty()) SetAside();
    matches_ = Atlas::Search(typed.toStdString(), 10);
    QStringList names;
    for (const AtlasEntry& place : matches_) {
        QString name = QString::fromStdString(Atlas::DisplayName(place));
        if (!place.MatchedAlias.empty()) name += QStringLiteral(" (%1)").arg(FromUtf8(place.MatchedAlias));
        names << name;
    }
    QCompleter* completer = OfferingCompleter();
    model_->setStringList(names);
    if (!names.isEmpty()) completer->complete();
}

void PlacePicker::Choose(int row) {
    if (row < 0 || row >= static_cast<int>(matches_.size())) return;
    Take(matches_[static_cast<std::size_t>(row)]);
}

void PlacePicker::Take(const AtlasEntry& place) {
    filling_ = true;
    boxes_.city->setText(FromUtf8(place.Name));
    boxes_.state->setText(FromUtf8(place.State));
    boxes_.country->setText(FromUtf8(place.Country));
    FormFields coordinates;
    FillCoordinateFields(place, coordinates);
    boxes_.lonDegrees->setText(FromUtf8(coordinates.LonDeg));
    boxes_.lonMinutes->setText(FromUtf8(coordinates.LonMin));
    (coordinates.East ? boxes_.east : boxes_.west)->setChecked(true);
    boxes_.latDegrees->setText(FromUtf8(coordinates.LatDeg));
    boxes_.latMinutes->setText(FromUtf8(coordinates.LatMin));
    (coordinates.South ? boxes_.south : boxes_.north)->setChecked(true);
    zone_ = std::string(place.TimeZone);
    place_ = Atlas::DisplayName(place);
    placeLatitude_ = place.Latitude;
    placeLongitude_ = place.Longitude;
    placeState_ = std::string(place.State);
    placeCountry_ = std::string(place.Country);
    coordinatesEdited_ = false;
    setAside_ = false;
    coordinatesFrom_.clear();
    filling_ = false;
    UpdateZoneInfo();
}

void PlacePicker::Forget() {
    zone_.clear();
    place_.clear();
    placeLatitude_.reset();
    placeLongitude_.reset();
    placeState_.clear();
    placeCountry_.clear();
    coordinatesEdited_ = false;
    setAside_ = false;
    coordinatesFrom_.clear();
    boxes_.zoneLine->clear();
}

void PlacePicker::Restore(const FormFields& fields) {
    zone_ = fields.TimeZoneId;
    place_ = fields.Place;
    placeLatitude_ = fields.Place.empty() ? std::nullopt : fields.PlaceLatitude;
    placeLongitude_ = fields.Place.empty() ? std::nullopt : fields.PlaceLongitude;
    if (!fields.Place.empty()) {
        placeState_ = fields.State;
        placeCountry_ = fields.Country;
    }
    // The zone list's entry and the box stay as the fields hold them, so
    // that the birth is saved back as it was read (a file of velmora-cli's
    // keeps the list's default beside its time zone); a later change of the
    // date or time fills them from the zone as ever.
    ShowZoneLine(false);
}

void PlacePicker::SetAside() {
    // Coordinates typed over the place's are the person's own.
    const std::string from = coordinatesEdited_ ? std::string() : place_;
    // The state and country the place wrote are its own; what was typed over them stays.
    if (boxes_.state->text() == FromUtf8(placeState_)) boxes_.state->clear();
    if (boxes_.country->text() == FromUtf8(placeCountry_)) boxes_.country->clear();
    Forget();
    setAside_ = true;
    coordinatesFrom_ = from;
    UpdateZoneInfo();
}

bool PlacePicker::ConfirmNamedPlace(QWidget* over) {
    if (!zone_.empty()) return true;
    const NamedPlace named = CheckNamedPlace(fields_(), coordinatesFrom_);
    if (!named.Disagrees) return true;
    const QString name = FromUtf8(Atlas::DisplayName(named.Place));
    const QString from = coordinatesFrom_.empty()
                             ? Tr(QT_TRANSLATE_NOOP("Velmora", "the coordinates as typed are %1 km from it"))
                                   .arg(qRound(named.DistanceKm))
                             : Tr(QT_TRANSLATE_NOOP("Velmora", "the coordinates and time zone are those of %1, as typed (%2 km away)"))
                                   .arg(FromUtf8(coordinatesFrom_))
                                   .arg(qRound(named.DistanceKm));
    const int choice = messenger_.Choose(
        over,
        Tr(QT_TRANSLATE_NOOP("Velmora", "The City \"%1\" is %2 in the atlas, but %3. Take %2 with its coordinates "
                                        "and time zone, or keep the typed values?"))
            .arg(boxes_.city->text().trimmed(), name, from),
        {Tr(QT_TRANSLATE_NOOP("Velmora", "&Take the named place")), Tr(QT_TRANSLATE_NOOP("Velmora", "&Keep the typed values"))});
    if (choice < 0) return false;
    if (choice == 0) Take(named.Place);
    return true;
}

void PlacePicker::ShowDaylightSavingUsed(bool dst) {
    if (zone_.empty()) return;
    filling_ = true;
    boxes_.daylightSaving->setChecked(dst);
    filling_ = false;
}

void PlacePicker::UpdateZoneInfo() { ShowZoneLine(true); }

void PlacePicker::ShowZoneLine(bool fillZoneList) {
    if (zone_.empty()) {
        if (setAside_)
            boxes_.zoneLine->setText(Tr(QT_TRANSLATE_NOOP("Velmora", "Place set aside: the coordinates and zone are as typed")));
        else
            boxes_.zoneLine->clear();
        return;
    }
    const ZonePreview preview = PreviewZone(zone_, FormClock(fields_()),
                                            boxes_.precise->isChecked() ? ComputationMode::Precise
                                                                        : ComputationMode::Classic);
    QString text = ShownDigits(FromUtf8(ZonePreviewIn(preview, LanguageChoice::Current())));
    if (fillZoneList && preview.listEntry >= 0) {
        filling_ = true;
        boxes_.zoneList->setCurrentIndex(preview.listEntry);
        boxes_.daylightSaving->setChecked(preview.daylightSaving);
        filling_ = false;
    }
    if (coordinatesEdited_) text += Tr(QT_TRANSLATE_NOOP("Velmora", " (coordinates edited)"));
    boxes_.zoneLine->setText(text);
}

QString PlacePicker::ZoneInfo() const { return boxes_.zoneLine->text(); }

}  // namespace velmora
