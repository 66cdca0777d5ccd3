#include "analysis/PanchangaNames.h"

#include <cmath>

#include "analysis/Nakshatra.h"

namespace velmora {

namespace {

// The part of a folded angle, 0 … count − 1. A value rounding up to the
// full turn stays in the last part.
int PartOf(double folded, double size, int count) {
    const int part = static_cast<int>(std::floor(folded / size));
    return part < 0 ? 0 : (part >= count ? count - 1 : part);
}

}  // namespace

double Elongation(double sun, double moon) { return FoldLongitude(moon - sun); }

int TithiNumber(double sun, double moon) { return PartOf(Elongation(sun, moon), kTithiDegrees, kTithiCount) + 1; }

int KaranaNumber(double sun, double moon) {
    return PartOf(Elongation(sun, moon), kKaranaDegrees, kKaranaCount) + 1;
}

int YogaNumber(double sun, double moon) { return PartOf(FoldLongitude(sun + moon), kYogaDegrees, kYogaCount) + 1; }

std::string_view TithiName(int tithi) {
    if (tithi == kTithiCount) return kNewMoonTithi;
    return kTithiNames[static_cast<std::size_t>((tithi - 1) % 15)];
}

std::string_view PakshaName(int tithi) { return tithi <= 15 ? "Shukla" : "Krishna"; }

std::string_view KaranaName(int karana) {
    if (karana == 1) return kFixedKaranas[0];
    if (karana >= 58) return kFixedKaranas[static_cast<std::size_t>(karana - 57)];
    return kMovingKaranas[static_cast<std::size_t>((karana - 2) % 7)];
}

std::string_view YogaName(int yoga) { return kYogaNames[static_cast<std::size_t>(yoga - 1)]; }

std::string_view VaraName(int weekday) { return kVaraNames[static_cast<std::size_t>(weekday - 1)]; }

}  // namespace velmora
