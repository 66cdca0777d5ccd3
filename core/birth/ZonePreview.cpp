#include "birth/ZonePreview.h"

#include "birth/ZoneTable.h"

namespace velmora {

ZonePreview PreviewZone(std::string_view zoneId, const LocalClock& clock, ComputationMode mode) {
    ZonePreview preview;
    preview.lookup = LookUpZone(zoneId, clock);
    preview.clock = clock;
    const ZoneLookup& lookup = preview.lookup;
    if (!lookup.Found) {
        preview.text = lookup.Message;
        return preview;
    }
    preview.text = DescribeZoneMoment(lookup.Moment, clock);
    // The list entry and the box follow the zone in either mode: the classic
    // engine takes them, and they stay as typed values when the place is set
    // aside.
    const ClassicZone classic = ClassicZoneForMoment(lookup.Moment);
    if (classic.Entry < 0) {
        if (mode == ComputationMode::Classic) {
            preview.unlistedOffsetSeconds = classic.ListedOffsetSeconds;
            preview.text += ". The zone list has no entry for UTC" + UtcOffsetText(classic.ListedOffsetSeconds) +
                            "; tick \"Precise positions\" to compute with the exact offset.";
        }
    } else {
        preview.listEntry = classic.Entry;
        preview.daylightSaving = classic.DaylightSaving;
    }
    return preview;
}

void FillZoneListFromTimeZone(FormFields& form) {
    if (form.TimeZoneId.empty()) return;
    const ZonePreview preview = PreviewZone(form.TimeZoneId, FormClock(form), form.Mode);
    if (preview.listEntry < 0) return;
    form.Zone = preview.listEntry;
    form.DaylightSaving = preview.daylightSaving;
}

}  // namespace velmora
