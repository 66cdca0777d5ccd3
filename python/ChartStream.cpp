#include "python/ChartStream.h"

#include <cstring>
#include <ostream>
#include <streambuf>

#include "cli/BatchPipeline.h"
#include "cli/ValueTape.h"
#include "ephemeris/PreciseEphemeris.h"
#include "python/TapeObjects.h"

namespace py = pybind11;

namespace velmora::python {

namespace {

// Lines waiting in the queue, ahead of the births not yet read: enough for
// the engine's chunks in flight to fill while the calling thread makes the objects.
constexpr std::size_t kQueuedLines = 2048;

// The batch's input: lines the calling thread queues.
class QueuedLines : public cli::LineSource {
public:
    explicit QueuedLines(ChartStream::Shared& shared) : shared_(shared) {}
    bool Next(std::string& line) override {
        std::unique_lock lock(shared_.mutex);
        // The batch may want more lines than the queue holds before it
        // writes a result (a chunk for each of many jobs): the calling thread,
        // which may be waiting for a result, is woken to feed the queue.
        if (shared_.input.empty() && !shared_.inputEnded) shared_.outputReady.notify_one();
        shared_.inputReady.wait(lock, [&] { return !shared_.input.empty() || shared_.inputEnded; });
        if (shared_.input.empty()) return false;
        line = std::move(shared_.input.front());
        shared_.input.pop_front();
        lock.unlock();
        bytesRead_ += line.size() + 1;
        tooLong_ = line.size() > maxLineBytes_;
        if (tooLong_) line.clear();
        return true;
    }

private:
    ChartStream::Shared& shared_;
};

// The batch's output: each finished line (or record of values) into the
// queue. The engine writes whole chunks, so the lock is taken once a chunk.
class QueuedOutput : public std::streambuf {
public:
    QueuedOutput(ChartStream::Shared& shared, bool values) : shared_(shared), values_(values) {}

protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        std::deque<std::string> lines;
        if (values_) {
            partial_.append(text, static_cast<std::size_t>(count));
            std::size_t at = 0;
            while (const std::size_t size = cli::TapeRecordSize(std::string_view(partial_).substr(at))) {
                lines.emplace_back(partial_, at, size);
                at += size;
            }
            partial_.erase(0, at);
        } else {
            // Whole stretches at a time: a line of the whole object is 25 KB.
            const char* at = text;
            const char* const end = text + count;
            while (const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
                const char* newline = static_cast<const char*>(found);
                partial_.append(at, static_cast<std::size_t>(newline - at));
                lines.push_back(std::move(partial_));
                partial_.clear();
                at = newline + 1;
            }
            partial_.append(at, static_cast<std::size_t>(end - at));
        }
        if (!lines.empty()) {
            std::lock_guard lock(shared_.mutex);
            for (std::string& line : lines) shared_.output.push_back(std::move(line));
            shared_.outputReady.notify_one();
        }
        return count;
    }
    int_type overflow(int_type c) override {
        if (c == traits_type::eof()) return traits_type::not_eof(c);
        const char ch = traits_type::to_char_type(c);
        xsputn(&ch, 1);
        return c;
    }

private:
    ChartStream::Shared& shared_;
    const bool values_;
    std::string partial_;
};

}  // namespace

ChartStream::ChartStream(py::iterator births, BatchSettings settings)
    : births_(std::move(births)),
      settings_(std::move(settings)),
      values_(settings_.output.format == cli::BatchFormat::Values) {
    if (settings_.jobs <= 1) {
        runner_.emplace(settings_.output);
        return;
    }
    shared_ = std::make_shared<Shared>();
    engine_ = std::thread([shared = shared_, output = settings_.output, jobs = settings_.jobs, values = values_] {
        // The precise library's state of this thread, freed when it is done.
        struct ReleaseAtEnd {
            ~ReleaseAtEnd() { PreciseEphemeris::ReleaseThreadState(); }
        } release;
        std::string failure;
        try {
            QueuedLines lines(*shared);
            QueuedOutput buffer(*shared, values);
            std::ostream out(&buffer);
            cli::RunBatch(lines, out, output, jobs);
        } catch (const std::exception& e) {
            failure = e.what();
        }
        std::lock_guard lock(shared->mutex);
        shared->failure = std::move(failure);
        shared->finished = true;
        shared->outputReady.notify_one();
    });
}

