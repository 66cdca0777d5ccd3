#include "python/Documentation.h"

#include <sstream>
#include <string_view>

#include "cli/ChartFields.h"
#include "cli/Commands.h"
#include "python/BatchChoices.h"

namespace velmora::python {

namespace {

std::string HelpText() {
    std::ostringstream out;
    cli::RunHelpCommand(out);
    return out.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The paragraph of --help that describes `option` ("--fields"), its lines
// without their indent; empty when --help has none.
std::vector<std::string> Paragraph(std::string_view option) {
    std::vector<std::string> paragraph;
    const std::vector<std::string> lines = Lines(HelpText());
    bool in = false;
    for (const std::string& line : lines) {
        const std::string_view head = std::string_view(line).substr(0, std::min<std::size_t>(line.size(), 4));
        const bool starts = head.starts_with("  -");
        if (in && (starts || line.empty() || !line.starts_with("   "))) break;
        if (!in && starts) {
            const std::string_view rest = std::string_view(line).substr(2);
            in = rest.starts_with(option) &&
                 (rest.size() == option.size() || rest[option.size()] == ' ' || rest[option.size()] == ',');
        }
        if (!in) continue;
        const std::size_t text = line.find_first_not_of(' ');
        paragraph.push_back(line.substr(text));
    }
    return paragraph;
}

// The option whose paragraph describes a birth's key.
std::string OptionOfKey(std::string_view key) {
    if (key == "precise") return "--classic";
    if (key == "dashaYear") return "--dasha-year";
    if (key == "state" || key == "country") return "--city";
    return "--" + std::string(key);
}

// Lines indented by `indent` spaces, the options named as keywords.
std::string Indented(const std::vector<std::string>& lines, std::size_t indent) {
    std::string text;
    for (const std::string& line : lines) text += std::string(indent, ' ') + AsKeywords(line) + "\n";
    return text;
}

std::string FieldList(std::size_t indent) {
    std::string text, line(indent, ' ');
    for (const cli::ChartField* field : cli::EveryChartField()) {
        const std::string word = std::string(field->name) + (field == cli::EveryChartField().back() ? "" : ", ");
        if (line.size() + word.size() > 78) {
            while (line.back() == ' ') line.pop_back();
            text += line + "\n";
            line.assign(indent, ' ');
        }
        line += word;
    }
    return text + line + "\n";
}

std::string ChoicesText() {
    std::string text;
    for (const Choice& choice : Choices()) {
        std::vector<std::string> paragraph = Paragraph(choice.option);
        if (paragraph.empty()) continue;
        text += Indented(paragraph, 4);
    }
    return text;
}

std::string BirthText() {
    std::string text;
    for (const std::string& key : BirthKeys()) {
        if (key == "state" || key == "country") continue;  // with city
        text += "    " + key + (key == "city" ? ", state, country" : "") + ":\n";
        std::vector<std::string> paragraph = Paragraph(OptionOfKey(key));
        if (!paragraph.empty()) paragraph.erase(paragraph.begin());  // the option's own line
        text += Indented(paragraph, 6);
    }
    return text;
}

// The Python type of a birth's key: a zone is a list position or an
// abbreviation, dst and precise are truth values, the others texts (as the
// batch reads them, cli/BatchRunner).
std::string_view KeyType(std::string_view key) {
    if (key == "zone") return "int | str";
    if (key == "dst" || key == "precise") return "bool";
    return "str";
}

constexpr std::string_view kBirthIntro =
    "A birth is a dict with the keys of a line of velmora-cli --batch (or that line\n"
    "itself as a str): name, date and time always, lon and lat unless a place gives\n"
    "them. None and NaN stand for a key left out (an empty cell of a DataFrame).\n";

}  // namespace

std::vector<std::string> BirthKeys() {
    // The keys --batch lists: {"name","date",…,"dashaYear"}.
    std::string listed;
    for (const std::string& line : Paragraph("--batch")) listed += line;
    std::vector<std::string> keys;
    const std::size_t open = listed.find('{'), close = listed.find('}');
    std::string_view inside = std::string_view(listed).substr(open + 1, close - open - 1);
    for (std::size_t at = 0; (at = inside.find('"', at)) != std::string_view::npos;) {
        const std::size_t end = inside.find('"', at + 1);
        keys.emplace_back(inside.substr(at + 1, end - at - 1));
        at = end + 1;
    }
    return keys;
}

std::string ChartDoc() {
    return "chart(birth, **choices) -> dict\n\n"
           "The chart of one birth as velmora-cli --json writes it: a dict with the same\n"
           "keys, numbers as int and float (what json.loads makes of that text, made\n"
           "without the text); with fields=, the fields named, in their order.\n"
           "A birth refused raises velmora.BirthError with the program's message; its\n"
           "`field` names the key refused (None when the message names none).\n\n" +
           std::string(kBirthIntro) + "\n  The keys:\n" + BirthText() + "\n  The choices (keywords):\n" +
           ChoicesText() + "\n  The fields:\n" + FieldList(4);
}

std::string ChartsDoc() {
    return "charts(births, *, jobs=None, decode=True, **choices) -> iterator of dict\n\n"
           "The charts of an iterable of births (dicts, JSON lines, or a DataFrame's rows),\n"
           "one result a birth in the births' order, as velmora-cli --batch writes its\n"
           "lines: the chart's dict, or {\"error\": message} for a birth refused. The\n"
           "results stream: the births are read as the results are taken. jobs: the\n"
           "threads computing (default: every core); with one, the charts are computed on\n"
           "the calling thread. The interpreter's lock is let go while charts are\n"
           "computed. decode=False hands out each result as its JSON line (a str), byte\n"
           "for byte what velmora-cli --batch writes, without making Python objects of it:\n"
           "the quickest, as making a dict's objects costs about as much as a chart for\n"
           "the whole object or the dasha periods (ask for the fields a study reads).\n"
           "The births are those of velmora.chart().\n\n  The choices (keywords):\n" +
           ChoicesText();
}

std::string FrameDoc() {
    return "frame(births, *, jobs=None, **choices) -> pandas.DataFrame\n\n"
           "The charts of a DataFrame of births (or any iterable of births) as a DataFrame\n"
           "with the columns of velmora-cli --batch --format csv: lists spread over one\n"
           "column each (position_sun ... position_asc), a last column \"error\" with a\n"
           "refused birth's message; one row a birth, with the births' index. Needs pandas\n"
           "(Debian: python3-pandas). The births are those of velmora.chart();\n"
           "fields= chooses the columns' fields.\n\n  The choices (keywords):\n" +
           ChoicesText();
}

std::string ModuleDoc() {
    return "Vedic birth charts from the core of Velmora: velmora.chart() for one birth,\n"
           "velmora.charts() for many on every core, velmora.frame() for a pandas\n"
           "DataFrame. The values are those of velmora-cli --json and --batch.\n";
}

std::string StubText() {
    std::string stub =
        "# The types of the velmora module (written by the build from the module's tables).\n"
        "from typing import Any, Iterable, Iterator, Literal, Mapping, TypedDict, Union\n\n"
        "__version__: str\n\n"
        "class Birth(TypedDict, total=False):\n";
    for (const std::string& key : BirthKeys()) stub += "    " + key + ": " + std::string(KeyType(key)) + "\n";
    stub += "\nField = Literal[\n";
    for (const cli::ChartField* field : cli::EveryChartField()) stub += "    \"" + std::string(field->name) + "\",\n";
    stub += "]\n\nFIELDS: tuple[Field, ...]\n\n";
    stub +=
        "class BirthError(ValueError):\n"
        "    message: str\n"
        "    field: str | None\n"
        "    def __init__(self, message: str, field: str | None = ...) -> None: ...\n\n";
    std::string choices;
    for (const Choice& choice : Choices()) {
        const std::string_view name = choice.name;
        std::string type = "str | None";
        if (name == "fields") type = "str | Iterable[Field] | None";
        if (name == "dasha_systems") type = "str | Iterable[str] | None";
        if (name == "dasha_levels" || name == "sensitivity") type = "int | str | None";
        if (name == "panchanga" || name == "ashtakavarga" || name == "ashtakavarga_reduced") type = "bool";
        if (name == "transit") type = "str | bool";
        if (name == "today") type = "Any";  // a date, or its text YYYY-MM-DD
        choices += ",\n    " + std::string(name) + ": " + type + " = ...";
    }
    const std::string birth = "Union[Birth, Mapping[str, Any], str, bytes]";
    stub += "def chart(\n    birth: " + birth + ",\n    *" + choices + ",\n) -> dict[str, Any]: ...\n\n";
    stub += "def charts(\n    births: Iterable[" + birth + "],\n    *,\n    jobs: int | None = ...,\n    decode: bool = ..." +
            choices + ",\n) -> Iterator[Any]: ...\n\n";
    stub += "def frame(\n    births: Any,\n    *,\n    jobs: int | None = ..." + choices + ",\n) -> Any: ...\n";
    return stub;
}

}  // namespace velmora::python
