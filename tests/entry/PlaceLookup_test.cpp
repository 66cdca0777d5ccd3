#include "entry/PlaceLookup.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct PlaceCase {
    std::string_view city, state, country;
    int check;                   // 0 when the search goes
    std::string_view expected;   // the failure's message or the search text
};

TEST(PlaceLookup, ChecksThenSearchText) {
    const PlaceCase cases[] = {
        {"Pune", "Maharashtra", "India", 0, "Pune Maharashtra India Latitude Longitude"},
        {"New York", "New York", "USA", 0, "New York New York USA Latitude Longitude"},
        {"Oslo", " ", "Norway", 0, "Oslo   Norway Latitude Longitude"},
        {" ", " ", " ", 0, "      Latitude Longitude"},
        {" Rome ", "Lazio", "Italy ", 0, " Rome  Lazio Italy  Latitude Longitude"},
        {"", "", "", 1, "Please Enter City"},
        {"", "Kerala", "India", 1, "Please Enter City"},
        {"Kochi", "", "", 2, "Please Enter State"},
        {"Kochi", "", "India", 2, "Please Enter State"},
        {"Kochi", "Kerala", "", 3, "Please Enter Country"},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.expected);
        const PlaceLookupResult r = ComposePlaceSearch(c.city, c.state, c.country);
        ASSERT_EQ(r.failure.check, c.check);
        if (c.check == 0) {
            EXPECT_EQ(r.searchText, c.expected);
            EXPECT_TRUE(r.failure.message.empty());
        } else {
            EXPECT_EQ(r.failure.message, c.expected);
            EXPECT_EQ(r.failure.icon, MessageIcon::Information);
            const FormField focus[] = {FormField::City, FormField::State, FormField::Country};
            EXPECT_EQ(r.failure.focus, focus[c.check - 1]);
            EXPECT_TRUE(r.searchText.empty());
        }
    }
}

}  // namespace
}  // namespace velmora
