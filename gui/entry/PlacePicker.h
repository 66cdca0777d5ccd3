#pragma once
// The input form's place: the atlas's offers as City is typed, a chosen
// place filling the names, coordinates and zone, and the zone line that says
// in words what offset the chart will take. Editing City after a place was
// chosen sets the place aside (its coordinates and zone stay only as typed
// values); at Analyze, a City naming another atlas place than the typed
// coordinates asks which to take.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "atlas/Atlas.h"
#include "birth/FormFields.h"

class QCheckBox;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStringListModel;
class QWidget;

namespace velmora {

class Messenger;

// The form's controls the place fills and watches.
struct PlaceBoxes {
    QLineEdit* city = nullptr;
    QLineEdit* state = nullptr;
    QLineEdit* country = nullptr;
    QLineEdit* lonDegrees = nullptr;
    QLineEdit* lonMinutes = nullptr;
    QRadioButton* east = nullptr;
    QRadioButton* west = nullptr;
    QLineEdit* latDegrees = nullptr;
    QLineEdit* latMinutes = nullptr;
    QRadioButton* north = nullptr;
    QRadioButton* south = nullptr;
    QComboBox* zoneList = nullptr;
    QCheckBox* daylightSaving = nullptr;
    QCheckBox* precise = nullptr;
    QLabel* zoneLine = nullptr;
};

class PlacePicker : public QObject {
public:
    // `fields` gives the form's current state (the date the zone line is for).
    PlacePicker(const PlaceBoxes& boxes, std::function<FormFields()> fields, Messenger& messenger,
                QObject* parent);

    // Watches the boxes: the date and time lists for the zone line, the
    // coordinates for edits by hand, the zone list and box for a choice by hand.
    void Watch(std::initializer_list<QComboBox*> dateAndTime);

    const std::string& ZoneId() const { return zone_; }  // the chosen place's IANA zone; empty when typed
    const std::string& PlaceName() const { return place_; }  // as the atlas writes it
    // The chosen place's own coordinates (decimal degrees); empty when typed.
    std::optional<double> PlaceLatitude() const { return placeLatitude_; }
    std::optional<double> PlaceLongitude() const { return placeLongitude_; }

    // The form's fields were set as a whole (a birth file): no place, then
    // the fields' own zone and place taken up again, the zone list and box
    // left as the fields hold them.
    void Forget();
    void Restore(const FormFields& fields);

    // At Analyze: false when the person cancels the question.
    bool ConfirmNamedPlace(QWidget* over);
    // After a chart: the box shows the daylight saving the zone's history gave.
    void ShowDaylightSavingUsed(bool dst);

    QString ZoneInfo() const;
    QCompleter* Completer() const { return completer_; }

private:
    QCompleter* OfferingCompleter();
    void Offer(const QString& typed);
    void Choose(int row);
    void Take(const AtlasEntry& place);
    void SetAside();
    void UpdateZoneInfo();
    // The zone line for the place's zone, and with `fillZoneList` the zone
    // list's entry and the daylight-saving box as the zone gives them.
    void ShowZoneLine(bool fillZoneList);

    PlaceBoxes boxes_;
    std::function<FormFields()> fields_;
    Messenger& messenger_;
    QCompleter* completer_ = nullptr;
    QStringListModel* model_ = nullptr;
    std::vector<AtlasEntry> matches_;
    std::string zone_;
    std::string place_;
    std::optional<double> placeLatitude_, placeLongitude_;
    bool coordinatesEdited_ = false;
    bool filling_ = false;              // the boxes are being filled from a place
    bool setAside_ = false;             // the zone line says so until a place is chosen again
    std::string coordinatesFrom_;       // the set-aside place the coordinates came from
    std::string placeState_, placeCountry_;  // what the chosen place put in State and Country
};

}  // namespace velmora
