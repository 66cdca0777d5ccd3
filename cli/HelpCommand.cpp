#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "analysis/Varga.h"
#include "birth/ChartOptions.h"
#include "birth/DashaChoice.h"
#include "chart/DashaSystems.h"
#include "cli/ChartFields.h"
#include "presentation/VargaPoints.h"

#include "cli/Commands.h"

namespace velmora::cli {

namespace {

constexpr std::string_view kHelp = R"help(velmora-cli: a Graha Arudha chart and its report from one birth's data

Usage:
  velmora-cli --name TEXT --date YYYY-MM-DD --time HH:MM[:SS] --lon DEG:MIN{E|W} --lat DEG:MIN{N|S}
              [--zone POS|ABBR] [--dst] [--city TEXT] [--state TEXT] [--country TEXT]
              [--place TEXT] [--tz AREA/CITY] [--ambiguous earlier|later]
              [--classic | --node mean|true] [--chart-style south|north]
              [--ayanamsa NAME] [--positions apparent|true]
              [--houses @HOUSES@]
              [--today YYYY-MM-DD] [--json] [--save BIRTHFILE [--force]]
              [--dasha-year Y] [--dasha-levels N] [--dasha-systems LIST]
              [--point-details] [--jaimini [--karakas 7|8]] [--cell-degrees]
              [--yogas [--yogas-varga LIST]]
              [--lang en|hi|ta|te|kn [--digits western|native]]
  velmora-cli --open BIRTHFILE [--chart-style south|north] [--today YYYY-MM-DD] [--json]
              [--save BIRTHFILE [--force]]
  velmora-cli --places TEXT      the atlas's places a name finds
  velmora-cli --batch FILE|- [--fields LIST] [--format jsonl|csv] [--jobs N] [--quiet]
              [--lang en|hi|ta|te|kn]
                                 one JSON object per line in, one line per line out
  velmora-cli --match BRIDE GROOM [--json] [--lang en|hi|ta|te|kn [--digits western|native]]
                                 two birth files matched for marriage
  velmora-cli --match-batch FILE|-
                                 one {"bride": {...}, "groom": {...}} line in,
                                 one match line out
  velmora-cli --zones            the 71 zone entries with their positions
  velmora-cli --help

Options:
  --name TEXT        the name: letters and spaces, lower case becomes capitals
  --date YYYY-MM-DD  the birth date, 1800-01-01 to 2399-12-31 (with --classic
                     1901-01-01 to 2050-12-31)
  --time HH:MM[:SS]  the local clock time, 00:00 to 23:59 (seconds count in
                     precise mode only)
  --lon DEG:MIN{E|W} longitude: degrees 0-179, minutes 0-59, East or West (77:35E)
  --lat DEG:MIN{N|S} latitude: degrees 0-89, minutes 0-59, North or South (12:58N)
  --zone POS|ABBR    time zone: list position 0-70 or an abbreviation (default 29, GMT)
  --dst              daylight saving time was in force
  --city, --state, --country TEXT
                     the place, shown with the details
  --place TEXT       a place of the atlas ("Kolkata", "Springfield, Illinois"):
                     its coordinates, names and time zone, where --lon, --lat
                     and --city/--state/--country give none; --lon and --lat
                     are then optional
  --tz AREA/CITY     a time zone with its history (Asia/Kolkata): the offset
                     and daylight saving at the birth replace --zone and --dst
  --ambiguous earlier|later
                     which of a local time shown twice (the hour repeated
                     when the clocks go back)
  --places TEXT      list the places a name finds, most populous first
  --classic          the program's own classic engine instead of the Swiss
                     Ephemeris (up to 1.5 degrees off; the output says
                     "Classic positions (the program's own model)")
  --precise          the default, kept for old scripts: positions from the
                     Swiss Ephemeris at the true instant (Universal Time =
                     clock - zone - 1 h with --dst), Lahiri ayanamsa (unless
                     --ayanamsa chooses another), the
                     ascendant at any latitude, retrograde from the planets'
                     speeds; not with --classic
  --node mean|true   Rahu (and Ketu opposite) in precise mode: the mean node
                     (default, as the classic engine) or the true node; not
                     with --classic
  --ayanamsa NAME    the precise chart's ayanamsa:
@AYANAMSAS@
                     custom:YYYY-MM-DD:DEGREES, a mean value (decimal degrees,
                     -90 to 90) at 0 h UT of that date, carried on by the
                     Swiss Ephemeris's precession (custom:1900-01-01:22.46);
                     not with --classic
  --positions apparent|true
                     apparent positions (default: light time, aberration,
                     nutation) or true geometric ones; not with --classic
  --houses @HOUSES@
                     the houses beside the signs: whole signs (default),
                     Sripati, Placidus or equal houses from the ascendant; the
                     text adds the cusps, each point's house and the bhava
                     chart (Placidus beyond the polar circles: equal houses,
                     and a note says so); not with --classic
  --chart-style south|north
                     the birth chart and the Navamsa drawn South-Indian (the
                     signs in fixed places, default) or North-Indian (the
                     diamond, the ascendant's sign in the top house)
  --today YYYY-MM-DD the day whose running dasha periods are marked (default
                     the system's date)
  --dasha-year @DASHA_YEARS@
                     the dasha year: 365.25 days (default), 365.2425 (Gregorian),
                     360 (savana) or 365.256364 (sidereal); "yearDays" says which
  --dasha-levels N   every dasha period written to N levels, 1 to 5 (default 2:
                     major and sub-periods; 3 pratyantar, 4 sookshma, 5 prana;
                     the other systems as far as they divide:
@DASHA_DEPTHS@)
  --dasha-systems LIST
                     the dashas besides Vimshottari, comma-separated, each
                     under its own key in JSON and its own section in the text:
@DASHA_SYSTEMS@
@DASHA_METHODS@
  --panchanga        add the panchanga at birth ("panchanga": weekday from
                     sunrise to sunrise, tithi, nakshatra, yoga, karana with
                     their start and end, sunrise and sunset); precise only
  --sunrise limb|centre
                     the sunrise of the panchanga: the upper limb with
                     refraction, as almanacs print it (default), or the disc's
                     centre without refraction
  --transit [YYYY-MM-DDTHH:MM]
                     add the transits at that moment on the birth place's clock
                     (now without one): positions, houses from the Moon and the
                     ascendant, sade sati, next sign changes and stations
  --sensitivity MINUTES
                     add how the chart changes within MINUTES (1 to 180) either
                     side of the birth time: each moment, to the second, at
                     which the lagna, a varga's lagna, a graha's sign in a
                     varga, the Moon's nakshatra and pada, the Vimshottari lords
                     at birth, a bhava or a cusp's sign changes, and the days
                     the dasha dates move a minute ("sensitivity"); precise only
  --strengths        add the strengths: shadbala of the Sun ... Saturn (six
                     sources in virupas with their parts, rupas against the
                     least needed, ishta and kashta phala), bhava bala of the
                     twelve houses and vimsopaka bala in four schemes
                     ("strengths"); a classic chart has the vimsopaka bala
                     alone; the day from the sunrise --sunrise chooses
  --json             one JSON object instead of the text for a person
  --varga DN         one divisional chart alone, in the chosen chart style
                     (Brihat Parashara Hora Shastra, ch. 6); with --json the
                     object gains "vargas": every point's sign index in each:
@VARGAS@
  --open BIRTHFILE   the chart of a birth file (.velmora) saved by the window
                     or by --save, instead of the options that describe a birth
  --save BIRTHFILE   also write the birth as a birth file the window opens
                     (written whole or not at all; only for a chart that computes;
                     a birth that would not open again is refused)
  --force            with --save: replace the birth file even when it is read-only
  --batch FILE|-     each line {"name","date","time","lon","lat","zone","dst","city",
                     "state","country","precise","node","place","tz","ambiguous",
                     "ayanamsa","positions","houses","dashaYear"} gives
                     one output line ("precise": false for the classic engine):
                     the --json object (compact) or {"error": message}; a line
                     longer than 1 MiB is refused as one error line
  --fields LIST      with --batch: what each output line holds, a comma-separated
                     list of the object's keys in the order wanted, such as
                     positions,degrees,bodySigns,arudhaSigns (default: the whole
                     object; without report and reportText the report is not
                     written at all, which is much faster); the keys of the
                     object, in its order (the dasha systems besides
                     Vimshottari's "dashas" only when asked; ayanamsaName to
                     housesNote only for precise charts: a classic chart's
                     object leaves them out, its CSV cells are empty):
@FIELDS@
                     and, only when named or asked for by their options:
@MORE_FIELDS@
                     (sensitivity: ±30 minutes unless --sensitivity says; CSV:
                     for each item the minutes back to the change that began
                     its value and on to the one that ends it)
                     (strengths, also asked with --strengths: in CSV the totals
                     strength_sun ... strength_saturn, strength_bhava_1 ...
                     strength_bhava_12)
  --format jsonl|csv with --batch: JSON lines (default) or comma-separated values
                     (RFC 4180: a header row, one row a birth, lists spread over
                     columns such as position_sun ... position_asc, a last column
                     "error" holding a refused line's message); csv takes every
                     field but report and the dashas unless --fields says
                     otherwise
  --jobs N           with --batch: compute on N threads (default: every core),
                     the output still in input order
  --quiet            with --batch: no progress line on standard error (it is
                     shown only when standard error is a terminal)
  --ashtakavarga     also Parashara's ashtakavarga: the planets' bindus by sign
                     and their sum (sarvashtakavarga) as a table and a chart; in
                     JSON the key "ashtakavarga" ("bav": seven lists of twelve,
                     Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn; "sav":
                     twelve) after all others; in CSV sav_ari ... sav_pis
  --ashtakavarga-reading raman|rao
                     with --ashtakavarga (or ashtakavarga in --fields): whose
                     reading of Parashara's tables, B. V. Raman's (default) or
                     P. V. R. Narasimha Rao's (four places differ); named in
                     the text and in JSON as "reading" after "sav"
  --ashtakavarga-reduced
                     with --ashtakavarga (or ashtakavarga in --fields): also
                     the tables after trikona and ekadhipatya shodhana and each
                     planet's rasi, graha and shodhya pinda; in JSON
                     "reduced" ("bav", "rasiPinda", "grahaPinda",
                     "shodhyaPinda") after "reading"
  --point-details    also the full position table: each point's longitude to
                     the second, sign, nakshatra with pada and lord, speed,
                     motion, dignity (BPHS ch. 3), combustion (Surya Siddhanta
                     orbs) and planetary war; in JSON "pointDetails", one
                     object a point (docs/positions.md)
  --jaimini          also the Jaimini analyses: the chara karakas in both
                     schemes, the karakamsa, the aspects of signs, the argalas
                     on each house and the arudha padas of every varga; in JSON
                     "jaimini" (docs/jaimini.md)
  --karakas 7|8      with --jaimini: the chara karakas' scheme named first and
                     the karakamsa's: 8 with Rahu (default) or 7, Sun to Saturn
  --cell-degrees     each point's degrees and minutes in its sign written in the
                     birth chart's cells (the text)
  --yogas            also the yogas present (a catalogue of 100 from BPHS,
                     Phaladeepika and Saravali) with the planets forming them
                     and their sources, and the doshas: Mars dosha, Kala Sarpa,
                     Kemadruma, with their cancellations; in JSON "yogas" and
                     "doshas" (docs/yogas.md)
  --yogas-varga LIST with --yogas: the vargas the yogas are read in, such as
                     D1,D9 (default D1)
  --lang en|hi|ta|te|kn
                     the text in English (default), Hindi, Tamil, Telugu or
                     Kannada: its headings and column titles, and the chart's
                     terms (signs, planets, nakshatras, panchanga, dashas,
                     vargas) in every section and chart, the date of birth
                     with the language's month names (the report and some
                     sentences stay English); also the --match text, its
                     reasons and doshas; JSON, and each --batch line,
                     keeps its English keys and values and adds "labels",
                     the same terms in the language (--match --json: the
                     Moons, the kootas' names and reasons, the doshas)
  --digits western|native
                     with --lang: the text's digits Western Arabic 0-9
                     (default) or the language's own (Devanagari, Tamil,
                     Telugu, Kannada digits)
  --match BRIDE GROOM
                     two birth files matched for marriage, the bride's first:
                     the eight kootas of the North-Indian guna milan (36 points)
                     with the reason for each, the total, the Nadi and Bhakoot
                     doshas and each chart's Mars dosha; JSON with --json
  --match-batch FILE|-
                     pairs to match, a line each: {"bride": {...}, "groom":
                     {...}}, each side as a --batch line; one line out a pair,
                     {"match": ...} as --match --json writes it (compact) or
                     {"error": message} naming the bride or the groom
  --zones            list the time zones
  -h, --help         this text

A classic chart's text output is followed on standard error by the line
"Classic positions (the program's own model)"; its JSON says "mode": "classic".

Exit status: 0 done, 2 refused (the message alone on standard error; with
--batch, when any line was refused), 1 when the output could not be written.
)help";

}  // namespace

namespace {

constexpr std::size_t kDescriptionColumn = 21;
constexpr std::size_t kWidth = 80;

// Words and their separators wrapped under the options' descriptions.
std::string Wrapped(const std::vector<std::string>& words, std::string_view separator, std::string_view last) {
    std::string out, line(kDescriptionColumn, ' ');
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string word = words[i];
        word += i + 1 == words.size() ? std::string() : i + 2 == words.size() ? std::string(last) : std::string(separator);
        std::string_view bare = word;
        while (!bare.empty() && bare.back() == ' ') bare.remove_suffix(1);
        if (line.size() > kDescriptionColumn && line.size() + bare.size() > kWidth) {
            while (!line.empty() && line.back() == ' ') line.pop_back();
            out += line + "\n";
            line.assign(kDescriptionColumn, ' ');
        }
        line += word;
    }
    return out + line;
}

template <typename Rows, typename Word>
std::vector<std::string> Words(const Rows& rows, Word word) {
    std::vector<std::string> words;
    for (const auto& row : rows) words.emplace_back(word(row));
    return words;
}

std::string Joined(const std::vector<std::string>& words, std::string_view separator) {
    std::string joined;
    for (const std::string& word : words) joined += (joined.empty() ? "" : std::string(separator)) + word;
    return joined;
}

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    for (std::size_t at = 0, space = 0; at < text.size(); at = space + 1) {
        space = text.find(' ', at);
        if (space == std::string::npos) space = text.size();
        words.push_back(text.substr(at, space - at));
    }
    return words;
}

// The help with the lists the descriptor tables hold: every ayanamsa, house
// system, dasha year and system, varga and output field.
std::string HelpText() {
    std::vector<std::string> ayanamsas;
    for (const AyanamsaRow& row : kAyanamsas)
        if (row.kind != AyanamsaKind::Custom)
            ayanamsas.push_back(std::string(row.key) + (row.kind == AyanamsaKind::Lahiri ? " (default)" : ""));
    ayanamsas.emplace_back("or");
    std::vector<std::string> systems;
    for (const DashaSystemKeyRow& row : kDashaSystemKeys)
        if (row.system != DashaSystem::Vimshottari) systems.emplace_back(row.key);
    // How deep each system is divided, those of one depth together
    // ("yogini and ashtottari to 3"), and whose reading each sign dasha follows.
    std::string depths;
    for (int levels = kMaxDashaLevels; levels >= 1; --levels) {
        std::vector<std::string> keys;
        for (const DashaSystemRow& row : AllDashaSystems())
            if (row.system != DashaSystem::Vimshottari && row.table().levels == levels)
                keys.emplace_back(DashaSystemKey(row.system));
        if (keys.empty()) continue;
        std::string group = keys.back();
        if (keys.size() > 1) {
            keys.pop_back();
            group = Joined(keys, ", ") + " and " + group;
        }
        depths += (depths.empty() ? "" : ", ") + group + " to " + std::to_string(levels);
    }
    std::vector<std::string> methods;
    for (const DashaSystemRow& row : AllDashaSystems()) {
        const DashaTable& table = row.table();
        if (table.method.empty()) continue;
        for (std::string& word : SplitWords(std::string(DashaSystemKey(row.system)) + " in " + std::string(table.method) + ";"))
            methods.push_back(std::move(word));
    }
    if (!methods.empty()) methods.back().back() = '.';
    std::vector<std::string> vargas;
    for (int v = 0; v < kVargaCount; ++v) vargas.push_back(VargaShortLabel(v));
    std::vector<std::string> fields, more;
    for (const ChartField& field : AllChartFields()) fields.emplace_back(field.name);
    for (const auto table : {OnRequestChartFields(), RequestedChartFields(), NamedChartFields()})
        for (const ChartField& field : table) more.emplace_back(field.name);
    const std::pair<std::string_view, std::string> lists[] = {
        {"@HOUSES@", Joined(Words(kHouseSystemRows, [](const HouseSystemRow& r) { return r.key; }), "|")},
        {"@DASHA_YEARS@", Joined(Words(kDashaYearChoices, [](const DashaYearInfo& y) { return y.key; }), "|")},
        {"@AYANAMSAS@", Wrapped(ayanamsas, ", ", " ")},
        {"@DASHA_SYSTEMS@", Wrapped(systems, ", ", ", ")},
        {"@DASHA_DEPTHS@", Wrapped(SplitWords(depths), " ", " ")},
        {"@DASHA_METHODS@", Wrapped(methods, " ", " ")},
        {"@VARGAS@", Wrapped(vargas, ", ", " or ")},
        {"@FIELDS@", Wrapped(fields, ", ", ", ")},
        {"@MORE_FIELDS@", Wrapped(more, ", ", ", ")},
    };
    std::string help(kHelp);
    for (const auto& [token, text] : lists)
        for (std::size_t at = help.find(token); at != std::string::npos; at = help.find(token, at + text.size()))
            help.replace(at, token.size(), text);
    return help;
}

}  // namespace

int RunHelpCommand(std::ostream& out) {
    out << HelpText();
    return 0;
}

}  // namespace velmora::cli
