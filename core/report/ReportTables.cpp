#include "report/ReportTables.h"

namespace velmora {

namespace {

constexpr std::string_view kMaleSign = "Malefic (Male)";
constexpr std::string_view kFemaleSign = "Benefic (Female)";

constexpr std::array<std::string_view, kArudhaCount> kArudhaDescriptions = {
    "Arudha literally means mount. This signifies the image of a sign falling on another sign. "
    "Arudha of the first house is known as Arudha Lagna. Arudha Lagna shows how one manifests "
    "oneself in this world of Maya (Illusion). This shows how you are perceived  by others.",
    "This tells about your family and financial prosperity.",
    "This shows the problems related to siblings and your courage.",
    "This shows how others perceive your home. This also shows the blessings and property you "
    "receive from your mother.",
    "This shows your devotion to religion and pious matters and problems related to children.",
    "This tells more about your enemies and the kind of illnesses that may affect you.",
    "This is important for social status, success, marriage, partnership and financial prosperity.",
    "This shows perception towards partners.",
    "This shows the blessings of your father, fortune, guru.",
    "This gives information about material success. This tells about the power and status that "
    "you will attain.",
    "This tells about how you will achieve your objectives and about your elder siblings.",
    "This signifies marriage and spouse related issues. This gives you more information about "
    "your spouse and his / her characteristics.",
};

constexpr std::array<std::string_view, kArudhaCount> kArudhaAlternateNames = {
    "Pada, Lagna Pada, Arudha Lagna",
    "Dhana Pada, Kosa Pada",
    "Vikrama Pada or Bhratripada",
    "Matripada, Sukhapada",
    "Mantra Pada, Putrapada",
    "Rogapada, Satrupada, Aripada",
    "Darapada, Kalatrapada",
    "Marana or Mrityu Pada, Randhrapada",
    "Pitripada, Dharmapada",
    "Karmapada, Rajyapada",
    "Labhapada",
    "Vyaya Pada, Gauna Pada",
};

constexpr std::string_view kMoonDescription =
    "The moon is the planet most connected to our feelings and emotions linked to other people "
    "in their lives. The way you have been brought up will mostly be reflected here and this is "
    "also where unconscious decisions are made.";
constexpr std::string_view kMercuryDescription =
    "Mercury governs the way that you communicate with those around you.";
constexpr std::string_view kVenusDescription =
    "Venus is the planet that is about how people express socially, romantically and artistically.";
constexpr std::string_view kJupiterDescription =
    "Where the house placement of Jupiter is where you are likely to think optimistically and "
    "positively about things.";

}  // namespace

void FillReportTables(ReportTables& tables) {
    tables.ArudhaLabels = kArudhaLabels;
    tables.SignEnglishNames = kSignEnglishNames;
    for (int j = 0; j < kSignCount; ++j) tables.SignNatures[j] = (j % 2 == 0) ? kMaleSign : kFemaleSign;
    tables.ArudhaDescriptions = kArudhaDescriptions;
    tables.ArudhaAlternateNames = kArudhaAlternateNames;
    tables.PlanetDescriptions = {};
    tables.PlanetDescriptions[1] = kMoonDescription;
    tables.PlanetDescriptions[2] = kMercuryDescription;
    tables.PlanetDescriptions[3] = kVenusDescription;
    tables.PlanetDescriptions[5] = kJupiterDescription;
}

void FillArudhaReportRows(const ReportTables& tables, ChartState& chart) {
    for (int i = 0; i < kArudhaCount; ++i) {
        ArudhaReportRow& row = chart.ArudhaReportRows[i];
        row.AlternateNames = tables.ArudhaAlternateNames[i];
        const int j = chart.ArudhaSigns[i];
        if (j >= 0 && j < kSignCount) {
            row.SignEnglishName = tables.SignEnglishNames[j];
            row.SignNature = tables.SignNatures[j];
        } else {
            row.SignEnglishName = {};
            row.SignNature = {};
        }
    }
}

}  // namespace velmora
