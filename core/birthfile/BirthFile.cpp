#include "birthfile/BirthFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <set>
#include <vector>
#include <nlohmann/json.hpp>

#include "birthfile/AtomicFile.h"
#include "text/Quoted.h"
#include "text/Utf8.h"
#include "birth/KeyFilters.h"
#include "birth/ZoneTable.h"

namespace velmora {

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

// A refusal on the way through the document: thrown by the readers below,
// caught once in ParseBirthFile, which says the file is damaged.
struct Refusal {
    std::string reason;
};

[[noreturn]] void Damaged(std::string_view key, std::string_view what) {
    throw Refusal{Quoted(key) + " " + std::string(what)};
}

// Every key of `object` must be one of `known`.
void OnlyKeys(const Json& object, std::string_view where, std::initializer_list<std::string_view> known) {
    for (const auto& item : object.items()) {
        bool found = false;
        for (std::string_view k : known) found = found || item.key() == k;
        if (!found) {
            const std::string key = where.empty() ? item.key() : std::string(where) + "." + item.key();
            throw Refusal{"it holds " + Quoted(key) + ", which a birth file of version " +
                          std::to_string(kBirthFileVersion) + " does not have"};
        }
    }
}

const Json& Member(const Json& object, std::string_view where, const char* key) {
    const auto it = object.find(key);
    const std::string name = where.empty() ? std::string(key) : std::string(where) + "." + key;
    if (it == object.end()) throw Refusal{Quoted(name) + " is missing"};
    return *it;
}

std::string Path(std::string_view where, const char* key) {
    return where.empty() ? std::string(key) : std::string(where) + "." + key;
}

const Json& Object(const Json& object, const char* key) {
    const Json& value = Member(object, "", key);
    if (!value.is_object()) Damaged(key, "is not an object");
    return value;
}

int Integer(const Json& object, std::string_view where, const char* key, int lowest, int highest) {
    const Json& value = Member(object, where, key);
    const std::string name = Path(where, key);
    if (!value.is_number_integer()) Damaged(name, "is not a whole number");
    // A number beyond the signed range comes as unsigned; it is shown as written.
    const bool huge =
        value.is_number_unsigned() && value.get<unsigned long long>() > static_cast<unsigned long long>(highest);
    const auto n = huge ? highest + 1LL : value.get<long long>();
    if (n < lowest || n > highest)
        Damaged(name, "is " + value.dump() + ", outside " + std::to_string(lowest) + " to " +
                          std::to_string(highest));
    return static_cast<int>(n);
}

std::string Text(const Json& object, std::string_view where, const char* key, bool required = true) {
    if (!required && !object.contains(key)) return {};
    const Json& value = Member(object, where, key);
    if (!value.is_string()) Damaged(Path(where, key), "is not a text");
    return value.get<std::string>();
}

// One of `choices`; absent means the first when not required.
int Choice(const Json& object, const char* key, std::initializer_list<std::string_view> choices, bool required) {
    if (!required && !object.contains(key)) return 0;
    const std::string text = Text(object, "", key);
    int index = 0;
    std::string listed;
    for (std::string_view choice : choices) {
        if (text == choice) return index;
        listed += (index ? " or " : "") + Quoted(choice);
        ++index;
    }
    Damaged(key, "is " + Quoted(text) + ", not " + listed);
}

// A text a one-line box takes as it is: no line breaks or other control characters.
std::string LineText(const Json& object, const char* key) {
    std::string text = Text(object, "", key, false);
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) Damaged(key, "holds a control character, which a text box cannot hold");
    }
    return text;
}

// A text typed into a filtered box, key by key.
std::string Typed(const std::string& keys, std::string_view key, KeyFilter filter, std::size_t maxLength) {
    std::string box;
    const std::string refused = TypeIntoBox(keys, filter, maxLength, "the box", box);
    if (!refused.empty()) Damaged(key, "holds what the form does not take: " + refused);
    return box;
}

struct Angle {
    std::string degrees, minutes;
    bool first;  // East or North
};

Angle ReadAngle(const Json& document, const char* key, std::size_t degreeDigits, const char* first,
                const char* second) {
    const Json& angle = Object(document, key);
    OnlyKeys(angle, key, {"degrees", "minutes", "hemisphere"});
    Angle a;
    a.degrees = Typed(Text(angle, key, "degrees"), Path(key, "degrees"), FilterNumberKey, degreeDigits);
    a.minutes = Typed(Text(angle, key, "minutes"), Path(key, "minutes"), FilterNumberKey, 2);
    const std::string hemisphere = Text(angle, key, "hemisphere");
    if (hemisphere != first && hemisphere != second)
        Damaged(Path(key, "hemisphere"), "is " + Quoted(hemisphere) + ", not " + Quoted(first) + " or " + Quoted(second));
    a.first = hemisphere == first;
    return a;
}