ChartStream::~ChartStream() {
    if (!engine_.joinable()) return;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->input.clear();
        shared_->inputEnded = true;
        shared_->inputReady.notify_one();
    }
    py::gil_scoped_release unlocked;
    engine_.join();
}

py::object ChartStream::Result(std::string_view result) const {
    if (values_) return TapeObject(result);
    return py::str(result.data(), result.size());
}

py::object ChartStream::Next() {
    // The lock is let go while a chart is computed or awaited: another
    // thread taking results from the same stream meanwhile is refused, as a
    // generator running is.
    if (busy_) throw std::runtime_error("velmora.charts: the results are being taken on another thread");
    busy_ = true;
    struct NotBusy {
        bool& busy;
        ~NotBusy() { busy = false; }
    } notBusy{busy_};
    return runner_ ? NextAlone() : NextInParallel();
}

py::object ChartStream::NextAlone() {
    if (birthsEnded_) throw py::stop_iteration();
    PyObject* birth = PyIter_Next(births_.ptr());
    if (!birth) {
        birthsEnded_ = true;
        if (PyErr_Occurred()) throw py::error_already_set();
        throw py::stop_iteration();
    }
    const std::string line = BirthLine(py::reinterpret_steal<py::object>(birth));
    bool refused = false;
    std::string_view written;
    {
        py::gil_scoped_release unlocked;
        written = runner_->RunLine(line, refused);
    }
    return Result(written);
}

bool ChartStream::Feed() {
    PyObject* birth = PyIter_Next(births_.ptr());
    if (!birth) {
        if (PyErr_Occurred()) raised_.emplace();  // fetched; raised after the results before it
        EndInput();
        return false;
    }
    std::string line;
    try {
        line = BirthLine(py::reinterpret_steal<py::object>(birth));
    } catch (py::error_already_set& e) {
        raised_.emplace(std::move(e));
        EndInput();
        return false;
    }
    std::lock_guard lock(shared_->mutex);
    shared_->input.push_back(std::move(line));
    shared_->inputReady.notify_one();
    return true;
}

void ChartStream::EndInput() {
    birthsEnded_ = true;
    std::lock_guard lock(shared_->mutex);
    shared_->inputEnded = true;
    shared_->inputReady.notify_one();
}

py::object ChartStream::NextInParallel() {
    for (;;) {
        std::unique_lock lock(shared_->mutex);
        if (!shared_->output.empty()) {
            const std::string line = std::move(shared_->output.front());
            shared_->output.pop_front();
            lock.unlock();
            return Result(line);
        }
        if (shared_->finished) {
            const std::string failure = shared_->failure;
            lock.unlock();
            if (engine_.joinable()) {
                py::gil_scoped_release unlocked;
                engine_.join();
            }
            if (!failure.empty()) throw std::runtime_error("velmora: the batch stopped: " + failure);
            if (raised_) {
                py::error_already_set raised = std::move(*raised_);
                raised_.reset();
                throw raised;
            }
            throw py::stop_iteration();
        }
        const bool room = !birthsEnded_ && shared_->input.size() < kQueuedLines;
        if (room) {
            lock.unlock();
            Feed();
            continue;
        }
        py::gil_scoped_release unlocked;  // the engine never waits for it
        // Woken by a result, the end, or the engine finding the queue empty.
        shared_->outputReady.wait(lock, [&] {
            return !shared_->output.empty() || shared_->finished || (!birthsEnded_ && shared_->input.empty());
        });
        lock.unlock();  // before the lock is taken back
    }
}

}  // namespace velmora::python
