#include <ostream>

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
              [--houses whole|sripati|placidus|equal]
              [--today YYYY-MM-DD] [--json] [--save BIRTHFILE [--force]]
              [--dasha-year Y] [--dasha-levels N] [--dasha-systems LIST]
  velmora-cli --open BIRTHFILE [--chart-style south|north] [--today YYYY-MM-DD] [--json]
              [--save BIRTHFILE [--force]]
  velmora-cli --places TEXT      the atlas's places a name finds
  velmora-cli --batch FILE|- [--fields LIST] [--format jsonl|csv] [--jobs N] [--quiet]
                                 one JSON object per line in, one line per line out
  velmora-cli --match BRIDE GROOM [--json]
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
  --ayanamsa NAME    the precise chart's ayanamsa: lahiri (default),
                     true-chitra, krishnamurti, raman, yukteshwar,
                     fagan-bradley, true-pushya, lahiri-icrc, or
                     custom:YYYY-MM-DD:DEGREES, a mean value (decimal degrees,
                     -90 to 90) at 0 h UT of that date, carried on by the
                     Swiss Ephemeris's precession (custom:1900-01-01:22.46);
                     not with --classic
  --positions apparent|true
                     apparent positions (default: light time, aberration,
                     nutation) or true geometric ones; not with --classic
  --houses whole|sripati|placidus|equal
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
  --dasha-year 365.25|365.2425|360|sidereal
                     the dasha year: 365.25 days (default), 365.2425 (Gregorian),
                     360 (savana) or 365.256364 (sidereal); "yearDays" says which
  --dasha-levels N   every dasha period written to N levels, 1 to 5 (default 2:
                     major and sub-periods; 3 pratyantar, 4 sookshma, 5 prana;
                     Yogini and Ashtottari go to 3 at most)
  --dasha-systems LIST
                     the dashas besides Vimshottari, comma-separated: yogini,
                     ashtottari (the JSON's "yogini" and "ashtottari", the text's
                     sections)
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
  --strengths        add the strengths: shadbala of the Sun ... Saturn (six
                     sources in virupas with their parts, rupas against the
                     least needed, ishta and kashta phala), bhava bala of the
                     twelve houses and vimsopaka bala in four schemes
                     ("strengths"); a classic chart has the vimsopaka bala
                     alone; the day from the sunrise --sunrise chooses
  --json             one JSON object instead of the text for a person
  --varga DN         one of the sixteen divisional charts alone, in the chosen
                     chart style: D1, D2, D3, D4, D7, D9, D10, D12, D16, D20,
                     D24, D27, D30, D40, D45 or D60 (Brihat Parashara Hora
                     Shastra, ch. 6); with --json the object gains "vargas":
                     every point's sign index in each varga
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
                     written at all, which is much faster); the keys: name,
                     positions, longitudes, bodyNames, bodySigns, arudhaSigns,
                     signBoxes, arudhaBoxes, details, report, reportText, mode,
                     ayanamsa, degrees, nakshatras, navamsaSigns, dashas,
                     yogini, ashtottari, (these two only when asked for)
                     ayanamsaName, positionKind, houses, cusps, bhavas, housesNote
                     (the last six only for precise charts: a classic chart's
                     object leaves them out, its CSV cells are empty; and, only
                     when named, vargas: {"D1": [ten sign indices], ... "D60":
                     [...]}; CSV columns varga_d1_sun ... varga_d60_asc; and
                     ashtakavarga, also written with --ashtakavarga; and,
                     computed only when named or asked for with --panchanga
                     and --transit: panchanga, transits; strengths, also asked
                     with --strengths, in CSV the totals strength_sun ...
                     strength_saturn, strength_bhava_1 ... strength_bhava_12)
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
                     with --ashtakavarga: whose reading of Parashara's tables,
                     B. V. Raman's (default) or P. V. R. Narasimha Rao's (four
                     places differ); named in the text and in JSON as "reading"
                     after "sav"
  --ashtakavarga-reduced
                     with --ashtakavarga: also the tables after trikona and
                     ekadhipatya shodhana and each planet's rasi, graha and
                     shodhya pinda; in JSON "reduced" ("bav", "rasiPinda",
                     "grahaPinda", "shodhyaPinda") after "reading"
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

int RunHelpCommand(std::ostream& out) {
    out << kHelp;
    return 0;
}

}  // namespace velmora::cli