FormFields ReadFields(const Json& document) {
    OnlyKeys(document, "",
             {"format", "version", "name", "date", "time", "city", "state", "country", "longitude", "latitude",
              "zone", "daylightSaving", "mode", "node", "place", "timeZone", "repeatedHour", "ayanamsa",
              "positions", "houses", "dashaYear", "dashaSystem"});
    FormFields f;
    f.Name = Typed(Text(document, "", "name"), "name", FilterNameKey, kNoBoxLimit);

    const Json& date = Object(document, "date");
    OnlyKeys(date, "date", {"year", "month", "day"});
    f.Year = YearField(Integer(date, "date", "year", kPreciseYears.first, kPreciseYears.last));
    f.Month = Integer(date, "date", "month", 1, kMonthItems) - 1;
    f.Day = Integer(date, "date", "day", 1, kDayItems) - 1;

    const Json& time = Object(document, "time");
    OnlyKeys(time, "time", {"hour", "minute", "second"});
    f.Hour = Integer(time, "time", "hour", 0, kHourItems - 1);
    f.Minute = Integer(time, "time", "minute", 0, kMinuteItems - 1);
    f.Second = Integer(time, "time", "second", 0, kMinuteItems - 1);

    f.City = LineText(document, "city");
    f.State = LineText(document, "state");
    f.Country = LineText(document, "country");

    const Angle lon = ReadAngle(document, "longitude", 3, "E", "W");
    f.LonDeg = lon.degrees;
    f.LonMin = lon.minutes;
    f.East = lon.first;
    const Angle lat = ReadAngle(document, "latitude", 2, "N", "S");
    f.LatDeg = lat.degrees;
    f.LatMin = lat.minutes;
    f.South = !lat.first;

    const Json& zone = Object(document, "zone");
    OnlyKeys(zone, "zone", {"position", "text"});
    f.Zone = Integer(zone, "zone", "position", 0, kZoneItems - 1);
    if (zone.contains("text")) {
        const std::string text = Text(zone, "zone", "text");
        const std::string_view listed = kZoneTable[static_cast<std::size_t>(f.Zone)].DisplayText;
        if (text != listed)
            Damaged("zone.text", "is " + Quoted(text) + ", but position " + std::to_string(f.Zone) + " is " +
                                     Quoted(listed));
    }
    const Json& dst = Member(document, "", "daylightSaving");
    if (!dst.is_boolean()) Damaged("daylightSaving", "is not true or false");
    f.DaylightSaving = dst.get<bool>();

    f.Mode = Choice(document, "mode", {"classic", "precise"}, false) ? ComputationMode::Precise : ComputationMode::Classic;
    if (f.Mode == ComputationMode::Classic && !kClassicYears.Holds(FormYear(f)))
        Damaged("date.year", "is " + std::to_string(FormYear(f)) +
                                 ", outside 1901 to 2050, the classic positions' years (precise positions take 1800 "
                                 "to 2399)");
    f.Node = Choice(document, "node", {"mean", "true"}, false) ? NodeKind::True : NodeKind::Mean;
    f.Place = LineText(document, "place");
    f.TimeZoneId = LineText(document, "timeZone");
    if (f.TimeZoneId.empty() && !f.Place.empty())
        Damaged("place", "is given without the place's \"timeZone\"");
    switch (Choice(document, "repeatedHour", {"ask", "earlier", "later"}, false)) {
    case 1: f.Repeated = RepeatedHour::Earlier; break;
    case 2: f.Repeated = RepeatedHour::Later; break;
    default: f.Repeated = RepeatedHour::Unresolved; break;
    }
    if (document.contains("ayanamsa")) {
        const std::string ayanamsa = Text(document, "", "ayanamsa");
        if (!ParseAyanamsa(ayanamsa, f.Options))
            Damaged("ayanamsa", "is " + Quoted(ayanamsa) + ", not " + AyanamsaChoices());
    }
    f.Options.positions =
        Choice(document, "positions", {"apparent", "true"}, false) ? PositionKind::True : PositionKind::Apparent;
    f.Options.houses = static_cast<HouseSystem>(
        Choice(document, "houses",
               {HouseSystemName(HouseSystem::WholeSign), HouseSystemName(HouseSystem::Sripati),
                HouseSystemName(HouseSystem::Placidus), HouseSystemName(HouseSystem::Equal)},
               false));
    // The dasha choices; a file without them takes the defaults.
    f.DashaYearChoice = static_cast<DashaYear>(
        Choice(document, "dashaYear", {"365.25", "365.2425", "360", "sidereal"}, false));
    f.DashaSystemChoice = static_cast<DashaSystem>(
        Choice(document, "dashaSystem", {"vimshottari", "yogini", "ashtottari", "chara", "narayana"}, false));
    return f;
}

