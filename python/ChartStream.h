#pragma once
// velmora.charts(): the charts of an iterable of births, one result each in
// the births' order, made by the batch. With one job the batch's runner
// works on the calling thread, a birth at a time; with more, the batch's
// parallel engine (cli/BatchPipeline) runs on a thread of its own, its
// workers computing whole chunks, while the calling thread hands it the
// births as lines and turns the finished results into Python objects. The
// engine never holds the interpreter's lock; the calling thread lets go of
// it whenever it waits or computes.

#include <pybind11/pybind11.h>

#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "cli/BatchRunner.h"
#include "python/BatchChoices.h"

namespace velmora::python {

class ChartStream {
public:
    // Dicts when the settings' format is BatchFormat::Values, else the JSON lines as text.
    ChartStream(pybind11::iterator births, BatchSettings settings);
    ~ChartStream();
    ChartStream(const ChartStream&) = delete;
    ChartStream& operator=(const ChartStream&) = delete;

    // The next result: the chart's dict, or {"error": message} for a birth
    // refused (or their JSON line as text). Throws StopIteration after the
    // last, or the exception the births raised once the results before it
    // are all handed out.
    pybind11::object Next();

    // What the engine's thread and the calling thread share.
    struct Shared {
        std::mutex mutex;
        std::condition_variable inputReady, outputReady;
        std::deque<std::string> input;   // lines waiting for the engine
        bool inputEnded = false;
        std::deque<std::string> output;  // finished lines (or records of values), in order
        bool finished = false;
        std::string failure;             // why the engine stopped early
    };

private:
    pybind11::object NextAlone();
    pybind11::object NextInParallel();
    // One more birth into the engine's queue; false when the births have ended.
    bool Feed();
    void EndInput();

    pybind11::iterator births_;
    BatchSettings settings_;
    bool values_;  // the results are records of values, made into dicts
    pybind11::object Result(std::string_view result) const;
    std::optional<cli::BatchRunner> runner_;  // one job
    std::shared_ptr<Shared> shared_;          // several
    std::thread engine_;
    std::optional<pybind11::error_already_set> raised_;  // by the births, kept until the results before it are out
    bool birthsEnded_ = false;
    bool busy_ = false;  // a Next is under way
};

}  // namespace velmora::python
