#pragma once
// An atlas place's coordinates in the form's coordinate fields, as a person
// would type them: whole degrees and minutes to the nearest minute
// (ToBoxAngle) in the boxes, the hemisphere in the option buttons. The place
// picker fills its boxes from these and the command line its form, so a
// place gives both the same chart; the place's own decimal degrees go with
// them (PlaceLatitude, PlaceLongitude) for a precise chart.

#include "atlas/Atlas.h"
#include "birth/FormFields.h"

namespace velmora {

// LonDeg, LonMin and East from decimal degrees, east positive.
void FillLongitudeFields(double degrees, FormFields& form);

// LatDeg, LatMin and South from decimal degrees, north positive.
void FillLatitudeFields(double degrees, FormFields& form);

// Both, from the place.
void FillCoordinateFields(const AtlasEntry& place, FormFields& form);

}  // namespace velmora
