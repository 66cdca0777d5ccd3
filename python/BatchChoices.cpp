#include "python/BatchChoices.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <cmath>
#include <optional>
#include <vector>

#include "cli/CliApp.h"
#include "cli/CliOptions.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"

namespace py = pybind11;

namespace velmora::python {

namespace {

// The batch options a chart's keyword may give; --batch, --format, --jobs
// and --quiet are the module's own business.
constexpr Choice kChoices[] = {
    {"fields", "--fields"},
    {"today", "--today"},
    {"dasha_year", "--dasha-year"},
    {"dasha_levels", "--dasha-levels"},
    {"dasha_systems", "--dasha-systems"},
    {"panchanga", "--panchanga"},
    {"sunrise", "--sunrise"},
    {"transit", "--transit"},
    {"sensitivity", "--sensitivity"},
    {"ashtakavarga", "--ashtakavarga"},
    {"ashtakavarga_reading", "--ashtakavarga-reading"},
    {"ashtakavarga_reduced", "--ashtakavarga-reduced"},
};

std::string ChoiceNames() {
    std::string names;
    for (const Choice& choice : kChoices) {
        if (!names.empty()) names += ", ";
        names += choice.name;
    }
    return names;
}

// A choice's value as the option's text.
std::string OptionText(const py::handle& value) {
    if (py::isinstance<py::str>(value)) return value.cast<std::string>();
    if (py::isinstance<py::list>(value) || py::isinstance<py::tuple>(value)) {
        std::string joined;
        for (const py::handle item : value) {
            if (!joined.empty()) joined += ',';
            joined += py::str(item).cast<std::string>();
        }
        return joined;
    }
    return py::str(value).cast<std::string>();
}

// Whether a value of a birth's key stands for the key left out: None, NaN,
// pandas's missing values (pandas.NA, pandas.NaT).
bool Missing(const py::handle& value) {
    if (value.is_none()) return true;
    const std::string_view type = Py_TYPE(value.ptr())->tp_name;
    if (type == "NAType" || type == "NaTType") return true;
    return PyFloat_Check(value.ptr()) && std::isnan(PyFloat_AS_DOUBLE(value.ptr()));
}

// A text's UTF-8, or none for a str holding a lone surrogate (not UTF-8).
std::optional<std::string_view> Utf8Of(const py::handle& text) {
    Py_ssize_t size = 0;
    const char* bytes = PyUnicode_AsUTF8AndSize(text.ptr(), &size);
    if (!bytes) {
        PyErr_Clear();
        return std::nullopt;
    }
    return std::string_view(bytes, static_cast<std::size_t>(size));
}

// A value of a birth's key (not Missing) as JSON: a value JSON has no form
// for as null.
void WriteValue(const py::handle& value, cli::JsonWriter& out) {
    if (PyUnicode_Check(value.ptr())) {
        const std::optional<std::string_view> text = Utf8Of(value);
        if (text) {
            out.String(*text);
        } else {
            out.Double(NAN);  // null
        }
    } else if (PyBool_Check(value.ptr())) {
        out.Bool(value.ptr() == Py_True);
    } else if (PyLong_Check(value.ptr()) || py::hasattr(value, "__index__")) {
        // numpy's integers too; a number beyond 64 bits is a double, which
        // no key takes.
        const py::int_ number = py::reinterpret_steal<py::int_>(PyNumber_Index(value.ptr()));
        if (!number) {
            PyErr_Clear();
            out.Double(NAN);
            return;
        }
        int overflow = 0;
        const long long n = PyLong_AsLongLongAndOverflow(number.ptr(), &overflow);
        if (overflow == 0) {
            out.Int(n);
        } else {
            out.Double(PyLong_AsDouble(number.ptr()));
            PyErr_Clear();
        }
    } else if (PyFloat_Check(value.ptr())) {
        out.Double(PyFloat_AS_DOUBLE(value.ptr()));
    } else {
        out.Double(NAN);  // null
    }
}

// One key of a birth with its value, unless the value is Missing.
void WriteKey(const py::handle& key, const py::handle& value, cli::JsonWriter& out) {
    if (Missing(value)) return;
    if (PyUnicode_Check(key.ptr())) {
        if (const std::optional<std::string_view> text = Utf8Of(key)) {
            out.KeyText(*text);
        } else {
            out.KeyText(py::str(key).cast<std::string>());  // raises as before
        }
    } else {
        out.KeyText(py::str(key).cast<std::string>());
    }
    WriteValue(value, out);
}

}  // namespace

std::span<const Choice> Choices() { return kChoices; }

std::string AsKeywords(std::string message) {
    for (const Choice& choice : kChoices) {
        for (std::size_t at = 0; (at = message.find(choice.option, at)) != std::string::npos;) {
            const std::size_t end = at + choice.option.size();
            const bool whole = end == message.size() || !(std::isalnum(static_cast<unsigned char>(message[end])) ||
                                                          message[end] == '-');
            if (!whole) {
                at = end;
                continue;
            }
            message.replace(at, choice.option.size(), choice.name);
            at += choice.name.size();
        }
    }
    return message;
}

BatchSettings ReadChoices(const py::dict& choices, cli::BatchFormat format) {
    std::vector<std::string> args = {"--batch", "-", format == cli::BatchFormat::Csv ? "--format=csv" : "--format=jsonl"};
    for (const auto& [key, value] : choices) {
        const std::string name = py::str(key).cast<std::string>();
        const Choice* choice = nullptr;
        for (const Choice& c : kChoices)
            if (c.name == name) choice = &c;
        if (!choice) throw py::type_error("no choice is named '" + name + "'; the choices are " + ChoiceNames());
        if (value.is_none() || (py::isinstance<py::bool_>(value) && !value.cast<bool>())) continue;
        if (py::isinstance<py::bool_>(value)) {
            args.emplace_back(choice->option);
        } else {
            args.push_back(std::string(choice->option) + "=" + OptionText(value));
        }
    }
    // The options read last, for a chart() in a loop: reading them costs
    // more than a chart. Not for a transit without its moment, which is now.
    // Called with the interpreter's lock held, which guards the map.
    static std::map<std::vector<std::string>, std::pair<CalendarDate, BatchSettings>> read;
    const CalendarDate systemToday = cli::SystemToday();
    const auto known = read.find(args);
    if (known != read.end() && known->second.first == systemToday) return known->second.second;
    const bool now = std::find(args.begin(), args.end(), "--transit") != args.end();

    cli::CliOptions options;
    if (std::string refusal = cli::ParseOptions(args, options); !refusal.empty())
        throw py::value_error(AsKeywords(std::move(refusal)));
    CalendarDate today = systemToday;
    if (options.today) {
        today = cli::ParseIsoDate(*options.today);
        if (!today.Valid()) throw py::value_error("today must be a date YYYY-MM-DD, got '" + *options.today + "'");
    }
    static std::uint64_t readings = 0;
    BatchSettings settings;
    settings.reading = ++readings;
    if (std::string refusal = cli::ReadBatchOptions(options, today, cli::SystemNowJulianDay(), settings.output,
                                                    settings.jobs);
        !refusal.empty())
        throw py::value_error(AsKeywords(std::move(refusal)));
    if (!now) {
        if (read.size() >= 64) read.clear();
        read[args] = {systemToday, settings};
    }
    return settings;
}

std::string BirthLine(const py::handle& birth) {
    if (py::isinstance<py::str>(birth) || py::isinstance<py::bytes>(birth)) {
        std::string line = py::isinstance<py::str>(birth) ? birth.cast<std::string>()
                                                          : std::string(birth.cast<py::bytes>());
        if (!line.empty() && line.back() == '\n') line.pop_back();  // a line read from a file
        return line;
    }
    if (!py::hasattr(birth, "items")) return "null";
    std::string line;
    cli::JsonWriter json(line);
    json.BeginObject();
    if (PyDict_CheckExact(birth.ptr())) {
        PyObject *key = nullptr, *value = nullptr;
        for (Py_ssize_t at = 0; PyDict_Next(birth.ptr(), &at, &key, &value);) WriteKey(key, value, json);
    } else {
        for (const py::handle item : birth.attr("items")()) {
            const py::tuple pair = py::reinterpret_borrow<py::tuple>(item);
            WriteKey(pair[0], pair[1], json);
        }
    }
    json.EndObject();
    return line;
}

namespace {

// The keys a refusal may begin with ("date must be …", "zone: …",
// "lon degrees …"), and the messages of the form's checks and of the one
// entry, which name no key, with the key they are about.
constexpr std::string_view kLeadingKeys[] = {
    "name", "date",  "time",      "lon",      "lat",       "zone",   "dst",       "city",
    "state", "country", "place", "tz",       "ambiguous", "precise", "node",     "ayanamsa",
    "positions", "houses", "dashaYear",
};
struct MessageKey {
    std::string_view words;  // found anywhere in the message
    std::string_view key;
};
constexpr MessageKey kMessageKeys[] = {
    {"Please Enter Name", "name"},
    {"of Longitude", "lon"},
    {"of Latitude", "lat"},
    {"Please Enter Correct Date Or Month", "date"},
    {"are computed for the years", "date"},
    {" did not exist in ", "time"},
    {" happened twice in ", "ambiguous"},
    {"The zone list has no entry", "zone"},
    {"the classic positions take the zone's direction from the longitude", "zone"},
    {"The classic positions have their own sidereal correction", "precise"},
};

}  // namespace

std::string RefusedKey(std::string_view message) {
    if (message.starts_with("time zone:")) return "tz";  // before "time"
    // A key in quotes: "\"dst\" must be …", "missing \"date\"", "unknown field \"x\"",
    // "the line holds \"name\" twice", "\"zone\" is a number too large to read".
    for (std::string_view lead : {"\"", "missing \"", "unknown field \"", "the line holds \""}) {
        if (!message.starts_with(lead)) continue;
        const std::size_t end = message.find('"', lead.size());
        if (end != std::string_view::npos) return std::string(message.substr(lead.size(), end - lead.size()));
    }
    for (std::string_view key : kLeadingKeys)
        if (message.starts_with(key) && message.size() > key.size() &&
            (message[key.size()] == ':' || message[key.size()] == ' '))
            return std::string(key);
    for (const MessageKey& known : kMessageKeys)
        if (message.find(known.words) != std::string_view::npos) return std::string(known.key);
    return {};
}

}  // namespace velmora::python
