#pragma once
// The program-wide name tables the input form fills when it loads: display
// names of the ten bodies, three-letter sign abbreviations and sign lords.
// Body numbers: 0 Sun, 1 Moon, 2 Mercury, 3 Venus, 4 Mars, 5 Jupiter,
// 6 Saturn, 7 Rahu, 8 Ketu, 9 ascendant. Sign indices: 0 Aries … 11 Pisces.

#include <array>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr int kBodyCount = 10;
inline constexpr int kSignCount = 12;

inline constexpr std::array<std::string_view, kBodyCount> kPlainBodyNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};

inline constexpr std::array<std::string_view, kSignCount> kSignNames = {
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

inline constexpr std::array<std::string_view, kSignCount> kSignLords = {
    "Mars", "Venus", "Mercury", "Moon", "Sun", "Mercury",
    "Venus", "Mars", "Jupiter", "Saturn", "Saturn", "Jupiter"};

// English sign names by sign index, and the ten points' names as a sentence
// says them ("Ascendant", not "Asc").
inline constexpr std::array<std::string_view, kSignCount> kSignEnglishNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
inline constexpr std::array<std::string_view, kBodyCount> kPointNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Ascendant"};

struct NameTables {
    // Room for 11 and 13 entries as the form declares them; the last stays empty.
    std::array<std::string, kBodyCount + 1> BodyNames;
    std::array<std::string, kSignCount + 1> SignNames;
    std::array<std::string, kSignCount + 1> SignLords;
};

// The form load's first step: the three tables with their fixed texts.
inline void FillNameTables(NameTables& tables) {
    for (int i = 0; i < kBodyCount; ++i) tables.BodyNames[i] = kPlainBodyNames[i];
    tables.BodyNames[kBodyCount].clear();
    for (int i = 0; i < kSignCount; ++i) {
        tables.SignNames[i] = kSignNames[i];
        tables.SignLords[i] = kSignLords[i];
    }
    tables.SignNames[kSignCount].clear();
    tables.SignLords[kSignCount].clear();
}

}  // namespace velmora