OrderedJson AngleJson(const std::string& degrees, const std::string& minutes, const char* hemisphere) {
    return OrderedJson{{"degrees", degrees}, {"minutes", minutes}, {"hemisphere", hemisphere}};
}

constexpr std::string_view kDamaged = "it is damaged: ";

std::string NotJson(std::string_view bytes, std::size_t byte) {
    return bytes.find('{') == std::string_view::npos
               ? "it is not a Velmora birth file"
               : std::string(kDamaged) + "it is not valid JSON (at byte " + std::to_string(byte) + ")";
}

std::string Joined(const std::vector<std::string>& keys) {
    std::string path;
    for (const std::string& key : keys) {
        if (key.empty()) continue;
        if (!path.empty()) path += '.';
        path += key;
    }
    return path;
}

// The JSON document of `bytes`, refusing what the JSON library would let by
// or die of: a key given twice in one object (it keeps the last), a number
// too large for a double, and bytes after a NUL (it stops reading there).
Json ParseDocument(std::string_view bytes) {
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) throw Refusal{NotJson(bytes, nul + 1)};
    std::vector<std::set<std::string>> seen;  // the keys of each object open
    std::vector<std::string> path;            // the last key of each
    const Json::parser_callback_t check = [&](int, Json::parse_event_t event, Json& parsed) {
        switch (event) {
        case Json::parse_event_t::object_start:
            seen.emplace_back();
            path.emplace_back();
            break;
        case Json::parse_event_t::object_end:
            seen.pop_back();
            path.pop_back();
            break;
        case Json::parse_event_t::key: {
            const std::string& key = parsed.get_ref<const std::string&>();
            path.back() = key;
            if (!seen.back().insert(key).second)
                throw Refusal{std::string(kDamaged) + "it holds " + Quoted(Joined(path)) + " twice"};
            break;
        }
        default: break;
        }
        return true;
    };
    try {
        return Json::parse(bytes, check);
    } catch (const Json::parse_error& e) {
        throw Refusal{NotJson(bytes, e.byte)};
    } catch (const Json::out_of_range&) {
        const std::string where = Joined(path);
        throw Refusal{std::string(kDamaged) + (where.empty() ? "it holds" : Quoted(where) + " is") +
                      " a number too large to read"};
    }
}

OrderedJson Document(const FormFields& f) {
    OrderedJson d;
    d["format"] = kBirthFileFormat;
    d["version"] = kBirthFileVersion;
    d["name"] = f.Name;
    d["date"] = OrderedJson{{"year", FormYear(f)}, {"month", f.Month + 1}, {"day", f.Day + 1}};
    d["time"] = OrderedJson{{"hour", f.Hour}, {"minute", f.Minute}, {"second", f.Second}};
    d["city"] = f.City;
    d["state"] = f.State;
    d["country"] = f.Country;
    d["longitude"] = AngleJson(f.LonDeg, f.LonMin, f.East ? "E" : "W");
    d["latitude"] = AngleJson(f.LatDeg, f.LatMin, f.South ? "S" : "N");
    OrderedJson zone{{"position", f.Zone}};
    if (f.Zone >= 0 && f.Zone < kZoneItems) zone["text"] = kZoneTable[static_cast<std::size_t>(f.Zone)].DisplayText;
    d["zone"] = zone;
    d["daylightSaving"] = f.DaylightSaving;
    d["mode"] = f.Mode == ComputationMode::Precise ? "precise" : "classic";
    d["node"] = f.Node == NodeKind::True ? "true" : "mean";
    d["place"] = f.Place;
    d["timeZone"] = f.TimeZoneId;
    d["repeatedHour"] = f.Repeated == RepeatedHour::Earlier ? "earlier" : f.Repeated == RepeatedHour::Later ? "later" : "ask";
    d["ayanamsa"] = AyanamsaText(f.Options);
    d["positions"] = PositionKindName(f.Options.positions);
    d["houses"] = HouseSystemName(f.Options.houses);
    // Written only when chosen, so that a birth of the defaults is the file it always was.
    if (f.DashaYearChoice != DashaYear::Julian) d["dashaYear"] = DashaYearOf(f.DashaYearChoice).key;
    if (f.DashaSystemChoice != DashaSystem::Vimshottari) d["dashaSystem"] = DashaSystemKey(f.DashaSystemChoice);
    return d;
}

// Every text of the document is UTF-8, as the reader wants the whole file.
void CheckUtf8(const OrderedJson& value, const std::string& where) {
    if (value.is_string() && FirstInvalidUtf8(value.get_ref<const std::string&>()) != std::string_view::npos)
        throw Refusal{Quoted(where) + " is not UTF-8 text"};
    if (value.is_object())
        for (const auto& item : value.items()) CheckUtf8(item.value(), where.empty() ? item.key() : where + "." + item.key());
}

