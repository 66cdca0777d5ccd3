// Birth files: what is saved opens as the same fields and the same chart, and
// every kind of bad file is refused with its own message and no fields.

#include "birthfile/BirthFile.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "tests/support/BangaloreForm.h"
#include "tests/support/RunTexts.h"
#include "tests/core/birthfile/BirthFileFields.h"
#include "tests/core/birthfile/FifoWatch.h"

namespace velmora {
namespace {

using testing::SameFields;

FormFields Bangalore() {
    FormFields f = velmora::testing::BangaloreForm();
    f.Name = "ASHA RAO KUMAR";  // spaces inside a name
    f.Second = 41;
    f.Zone = 44;
    return f;
}

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-birthfile-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string File(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

TEST(BirthFile, EveryZoneAndHemisphereComesBackAsSaved) {
    for (int zone = 0; zone < kZoneItems; ++zone) {
        for (int hemispheres = 0; hemispheres < 4; ++hemispheres) {
            FormFields f = Bangalore();
            f.Zone = zone;
            f.East = (hemispheres & 1) == 0;
            f.South = (hemispheres & 2) != 0;
            f.DaylightSaving = zone % 2 == 1;
            const BirthFileRead read = ParseBirthFile(BirthFileText(f));
            ASSERT_TRUE(read.Ok()) << read.error;
            EXPECT_TRUE(SameFields(read.fields, f)) << "zone " << zone << " hemispheres " << hemispheres;
        }
    }
}

TEST(BirthFile, ModesPlacesAndTheFormsOddTextsComeBackAsSaved) {
    std::vector<FormFields> cases;
    FormFields precise = Bangalore();
    precise.Mode = ComputationMode::Precise;
    precise.Node = NodeKind::True;
    cases.push_back(precise);
    // Precise positions reach the Swiss Ephemeris files' first and last years.
    for (const int year : {1800, 1869, 2399}) {
        FormFields early = precise;
        early.Year = YearField(year);
        cases.push_back(early);
    }
    // A box the form can hold although a run refuses it: the file keeps it.
    FormFields odd = Bangalore();
    odd.LonDeg = "999";
    odd.LonMin = "";
    odd.Month = 1;
    odd.Day = 30;  // 31 February, caught by the run's checks, not the file
    cases.push_back(odd);
    FormFields chosen = Bangalore();
    chosen.Place = "Kolkata, West Bengal, India";
    chosen.TimeZoneId = "Asia/Kolkata";
    chosen.City = "Kolkata";
    chosen.Repeated = RepeatedHour::Later;
    cases.push_back(chosen);
    // A place's own coordinates (GeoNames 1275004, Kolkata: 22.56263 N,
    // 88.36304 E) come back to the last bit.
    chosen.PlaceLatitude = 22.56263;
    chosen.PlaceLongitude = 88.36304;
    cases.push_back(chosen);
    FormFields accents = Bangalore();
    accents.City = "São Paulo";
    accents.Country = "Brasil \"quoted\" \\ back";
    cases.push_back(accents);
    // The dasha choices; a birth of the defaults leaves them out of the file.
    for (const DashaYearInfo& year : kDashaYearChoices)
        for (const DashaSystem system : {DashaSystem::Vimshottari, DashaSystem::Yogini, DashaSystem::Ashtottari}) {
            FormFields dashas = Bangalore();
            dashas.DashaYearChoice = year.year;
            dashas.DashaSystemChoice = system;
            cases.push_back(dashas);
        }
    EXPECT_EQ(BirthFileText(Bangalore()).find("dasha"), std::string::npos);
    cases.push_back(FormFields{});  // a fresh, empty form
    for (const FormFields& f : cases) {
        const BirthFileRead read = ParseBirthFile(BirthFileText(f));
        ASSERT_TRUE(read.Ok()) << read.error;
        EXPECT_TRUE(SameFields(read.fields, f)) << BirthFileText(f);
    }
}

TEST(BirthFile, TheChartChoicesComeBackAsSavedAndDefaultWhenAbsent) {
    using J = nlohmann::json;
    const struct {
        const char* ayanamsa;
        PositionKind positions;
        HouseSystem houses;
    } choices[] = {
        {"true-chitra", PositionKind::True, HouseSystem::Placidus},
        {"krishnamurti", PositionKind::Apparent, HouseSystem::Sripati},
        {"custom:1900-01-01:22.46", PositionKind::True, HouseSystem::Equal},
        {"lahiri-icrc", PositionKind::Apparent, HouseSystem::WholeSign},
        // Once written as "1e-05", which the reader refuses: such a file
        // opened but could not be saved again.
        {"custom:2000-01-01:0.00001", PositionKind::Apparent, HouseSystem::WholeSign},
    };
    for (const auto& c : choices) {
        FormFields f = Bangalore();
        f.Mode = ComputationMode::Precise;
        ASSERT_TRUE(ParseAyanamsa(c.ayanamsa, f.Options));
        f.Options.positions = c.positions;
        f.Options.houses = c.houses;
        const std::string text = BirthFileText(f);
        EXPECT_EQ(J::parse(text)["ayanamsa"], c.ayanamsa);
        const BirthFileRead read = ParseBirthFile(text);
        ASSERT_TRUE(read.Ok()) << read.error;
        EXPECT_TRUE(SameFields(read.fields, f)) << text;
    }
    // A file written before the choices existed opens with the defaults.
    J old = J::parse(BirthFileText(Bangalore()));
    for (const char* key : {"ayanamsa", "positions", "houses"}) old.erase(key);
    const BirthFileRead read = ParseBirthFile(old.dump(2));
    ASSERT_TRUE(read.Ok()) << read.error;
    EXPECT_EQ(read.fields.Options, ChartOptions{});
    // Bad values are refused in the file's own words.
    const std::pair<const char*, std::string> bad[] = {
        {"ayanamsa", "\"ayanamsa\" is \"chitra\", not lahiri, true-chitra"},
        {"positions", "\"positions\" is \"chitra\", not \"apparent\" or \"true\""},
        {"houses", "\"houses\" is \"chitra\", not \"whole\" or \"sripati\" or \"placidus\" or \"equal\""},
    };
    for (const auto& [key, reason] : bad) {
        J document = J::parse(BirthFileText(Bangalore()));
        document[key] = "chitra";
        const BirthFileRead refused = ParseBirthFile(document.dump(2));
        EXPECT_NE(refused.error.find(reason), std::string::npos) << refused.error;
    }
}

TEST(BirthFile, SavedAndOpenedGivesTheSameChart) {
    TempDir dir;
    for (const bool precise : {false, true}) {
        FormFields f = Bangalore();
        f.DaylightSaving = true;
        f.East = false;
        f.South = true;
        if (precise) f.Mode = ComputationMode::Precise;
        const std::string path = dir.File("asha.velmora");
        ASSERT_EQ(WriteBirthFile(path, f).error, "");
        const BirthFileRead read = ReadBirthFile(path);
        ASSERT_TRUE(read.Ok()) << read.error;

        const std::shared_ptr<const Chart> direct = testing::ChartOfForm(f), opened = testing::ChartOfForm(read.fields);
        ASSERT_TRUE(direct && opened);
        const ResultLabels openedTexts = testing::TextsOf(*opened), directTexts = testing::TextsOf(*direct);
        EXPECT_EQ(openedTexts.planet, directTexts.planet);
        EXPECT_EQ(openedTexts.signBoxes, directTexts.signBoxes);
        EXPECT_EQ(openedTexts.arudhaBoxes, directTexts.arudhaBoxes);
        EXPECT_EQ(openedTexts.name, directTexts.name);
        EXPECT_EQ(opened->modeText, direct->modeText);
        EXPECT_EQ(opened->report, direct->report);
    }
}

TEST(BirthFile, TextsGoThroughTheFormsKeyFilters) {
    const struct {
        const char* saved;
        const char* read;  // typed in capitals where Latin, as the name box does
    } cases[] = {
        {"asha rao", "ASHA RAO"},
        {"Anne-Marie O'Brien", "ANNE-MARIE O'BRIEN"},
        {"Jos\u00e9 M\u00fcller", "JOS\u00c9 M\u00dcLLER"},
        {"\u0930\u093e\u092e", "\u0930\u093e\u092e"},                                        // राम
        {"\u0bae\u0bc1\u0bb0\u0bc1\u0b95\u0ba9\u0bcd", "\u0bae\u0bc1\u0bb0\u0bc1\u0b95\u0ba9\u0bcd"},  // முருகன்
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.saved);
        std::string text = BirthFileText(Bangalore());
        text.replace(text.find("ASHA RAO KUMAR"), 14, c.saved);
        const BirthFileRead read = ParseBirthFile(text);
        ASSERT_TRUE(read.Ok()) << read.error;
        EXPECT_EQ(read.fields.Name, c.read);
    }
}

// The saved text with `from` replaced by `to`, for what a JSON value cannot hold.
std::string Replaced(const std::string& from, const std::string& to) {
    std::string text = BirthFileText(Bangalore());
    const std::size_t at = text.find(from);
    if (at == std::string::npos) ADD_FAILURE() << "no " << from << " in the saved text";
    else text.replace(at, from.size(), to);
    return text;
}

// A saved document with one change made by `edit`.
std::string Edited(const std::function<void(nlohmann::json&)>& edit) {
    nlohmann::json document = nlohmann::json::parse(BirthFileText(Bangalore()));
    edit(document);
    return document.dump();
}

TEST(BirthFile, EveryKindOfBadFileIsRefusedWithItsReason) {
    using J = nlohmann::json;
    const struct {
        const char* what;
        std::string bytes;
        std::string reason;
    } cases[] = {
        {"too large", std::string(kBirthFileMaxBytes + 1, ' '), "larger than 64 KB"},
        {"not UTF-8", "{\"format\":\"velmora-birth\",\"name\":\"\xC3(\"}", "not UTF-8 (byte 35)"},
        {"Latin-1 city", Edited([](J&) {}).replace(10, 0, "\xE9"), "not UTF-8"},
        {"empty", "", "not a Velmora birth file"},
        {"plain text", "Asha, born 5 March 1980", "not a Velmora birth file"},
        {"cut short", BirthFileText(Bangalore()).substr(0, 120), "not valid JSON"},
        {"a list", "[1, 2, 3]", "not a Velmora birth file"},
        {"another program's JSON", "{\"type\":\"FeatureCollection\"}", "not a Velmora birth file"},
        {"another format", Edited([](J& d) { d["format"] = "velmora-batch"; }), "not a Velmora birth file"},
        {"newer version", Edited([](J& d) { d["version"] = 2; }), "newer Velmora (birth file version 2; this one reads version 1)"},
        {"no version", Edited([](J& d) { d.erase("version"); }), "\"version\" is missing"},
        {"version as text", Edited([](J& d) { d["version"] = "1"; }), "\"version\" is missing"},
        {"digit in the name", Edited([](J& d) { d["name"] = "ASHA 2"; }), "\"name\" holds what the form does not take: Please Enter only Letters"},
        {"letter in degrees", Edited([](J& d) { d["longitude"]["degrees"] = "7a"; }), "\"longitude.degrees\" holds what the form does not take: Only Numbers Are Accepted"},
        {"minus in minutes", Edited([](J& d) { d["latitude"]["minutes"] = "-5"; }), "Only Numbers Are Accepted"},
        {"four-digit degrees", Edited([](J& d) { d["longitude"]["degrees"] = "1790"; }), "the box holds at most 3 digits"},
        {"three-digit latitude", Edited([](J& d) { d["latitude"]["degrees"] = "100"; }), "the box holds at most 2 digits"},
        {"degrees as a number", Edited([](J& d) { d["longitude"]["degrees"] = 77; }), "\"longitude.degrees\" is not a text"},
        {"hemisphere", Edited([](J& d) { d["latitude"]["hemisphere"] = "E"; }), "\"latitude.hemisphere\" is \"E\", not \"N\" or \"S\""},
        {"month 13", Edited([](J& d) { d["date"]["month"] = 13; }), "\"date.month\" is 13, outside 1 to 12"},
        {"year 1900", Edited([](J& d) { d["date"]["year"] = 1900; }), "\"date.year\" is 1900, outside 1901 to 2050"},
        {"classic 1869", Edited([](J& d) { d["date"]["year"] = 1869; }),
         "\"date.year\" is 1869, outside 1901 to 2050, the classic positions' years (precise positions take 1800 to "
         "2399)"},
        {"precise 1799", Edited([](J& d) { d["date"]["year"] = 1799; d["mode"] = "precise"; }),
         "\"date.year\" is 1799, outside 1800 to 2399"},
        {"precise 2400", Edited([](J& d) { d["date"]["year"] = 2400; d["mode"] = "precise"; }),
         "\"date.year\" is 2400, outside 1800 to 2399"},
        {"fractional hour", Edited([](J& d) { d["time"]["hour"] = 9.5; }), "\"time.hour\" is not a whole number"},
        {"no time", Edited([](J& d) { d.erase("time"); }), "\"time\" is missing"},
        {"no seconds", Edited([](J& d) { d["time"].erase("second"); }), "\"time.second\" is missing"},
        {"zone 71", Edited([](J& d) { d["zone"]["position"] = 71; }), "\"zone.position\" is 71, outside 0 to 70"},
        {"zone text of another entry", Edited([](J& d) { d["zone"]["text"] = "Greenwich Mean Time,GMT,0.0"; }), "but position 44 is"},
        {"dst as text", Edited([](J& d) { d["daylightSaving"] = "yes"; }), "\"daylightSaving\" is not true or false"},
        {"line break in a city", Edited([](J& d) { d["city"] = "Bangalore\nIndia"; }), "\"city\" holds a control character"},
        {"unknown mode", Edited([](J& d) { d["mode"] = "tropical"; }), "\"mode\" is \"tropical\", not \"classic\" or \"precise\""},
        {"dasha year of 365 days", Edited([](J& d) { d["dashaYear"] = "365"; }),
         "\"dashaYear\" is \"365\", not \"365.25\" or \"365.2425\" or \"360\" or \"sidereal\""},
        {"dasha year as a number", Edited([](J& d) { d["dashaYear"] = 360; }), "\"dashaYear\""},
        {"unknown dasha", Edited([](J& d) { d["dashaSystem"] = "kalachakra"; }), "\"dashaSystem\" is \"kalachakra\""},
        {"place without zone", Edited([](J& d) { d["place"] = "Kolkata"; }), "\"place\" is given without"},
        {"place's latitude without a place", Edited([](J& d) { d["placeLatitude"] = 22.5; }),
         "\"placeLatitude\" is given without the \"place\""},
        {"place's longitude beyond 180", Edited([](J& d) {
             d["place"] = "Kolkata";
             d["timeZone"] = "Asia/Kolkata";
             d["placeLongitude"] = 188.4;
         }),
         "\"placeLongitude\" is not a number of degrees from -180 to 180"},
        {"place's latitude as text", Edited([](J& d) {
             d["place"] = "Kolkata";
             d["timeZone"] = "Asia/Kolkata";
             d["placeLatitude"] = "22.5";
         }),
         "\"placeLatitude\" is not a number"},
        {"unknown key", Edited([](J& d) { d["nakshatra"] = "Rohini"; }), "it holds \"nakshatra\", which a birth file of version 1 does not have"},
        {"unknown inner key", Edited([](J& d) { d["date"]["era"] = "CE"; }), "it holds \"date.era\""},
        // What the JSON library lets by or dies of: numbers beyond a double
        // (IEEE 754 binary64 ends near 1.8e308), beyond 64 bits, bytes after
        // a NUL, a key given twice (RFC 8259 section 4: names SHOULD be unique).
        {"second beyond a double", Replaced("\"second\": 41", "\"second\": 1e400"),
         "it is damaged: \"time.second\" is a number too large to read"},
        {"negative beyond a double", Replaced("\"day\": 5", "\"day\": -1e400"), "\"date.day\" is a number too large"},
        {"version beyond a double", Replaced("\"version\": 1", "\"version\": 1e400"), "\"version\" is a number too large"},
        {"unknown key beyond a double", Replaced("\"name\"", "\"x\": {\"y\": [2, 1E+999]}, \"name\""),
         "\"x.y\" is a number too large"},
        {"position beyond signed", Replaced("\"position\": 44", "\"position\": 18446744073709551615"),
         "\"zone.position\" is 18446744073709551615, outside 0 to 70"},
        {"position beyond 64 bits", Replaced("\"position\": 44", "\"position\": 18446744073709551616"),
         "\"zone.position\" is not a whole number"},
        {"version beyond signed", Replaced("\"version\": 1", "\"version\": 18446744073709551615"),
         "newer Velmora (birth file version 18446744073709551615;"},
        {"NUL and junk after", BirthFileText(Bangalore()) + std::string("\0{\"junk\"", 9),
         "it is not valid JSON (at byte " + std::to_string(BirthFileText(Bangalore()).size() + 1) + ")"},
        {"NUL alone after", BirthFileText(Bangalore()) + std::string(1, '\0'), "it is not valid JSON"},
        {"key twice", Replaced("\"city\"", "\"name\": \"RAMA\", \"city\""), "it is damaged: it holds \"name\" twice"},
        {"inner key twice", Replaced("\"day\": 5", "\"day\": 5, \"day\": 7"), "it holds \"date.day\" twice"},
        {"format twice", Replaced("\"version\"", "\"format\": \"velmora-birth\", \"version\""), "it holds \"format\" twice"},
        // What a terminal would act on is shown, not sent.
        {"escape in a key", Edited([](J& d) { d["\x1b]0;x\x07"] = 1; }), "it holds \"\\x1b]0;x\\x07\", which"},
        {"bell in a value", Edited([](J& d) { d["mode"] = "\a"; }), "\"mode\" is \"\\x07\", not"},
    };
    for (const auto& c : cases) {
        const BirthFileRead read = ParseBirthFile(c.bytes);
        EXPECT_FALSE(read.Ok()) << c.what;
        EXPECT_NE(read.error.find(c.reason), std::string::npos) << c.what << ": " << read.error;
        EXPECT_TRUE(SameFields(read.fields, FormFields{})) << c.what << ": a refused file gives no fields";
    }
}

TEST(BirthFile, FilesThatCannotBeReadAreNamedInTheMessage) {
    TempDir dir;
    const BirthFileRead missing = ReadBirthFile(dir.File("nobody.velmora"));
    EXPECT_EQ(missing.error, "Cannot open \"" + dir.File("nobody.velmora") + "\": No such file or directory.");
    std::filesystem::create_directory(dir.File("folder.velmora"));
    EXPECT_NE(ReadBirthFile(dir.File("folder.velmora")).error.find("it is not a regular file"), std::string::npos);
    {
        std::ofstream(dir.File("big.velmora")) << std::string(3 * kBirthFileMaxBytes, '{');
    }
    EXPECT_NE(ReadBirthFile(dir.File("big.velmora")).error.find("larger than 64 KB"), std::string::npos);
}

TEST(BirthFile, WhatWouldNotOpenAgainIsNotSaved) {
    TempDir dir;
    const std::string path = dir.File("asha.velmora");
    ASSERT_TRUE(WriteBirthFile(path, Bangalore()).Ok());
    const std::string before = Slurp(path);
    const struct {
        const char* what;
        std::function<void(FormFields&)> edit;
        const char* reason;
    } cases[] = {
        {"line break in a city", [](FormFields& f) { f.City = "New\nYork"; }, "\"city\" holds a control character"},
        {"tab in a state", [](FormFields& f) { f.State = "Karna\ttaka"; }, "\"state\" holds a control character"},
        {"escape in a country", [](FormFields& f) { f.Country = "\x1b[2JIndia"; }, "\"country\" holds a control character"},
        {"delete in a place", [](FormFields& f) { f.Place = "Kolkata\x7f"; f.TimeZoneId = "Asia/Kolkata"; },
         "\"place\" holds a control character"},
        {"line break in a zone id", [](FormFields& f) { f.TimeZoneId = "Asia/\nKolkata"; }, "\"timeZone\" holds a control character"},
        {"Latin-1 city", [](FormFields& f) { f.City = "S\xE3o Paulo"; }, "\"city\" is not UTF-8 text"},
        {"cut sequence in a state", [](FormFields& f) { f.State = "\xE0\xA4"; }, "\"state\" is not UTF-8 text"},
        {"digit in a name", [](FormFields& f) { f.Name = "ASHA 2"; }, "\"name\" holds what the form does not take"},
        {"place without a zone", [](FormFields& f) { f.Place = "Kolkata"; }, "\"place\" is given without"},
        {"zone beyond the list", [](FormFields& f) { f.Zone = 71; }, "\"zone.position\" is 71, outside 0 to 70"},
    };
    for (const auto& c : cases) {
        FormFields f = Bangalore();
        c.edit(f);
        const BirthFileSave save = WriteBirthFile(path, f);
        EXPECT_FALSE(save.Ok()) << c.what;
        EXPECT_TRUE(save.refused) << c.what;
        EXPECT_NE(save.error.find(c.reason), std::string::npos) << c.what << ": " << save.error;
        EXPECT_EQ(save.error.find("damaged"), std::string::npos) << save.error;
        EXPECT_TRUE(save.error.starts_with("Cannot save \"" + path + "\": ")) << save.error;
        EXPECT_TRUE(save.error.ends_with(". The file is as it was.")) << save.error;
        EXPECT_EQ(Slurp(path), before) << c.what;
    }
}

TEST(BirthFile, SpecialFilesAreRefusedWithoutWaiting) {
    TempDir dir;
    const std::string fifo = dir.File("pipe.velmora");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string socketPath = dir.File("socket.velmora");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    std::filesystem::create_symlink(fifo, dir.File("link-to-pipe.velmora"));
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {fifo, "it is not a regular file"},
        {dir.File("link-to-pipe.velmora"), "it is not a regular file"},
        {socketPath, "it is not a regular file"},
        {"/dev/null", "it is not a regular file"},
        {"/dev/zero", "it is not a regular file"},
        // Regular files of no size to stat(), not read: text, memory, and the
        // kernel's log (root only), which waits for data and is used up by reading.
        {"/proc/self/status", "it is not a Velmora birth file"},
        {"/proc/self/mem", "it is not a Velmora birth file"},
        {"/proc/kmsg", "it is not a Velmora birth file"},
    };
    for (const auto& c : cases) {
        if (c.path == "/proc/kmsg" && ::access(c.path.c_str(), R_OK) != 0) continue;
        velmora::testing::FifoWatch watch(fifo, std::chrono::seconds{5});
        const BirthFileRead read = ReadBirthFile(c.path);
        EXPECT_FALSE(watch.Hung()) << c.path << " waited for a writer";
        EXPECT_EQ(read.error, "Cannot open \"" + c.path + "\": " + c.reason + ".") << c.path;
    }
    ::close(listener);
}

TEST(BirthFile, TheDocumentedExampleOpensAndTheSchemaNamesEveryKey) {
    const std::filesystem::path docs = std::filesystem::path(VELMORA_SOURCE_DIR) / "docs";
    const BirthFileRead example = ReadBirthFile((docs / "example.velmora").string());
    ASSERT_TRUE(example.Ok()) << example.error;
    EXPECT_EQ(example.fields.Name, "ASHA RAO");

    // The schema's properties are exactly the keys the writer writes, at
    // every level, and it holds the format and version this code reads.
    const nlohmann::json schema = nlohmann::json::parse(Slurp(docs / "birth-file.schema.json"));
    FormFields everything = Bangalore();  // with the keys written only when chosen
    everything.DashaYearChoice = DashaYear::Sidereal;
    everything.DashaSystemChoice = DashaSystem::Yogini;
    everything.Place = "Bengaluru, Karnataka, India";
    everything.TimeZoneId = "Asia/Kolkata";
    everything.PlaceLatitude = 12.97194;
    everything.PlaceLongitude = 77.59369;
    const nlohmann::json written = nlohmann::json::parse(BirthFileText(everything));
    std::set<std::string> schemaKeys, writtenKeys;
    for (const auto& [key, property] : schema["properties"].items()) {
        schemaKeys.insert(key);
        if (property.contains("properties"))
            for (const auto& inner : property["properties"].items()) schemaKeys.insert(key + "." + inner.key());
    }
    for (const auto& [key, value] : written.items()) {
        writtenKeys.insert(key);
        if (value.is_object())
            for (const auto& inner : value.items()) writtenKeys.insert(key + "." + inner.key());
    }
    EXPECT_EQ(schemaKeys, writtenKeys);
    EXPECT_EQ(schema["properties"]["format"]["const"], kBirthFileFormat);
    EXPECT_EQ(schema["properties"]["version"]["const"], kBirthFileVersion);
}

}  // namespace
}  // namespace velmora
