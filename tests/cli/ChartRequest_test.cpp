#include "cli/ChartRequest.h"

#include <gtest/gtest.h>

#include <functional>

#include "atlas/Atlas.h"
#include "atlas/PlaceCoordinates.h"

namespace velmora::cli {
namespace {

ChartRequest GoodRequest() {
    ChartRequest r;
    r.name = "Rama";
    r.date = "1990-04-30";
    r.time = "09:05";
    r.lon = "77:35E";
    r.lat = "12:58N";
    return r;
}

struct FillCase {
    const char* what;
    std::function<void(ChartRequest&)> change;
    std::function<bool(const FormFields&)> holds;
};

const FillCase kFilled[] = {
    {"the good request", [](ChartRequest&) {},
     [](const FormFields& f) {
         return f.Name == "RAMA" && f.Month == 3 && f.Day == 29 && f.Year == 89 && f.Hour == 9 &&
                f.Minute == 5 && f.Second == 0 && f.LonDeg == "77" && f.LonMin == "35" && f.East &&
                f.LatDeg == "12" && f.LatMin == "58" && !f.South && f.Zone == 29 && !f.DaylightSaving;
     }},
    {"mixed case name with spaces", [](ChartRequest& r) { r.name = " sita Ram "; },
     [](const FormFields& f) { return f.Name == " SITA RAM "; }},
    {"backspace takes back a letter", [](ChartRequest& r) { r.name = "RAMX\bA"; },
     [](const FormFields& f) { return f.Name == "RAMA"; }},
    {"enter adds nothing", [](ChartRequest& r) { r.name = "RA\rMA"; },
     [](const FormFields& f) { return f.Name == "RAMA"; }},
    // Names as people write them: the same filter as the name box.
    {"hyphen", [](ChartRequest& r) { r.name = "Anne-Marie"; },
     [](const FormFields& f) { return f.Name == "ANNE-MARIE"; }},
    {"apostrophe", [](ChartRequest& r) { r.name = "O'Hara"; }, [](const FormFields& f) { return f.Name == "O'HARA"; }},
    {"accented Latin in capitals", [](ChartRequest& r) { r.name = "Jos\u00e9"; },
     [](const FormFields& f) { return f.Name == "JOS\u00c9"; }},
    {"Devanagari", [](ChartRequest& r) { r.name = "\u0930\u093e\u092e"; },
     [](const FormFields& f) { return f.Name == "\u0930\u093e\u092e"; }},
    {"Tamil", [](ChartRequest& r) { r.name = "\u0bae\u0bc1\u0bb0\u0bc1\u0b95\u0ba9\u0bcd"; },
     [](const FormFields& f) { return f.Name == "\u0bae\u0bc1\u0bb0\u0bc1\u0b95\u0ba9\u0bcd"; }},
    {"west and south, lower-case letters", [](ChartRequest& r) { r.lon = "75:10w"; r.lat = "33:52s"; },
     [](const FormFields& f) { return !f.East && f.South; }},
    {"empty minute box stays empty", [](ChartRequest& r) { r.lon = "0:E"; },
     [](const FormFields& f) { return f.LonDeg == "0" && f.LonMin.empty(); }},
    {"empty degree box stays empty", [](ChartRequest& r) { r.lat = ":30N"; },
     [](const FormFields& f) { return f.LatDeg.empty() && f.LatMin == "30"; }},
    {"three-digit longitude, leading zeros kept", [](ChartRequest& r) { r.lon = "179:05E"; r.lat = "09:00N"; },
     [](const FormFields& f) { return f.LonDeg == "179" && f.LonMin == "05" && f.LatDeg == "09"; }},
    {"too big for the checks but typeable", [](ChartRequest& r) { r.lon = "999:99E"; },
     [](const FormFields& f) { return f.LonDeg == "999" && f.LonMin == "99"; }},
    {"seconds kept apart", [](ChartRequest& r) { r.time = "23:59:59"; },
     [](const FormFields& f) { return f.Hour == 23 && f.Minute == 59 && f.Second == 59; }},
    {"one-digit parts", [](ChartRequest& r) { r.time = "0:0"; r.date = "1901-1-1"; },
     [](const FormFields& f) { return f.Hour == 0 && f.Minute == 0 && f.Year == 0 && f.Month == 0 && f.Day == 0; }},
    {"last year and day", [](ChartRequest& r) { r.date = "2050-12-31"; },
     [](const FormFields& f) { return f.Year == 149 && f.Month == 11 && f.Day == 30; }},
    // Precise positions take the Swiss Ephemeris files' years, 1800 to 2399.
    {"precise: the first day", [](ChartRequest& r) { r.date = "1800-01-01"; },
     [](const FormFields& f) { return FormYear(f) == 1800 && f.Month == 0 && f.Day == 0; }},
    {"precise: Gandhi's birthday", [](ChartRequest& r) { r.date = "1869-10-02"; },
     [](const FormFields& f) { return FormYear(f) == 1869 && f.Month == 9 && f.Day == 1; }},
    {"precise: the last day", [](ChartRequest& r) { r.date = "2399-12-31"; },
     [](const FormFields& f) { return FormYear(f) == 2399 && f.Month == 11 && f.Day == 30; }},
    {"classic: the first day", [](ChartRequest& r) { r.date = "1901-01-01"; r.precise = false; },
     [](const FormFields& f) { return FormYear(f) == 1901 && f.Mode == ComputationMode::Classic; }},
    {"impossible dates reach the form's checks", [](ChartRequest& r) { r.date = "1901-02-31"; },
     [](const FormFields& f) { return f.Month == 1 && f.Day == 30; }},
    {"zone by abbreviation, any case", [](ChartRequest& r) { r.zone = "ist"; },
     [](const FormFields& f) { return f.Zone == 34; }},
    {"zone by position", [](ChartRequest& r) { r.zone = "52"; },
     [](const FormFields& f) { return f.Zone == 52; }},
    {"dst and place", [](ChartRequest& r) { r.dst = true; r.city = "Bengaluru"; r.state = ""; r.country = "India"; },
     [](const FormFields& f) { return f.DaylightSaving && f.City == "Bengaluru" && f.State.empty() && f.Country == "India"; }},
};

TEST(ChartRequest, FillsTheFormAsTyped) {
    for (const FillCase& c : kFilled) {
        SCOPED_TRACE(c.what);
        ChartRequest request = GoodRequest();
        c.change(request);
        FormFields form;
        form.Name = "left over";
        EXPECT_EQ(FillForm(request, form), "");
        EXPECT_TRUE(c.holds(form));
    }
}

// A place fills the coordinate boxes it is not given exactly as the place
// picker fills the window's boxes (one-digit minutes without a leading zero,
// London's 0° 8' W among them); typed coordinates stay as typed.
TEST(ChartRequest, APlaceFillsTheCoordinatesAsThePickerDoes) {
    struct Case {
        const char* place;
        const char* lon;  // typed, or empty
        const char* lat;
        std::function<bool(const FormFields& form, const FormFields& picked)> holds;
    };
    const auto sameLon = [](const FormFields& f, const FormFields& p) {
        return f.LonDeg == p.LonDeg && f.LonMin == p.LonMin && f.East == p.East;
    };
    const auto sameLat = [](const FormFields& f, const FormFields& p) {
        return f.LatDeg == p.LatDeg && f.LatMin == p.LatMin && f.South == p.South;
    };
    const Case cases[] = {
        {"Kolkata", "", "", [&](const FormFields& f, const FormFields& p) { return sameLon(f, p) && sameLat(f, p); }},
        {"London", "", "", [&](const FormFields& f, const FormFields& p) { return sameLon(f, p) && sameLat(f, p); }},
        {"Sydney", "", "", [&](const FormFields& f, const FormFields& p) { return sameLon(f, p) && sameLat(f, p); }},
        {"Kolkata", "88:00E", "",
         [&](const FormFields& f, const FormFields& p) {
             return f.LonDeg == "88" && f.LonMin == "00" && f.East && sameLat(f, p);
         }},
        {"London", "", "51:5s",
         [&](const FormFields& f, const FormFields& p) {
             return sameLon(f, p) && f.LatDeg == "51" && f.LatMin == "5" && f.South;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.place) + " " + c.lon + " " + c.lat);
        AtlasEntry place;
        std::vector<AtlasEntry> candidates;
        ASSERT_TRUE(Atlas::Resolve(c.place, place, candidates));
        FormFields picked;
        FillCoordinateFields(place, picked);
        ChartRequest request = GoodRequest();
        request.place = c.place;
        request.lon = c.lon;
        request.lat = c.lat;
        FormFields form;
        EXPECT_EQ(FillForm(request, form), "");
        EXPECT_TRUE(c.holds(form, picked)) << form.LonDeg << ":" << form.LonMin << " " << form.LatDeg << ":"
                                           << form.LatMin;
    }
}

// Coordinates typed beside a place are refused as when typed alone.
TEST(ChartRequest, TypedCoordinatesBesideAPlaceKeepTheirMessages) {
    const std::pair<std::pair<const char*, const char*>, const char*> cases[] = {
        {{"77:35", ""}, "lon must be DEG:MIN followed by E or W (as 77:35E), got \"77:35\""},
        {{"", "12:58E"}, "lat must be DEG:MIN followed by N or S (as 12:58N), got \"12:58E\""},
        {{"1234:00E", ""}, "lon degrees: the box holds at most 3 digits, got \"1234\""},
        {{"", "12:345N"}, "lat minutes: the box holds at most 2 digits, got \"345\""},
        {{"7a:00E", ""}, "Only Numbers Are Accepted"},
    };
    for (const auto& [typed, message] : cases) {
        ChartRequest request = GoodRequest();
        request.place = "Kolkata";
        request.lon = typed.first;
        request.lat = typed.second;
        FormFields form;
        EXPECT_EQ(FillForm(request, form), message);
    }
}

struct RefusalCase {
    std::function<void(ChartRequest&)> change;
    std::string message;
};

TEST(ChartRequest, RefusesWhatTheFormCannotHold) {
    const RefusalCase cases[] = {
        {[](ChartRequest& r) { r.name = "R2D2"; }, "Please Enter only Letters"},
        {[](ChartRequest& r) { r.name = "A\tB"; }, "Please Enter only Letters"},
        {[](ChartRequest& r) { r.name = "J.R. Rao"; }, "Please Enter only Letters"},
        {[](ChartRequest& r) { r.name = "\u0930\u093e\u092e\u0967"; }, "Please Enter only Letters"},  // a Devanagari digit
        {[](ChartRequest& r) { r.lon = "7a:00E"; }, "Only Numbers Are Accepted"},
        {[](ChartRequest& r) { r.lon = "-7:00E"; }, "Only Numbers Are Accepted"},
        {[](ChartRequest& r) { r.lon = "7:0 E"; }, "Only Numbers Are Accepted"},
        {[](ChartRequest& r) { r.lat = "12.5:00N"; }, "Only Numbers Are Accepted"},
        {[](ChartRequest& r) { r.lon = "1234:00E"; }, "lon degrees: the box holds at most 3 digits, got \"1234\""},
        {[](ChartRequest& r) { r.lon = "12:345E"; }, "lon minutes: the box holds at most 2 digits, got \"345\""},
        {[](ChartRequest& r) { r.lat = "100:00N"; }, "lat degrees: the box holds at most 2 digits, got \"100\""},
        {[](ChartRequest& r) { r.lon = "77:35"; }, "lon must be DEG:MIN followed by E or W (as 77:35E), got \"77:35\""},
        {[](ChartRequest& r) { r.lon = "77:35N"; }, "lon must be DEG:MIN followed by E or W (as 77:35E), got \"77:35N\""},
        {[](ChartRequest& r) { r.lon = "7735E"; }, "lon must be DEG:MIN followed by E or W (as 77:35E), got \"7735E\""},
        {[](ChartRequest& r) { r.lon = "7:7:7E"; }, "lon must be DEG:MIN followed by E or W (as 77:35E), got \"7:7:7E\""},
        {[](ChartRequest& r) { r.lon = ""; }, "lon must be DEG:MIN followed by E or W (as 77:35E), got \"\""},
        {[](ChartRequest& r) { r.lat = "12:58E"; }, "lat must be DEG:MIN followed by N or S (as 12:58N), got \"12:58E\""},
        // The classic engine keeps its years and its message; precise positions
        // take the Swiss Ephemeris files' years.
        {[](ChartRequest& r) { r.date = "1900-12-31"; r.precise = false; },
         "date: the year must be between 1901 and 2050, got \"1900-12-31\""},
        {[](ChartRequest& r) { r.date = "2051-01-01"; r.precise = false; },
         "date: the year must be between 1901 and 2050, got \"2051-01-01\""},
        {[](ChartRequest& r) { r.date = "1869-10-02"; r.precise = false; },
         "date: the year must be between 1901 and 2050, got \"1869-10-02\""},
        {[](ChartRequest& r) { r.date = "1799-12-31"; },
         "date: the year must be between 1800 and 2399 (the Swiss Ephemeris files' years; the classic engine's are "
         "1901 to 2050), got \"1799-12-31\""},
        {[](ChartRequest& r) { r.date = "2400-01-01"; },
         "date: the year must be between 1800 and 2399 (the Swiss Ephemeris files' years; the classic engine's are "
         "1901 to 2050), got \"2400-01-01\""},
        {[](ChartRequest& r) { r.date = "2000-13-01"; }, "date: the month must be between 1 and 12, got \"2000-13-01\""},
        {[](ChartRequest& r) { r.date = "2000-00-01"; }, "date: the month must be between 1 and 12, got \"2000-00-01\""},
        {[](ChartRequest& r) { r.date = "2000-01-32"; }, "date: the day must be between 1 and 31, got \"2000-01-32\""},
        {[](ChartRequest& r) { r.date = "2000-01-00"; }, "date: the day must be between 1 and 31, got \"2000-01-00\""},
        {[](ChartRequest& r) { r.date = "2000/01/01"; }, "date must be YYYY-MM-DD, got \"2000/01/01\""},
        {[](ChartRequest& r) { r.date = "2000-01-01x"; }, "date must be YYYY-MM-DD, got \"2000-01-01x\""},
        {[](ChartRequest& r) { r.date = "2000-001-01"; }, "date must be YYYY-MM-DD, got \"2000-001-01\""},
        {[](ChartRequest& r) { r.date = "2000-01-01-01"; }, "date must be YYYY-MM-DD, got \"2000-01-01-01\""},
        {[](ChartRequest& r) { r.date = "20-01-01"; }, "date must be YYYY-MM-DD, got \"20-01-01\""},
        {[](ChartRequest& r) { r.time = "24:00"; }, "time: the hour must be between 0 and 23, got \"24:00\""},
        {[](ChartRequest& r) { r.time = "12:60"; }, "time: the minute must be between 0 and 59, got \"12:60\""},
        {[](ChartRequest& r) { r.time = "12:00:60"; }, "time: the second must be between 0 and 59, got \"12:00:60\""},
        {[](ChartRequest& r) { r.time = "12"; }, "time must be HH:MM or HH:MM:SS, got \"12\""},
        {[](ChartRequest& r) { r.time = "12:00:00:00"; }, "time must be HH:MM or HH:MM:SS, got \"12:00:00:00\""},
        {[](ChartRequest& r) { r.time = "12:"; }, "time must be HH:MM or HH:MM:SS, got \"12:\""},
        {[](ChartRequest& r) { r.time = "-1:00"; }, "time must be HH:MM or HH:MM:SS, got \"-1:00\""},
        {[](ChartRequest& r) { r.zone = "71"; }, "zone: the position must be between 0 and 70, got \"71\""},
        {[](ChartRequest& r) { r.zone = "0029"; }, "zone: the position must be between 0 and 70, got \"0029\""},
        {[](ChartRequest& r) { r.zone = ""; },
         "zone: no entry is named \"\"; give a position 0-70 or an abbreviation (velmora-cli --zones lists them)"},
        {[](ChartRequest& r) { r.zone = "-1"; },
         "zone: no entry is named \"-1\"; give a position 0-70 or an abbreviation (velmora-cli --zones lists them)"},
        {[](ChartRequest& r) { r.zone = "NST"; },
         "zone: \"NST\" names 2 entries; give the position:\n"
         "  50  Newfoundland Standard Time,NST,-3.5\n"
         "  52  North Sumatra Time,NST,+6.5"},
        // the first refused field counts
        {[](ChartRequest& r) { r.name = "R2"; r.date = "x"; r.lon = "x"; }, "Please Enter only Letters"},
        {[](ChartRequest& r) { r.lon = "7a:00E"; r.lat = "x"; }, "Only Numbers Are Accepted"},
    };
    for (const RefusalCase& c : cases) {
        ChartRequest request = GoodRequest();
        c.change(request);
        FormFields form;
        EXPECT_EQ(FillForm(request, form), c.message);
    }
}

TEST(ChartRequest, ChartOfRequestReportsTheFormsCheck) {
    struct Case {
        std::function<void(ChartRequest&)> change;
        std::string message;
    };
    const Case cases[] = {
        {[](ChartRequest&) {}, ""},
        {[](ChartRequest& r) { r.name = "   "; }, "Please Enter Name"},
        {[](ChartRequest& r) { r.lon = "180:00E"; }, "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
        {[](ChartRequest& r) { r.lon = "0:E"; }, "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
        {[](ChartRequest& r) { r.date = "1901-02-29"; }, "Please Enter Correct Date Or Month!"},
        {[](ChartRequest& r) { r.date = "1990-04-31"; }, "Please Enter Correct Date Or Month !"},
        {[](ChartRequest& r) { r.date = "1904-02-29"; }, ""},
    };
    for (const Case& c : cases) {
        ChartRequest request = GoodRequest();
        c.change(request);
        FormFields form;
        std::shared_ptr<const Chart> chart;
        EXPECT_EQ(ChartOfRequest(request, form, {}, chart), c.message) << request.lon << " " << request.date;
        EXPECT_EQ(chart != nullptr, c.message.empty());
    }
}

}  // namespace
}  // namespace velmora::cli