std::string Indented(const OrderedJson& document) {
    return document.dump(2, ' ', false, OrderedJson::error_handler_t::replace) + "\n";
}

}  // namespace

std::string BirthFileText(const FormFields& f) { return Indented(Document(f)); }

BirthFileRead ParseBirthFile(std::string_view bytes) {
    BirthFileRead result;
    if (bytes.size() > kBirthFileMaxBytes) {
        result.error = "it is larger than " + std::to_string(kBirthFileMaxBytes / 1024) +
                       " KB, far more than a birth file holds";
        return result;
    }
    if (const std::size_t bad = FirstInvalidUtf8(bytes); bad != std::string_view::npos) {
        result.error = "its text is not UTF-8 (byte " + std::to_string(bad + 1) + ")";
        return result;
    }
    Json document;
    try {
        document = ParseDocument(bytes);
    } catch (const Refusal& refusal) {
        result.error = refusal.reason;
        return result;
    }
    const auto format = document.is_object() ? document.find("format") : document.end();
    if (!document.is_object() || format == document.end() || *format != kBirthFileFormat) {
        result.error = "it is not a Velmora birth file";
        return result;
    }
    // Read from text, a version that is not negative is always unsigned.
    const auto version = document.find("version");
    if (version == document.end() || !version->is_number_unsigned() || version->get<unsigned long long>() < 1) {
        result.error = std::string(kDamaged) + "its \"version\" is missing or not a version number";
        return result;
    }
    if (version->get<unsigned long long>() > static_cast<unsigned long long>(kBirthFileVersion)) {
        result.error = "it was written by a newer Velmora (birth file version " + version->dump() +
                       "; this one reads version " + std::to_string(kBirthFileVersion) + ")";
        return result;
    }
    try {
        result.fields = ReadFields(document);
    } catch (const Refusal& refusal) {
        result.fields = FormFields{};
        result.error = std::string(kDamaged) + refusal.reason;
    }
    return result;
}

BirthFileRead ReadBirthFile(const std::string& path) {
    BirthFileRead result;
    const auto refuse = [&](const std::string& reason) {
        result.fields = FormFields{};
        result.error = "Cannot open " + Quoted(path) + ": " + reason + ".";
        return result;
    };
    // A FIFO, device or socket is refused before opening it, and opening
    // does not wait (a FIFO put in the file's place meanwhile opens at once
    // and is then refused by what it is).
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return refuse("it is not a regular file");
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return refuse(std::strerror(errno));
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return refuse("it is not a regular file");
    }
    // One byte beyond the limit is enough to know a file is too large. A
    // file of no size is not read at all: that is how /proc shows its files,
    // some of which wait for data (/proc/kmsg) or are used up by reading.
    std::string bytes(info.st_size > 0 ? kBirthFileMaxBytes + 1 : 0, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return refuse(std::strerror(error));
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    result = ParseBirthFile(bytes);
    if (!result.Ok()) return refuse(result.error);
    return result;
}

BirthFileSave WriteBirthFile(const std::string& path, const FormFields& fields, bool replaceReadOnly) {
    BirthFileSave save;
    const auto notSaved = [&](const std::string& reason) {
        save.error = "Cannot save " + Quoted(path) + ": " + reason + ". The file is as it was.";
        return save;
    };
    // What is saved must open again: the text goes through the reader's own
    // checks first, and what they refuse is not written.
    const OrderedJson document = Document(fields);
    const std::string text = Indented(document);
    std::string refusal;
    try {
        CheckUtf8(document, "");
        refusal = ParseBirthFile(text).error;
    } catch (const Refusal& notUtf8) {
        refusal = notUtf8.reason;
    }
    if (!refusal.empty()) {
        if (refusal.starts_with(kDamaged)) refusal.erase(0, kDamaged.size());
        save.refused = true;
        return notSaved(refusal);
    }
    AtomicWriteOptions options;
    options.replaceReadOnly = replaceReadOnly;
    const AtomicWriteResult written = WriteFileAtomically(path, text, options);
    if (!written.Ok()) {
        save.refused = written.refused;
        save.readOnly = written.readOnly;
        return notSaved(written.failure);
    }
    if (written.otherNames > 0)
        save.notice = "Saved " + Quoted(path) + " as a file of its own: it had " + std::to_string(written.otherNames) +
                      (written.otherNames == 1 ? " other name (a hard link), which keeps"
                                               : " other names (hard links), which keep") +
                      " the birth it held before.";
    return save;
}

}  // namespace velmora
