// The Python module `velmora`: the charts of the core as Python values.
// Every chart goes through the batch of the command line (cli/BatchRunner,
// cli/BatchPipeline): a birth is the batch line it stands for, the keyword
// choices are the batch's options, and the dicts are made from the values
// the chart's fields write for its JSON line (a ValueTape record, written by
// the same functions as the line), without the text in between. So nothing
// is computed or written twice, and the module's values are those of
// velmora-cli --json and --batch.

#include <pybind11/eval.h>
#include <pybind11/pybind11.h>

#include <optional>
#include <sstream>

#include "cli/BatchPipeline.h"
#include "cli/ChartFields.h"
#include "python/BatchChoices.h"
#include "python/ChartStream.h"
#include "python/Documentation.h"
#include "python/TapeObjects.h"

namespace py = pybind11;

namespace velmora::python {

namespace {

// Raised for a birth refused: the program's message, and the key it names.
constexpr const char* kBirthErrorSource = R"py(
class BirthError(ValueError):
    """A birth velmora refused: `message` is the program's message (as
    velmora-cli writes it), `field` the key of the birth it names, or None
    when it names none (the birth as a whole)."""

    def __init__(self, message, field=None):
        super().__init__(message)
        self.message = message
        self.field = field
)py";

py::object BirthErrorType() { return py::module_::import("velmora").attr("BirthError"); }

// A DataFrame's rows as dicts (the values as Python's own types), else the births as they are.
py::object Rows(const py::object& births) {
    if (py::hasattr(births, "to_dict") && py::hasattr(births, "columns")) return births.attr("to_dict")("records");
    return births;
}

py::object Chart(const py::object& birth, const py::kwargs& choices) {
    BatchSettings settings = ReadChoices(choices, cli::BatchFormat::Jsonl);
    settings.output.format = cli::BatchFormat::Values;
    const std::string line = BirthLine(birth);
    // A runner a thread, kept while the choices stay the same (a chart() in a loop).
    thread_local std::uint64_t runnerReading = 0;
    thread_local std::optional<cli::BatchRunner> runner;
    std::string_view record;  // the runner's own, until its next line
    bool refused = false;
    {
        py::gil_scoped_release unlocked;
        if (runnerReading != settings.reading || !runner) {
            runner.emplace(settings.output);
            runnerReading = settings.reading;
        }
        record = runner->RunLine(line, refused);
    }
    py::object value = TapeObject(record);
    if (!refused) return value;
    const std::string message = value["error"].cast<std::string>();
    const std::string key = RefusedKey(message);
    const py::object type = BirthErrorType();
    const py::object error = type(message, key.empty() ? py::object(py::none()) : py::object(py::str(key)));
    PyErr_SetObject(type.ptr(), error.ptr());
    throw py::error_already_set();
}

int Jobs(const py::object& jobs) {
    if (jobs.is_none()) return cli::AvailableCores();
    const int count = jobs.cast<int>();
    if (count < 1 || count > 256) throw py::value_error("jobs: give a number of threads from 1 to 256");
    return count;
}

std::unique_ptr<ChartStream> Charts(const py::object& births, const py::object& jobs, bool decode,
                                    const py::kwargs& choices) {
    if (py::isinstance<py::str>(births) || py::isinstance<py::bytes>(births) || py::isinstance<py::dict>(births))
        throw py::type_error("velmora.charts takes an iterable of births; velmora.chart computes one");
    BatchSettings settings = ReadChoices(choices, cli::BatchFormat::Jsonl);
    if (decode) settings.output.format = cli::BatchFormat::Values;
    settings.jobs = Jobs(jobs);
    return std::make_unique<ChartStream>(py::iter(Rows(births)), std::move(settings));
}

// An in-memory input of lines.
class ListedLines : public cli::LineSource {
public:
    explicit ListedLines(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    bool Next(std::string& line) override {
        if (next_ == lines_.size()) return false;
        line = std::move(lines_[next_++]);
        bytesRead_ += line.size() + 1;
        tooLong_ = line.size() > maxLineBytes_;
        if (tooLong_) line.clear();
        return true;
    }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

py::object Frame(const py::object& births, const py::object& jobs, const py::kwargs& choices) {
    py::module_ pandas;
    try {
        pandas = py::module_::import("pandas");
    } catch (py::error_already_set&) {
        throw py::import_error("velmora.frame needs pandas (Debian: apt-get install python3-pandas)");
    }
    BatchSettings settings = ReadChoices(choices, cli::BatchFormat::Csv);
    settings.jobs = Jobs(jobs);
    const bool isFrame = py::hasattr(births, "to_dict") && py::hasattr(births, "columns");
    std::vector<std::string> lines;
    for (const py::handle birth : Rows(births)) lines.push_back(BirthLine(birth));
    std::string text;
    {
        py::gil_scoped_release unlocked;
        ListedLines source(std::move(lines));
        std::ostringstream out;
        cli::RunBatch(source, out, settings.output, settings.jobs);
        text = std::move(out).str();
    }
    py::list empty;
    empty.append("");
    py::object read = pandas.attr("read_csv")(py::module_::import("io").attr("StringIO")(py::str(text)),
                                              py::arg("keep_default_na") = false, py::arg("na_values") = empty);
    if (isFrame) read.attr("index") = births.attr("index");
    return read;
}

}  // namespace

}  // namespace velmora::python

PYBIND11_MODULE(velmora, m) {
    using namespace velmora::python;
    // Each docstring begins with its own signature, written for a person.
    py::options options;
    options.disable_function_signatures();
    static const std::string moduleDoc = ModuleDoc(), chartDoc = ChartDoc(), chartsDoc = ChartsDoc(),
                             frameDoc = FrameDoc();
    m.doc() = moduleDoc.c_str();
    m.attr("__version__") = VELMORA_VERSION;

    py::dict scope;
    scope["__name__"] = "velmora";
    py::exec(kBirthErrorSource, scope);
    m.attr("BirthError") = scope["BirthError"];

    py::tuple fields(velmora::cli::EveryChartField().size());
    for (std::size_t i = 0; i < velmora::cli::EveryChartField().size(); ++i)
        fields[i] = py::str(std::string(velmora::cli::EveryChartField()[i]->name));
    m.attr("FIELDS") = fields;

    py::class_<ChartStream>(m, "ChartStream", "The results of velmora.charts(), in the births' order.")
        .def("__iter__", [](ChartStream& self) -> ChartStream& { return self; })
        .def("__next__", &ChartStream::Next);

    m.def("chart", &Chart, chartDoc.c_str(), py::arg("birth"));
    m.def("charts", &Charts, chartsDoc.c_str(), py::arg("births"), py::kw_only(), py::arg("jobs") = py::none(),
          py::arg("decode") = true);
    m.def("frame", &Frame, frameDoc.c_str(), py::arg("births"), py::kw_only(), py::arg("jobs") = py::none());
    m.def("_stub_text", &StubText, "The text of velmora.pyi (the build writes it beside the module).");
}
