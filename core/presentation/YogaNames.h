#pragma once
// The yogas' names in each language Velmora speaks, by the catalogue's keys
// (analysis/Yogas.h), with the yogas' families and the twelve kinds of Kala
// Sarpa. English is the catalogue's own names; each other language has one
// table file (YogaNamesHindi.cpp …) whose comments cite the list each name
// comes from, as docs/glossary.md does. A new yoga of the catalogue needs a
// row in each of them (a test looks for every key in every language).

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "analysis/Yogas.h"
#include "text/Language.h"

namespace velmora {

struct YogaNameRow {
    std::string_view id;  // the catalogue's key, "gaja_kesari"
    std::string_view name;
};

struct YogaNameTable {
    Language language = Language::English;
    std::array<std::string_view, kYogaFamilyCount> families;  // as YogaFamily lists them
    std::array<std::string_view, 12> kalaSarpaKinds;          // by Rahu's house, Ananta … Sheshanaga
    std::span<const YogaNameRow> yogas;
};

// Whether every row has a key and a name and no key comes twice.
template <std::size_t N>
consteval bool YogaNameRowsComplete(const YogaNameRow (&rows)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].id.empty() || rows[i].name.empty()) return false;
        for (std::size_t j = i + 1; j < N; ++j)
            if (rows[i].id == rows[j].id) return false;
    }
    return true;
}

// The table of a language other than English.
const YogaNameTable& YogaNamesOf(Language language);

// A yoga's name in the language: English the catalogue's ("Gaja Kesari").
std::string_view YogaName(const YogaRule& rule, Language language);
// A family's name: English the catalogue's ("Chandra (the Moon's)").
std::string_view YogaFamilyName(YogaFamily family, Language language);
// The kind of Kala Sarpa of Rahu in `rahuHouse` (1 … 12) from the ascendant.
std::string_view KalaSarpaKindName(int rahuHouse, Language language);

}  // namespace velmora
