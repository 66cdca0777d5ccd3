#include "cli/BatchPipeline.h"

#include <sched.h>

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <ostream>
#include <thread>
#include <vector>

namespace velmora::cli {

namespace {

// A chunk closes at a number of lines or at kChunkInputBytes of input,
// whichever comes first. The number of lines follows the largest output a
// chart line has given so far, so that a chunk's output stays near
// kChunkOutputBytes: 256 lines of positions, a few dozen whole objects (about
// 27 KB each), a single line of five dasha levels (about 5.8 MB). Until a
// chart has been written its size is unknown, from a hundred bytes to
// megabytes, and the lines are worked out one at a time on the reading
// thread (Pipeline::Run). Memory then grows by at most two chunks a job,
// whatever the fields asked.
constexpr std::size_t kMostChunkLines = 256;
constexpr std::size_t kChunkInputBytes = 256 * 1024;
constexpr std::size_t kChunkOutputBytes = 512 * 1024;
// A line or output buffer that grew far beyond the usual (a line near the
// 1 MiB limit, an output of megabytes) is given back once used rather than
// kept for the next chunk.
constexpr std::size_t kKeptLineBytes = 64 * 1024;
constexpr std::size_t kKeptOutputBytes = 4 * kChunkOutputBytes;

// The lines a chunk takes when the largest chart line so far gave
// `largestLine` bytes.
std::size_t ChunkLines(std::size_t largestLine) {
    return std::clamp<std::size_t>(kChunkOutputBytes / std::max<std::size_t>(largestLine, 1), 1, kMostChunkLines);
}

// The output a chunk of ChunkLines(largestLine) lines is expected to take.
std::size_t ChunkOutputBytes(std::size_t largestLine) {
    return std::max(kChunkOutputBytes, largestLine + largestLine / 8);
}

struct Chunk {
    std::vector<std::string> lines;  // the first `count` are this chunk's; the strings are reused
    std::vector<char> tooLong;
    std::size_t count = 0;
    std::uint64_t inputBytes = 0;
    std::string output;
    std::size_t largestLine = 0;  // the output of its largest chart line
    int refused = 0;
    bool done = false;
};

// Fills `chunk` with at most `maxLines` lines from `in`; false when no line
// was left.
bool FillChunk(LineSource& in, std::size_t maxLines, Chunk& chunk) {
    chunk.count = 0;
    chunk.inputBytes = 0;
    chunk.done = false;
    const std::uint64_t before = in.BytesRead();
    while (chunk.count < maxLines && in.BytesRead() - before < kChunkInputBytes) {
        if (chunk.count == chunk.lines.size()) {
            chunk.lines.emplace_back();
            chunk.tooLong.push_back(0);
        }
        if (!in.Next(chunk.lines[chunk.count])) break;
        chunk.tooLong[chunk.count] = in.TooLong() ? 1 : 0;
        ++chunk.count;
    }
    chunk.inputBytes = in.BytesRead() - before;
    return chunk.count > 0;
}

// The chunk's lines, each written straight into the chunk's output.
void ComputeChunk(BatchRunner& runner, std::size_t maxLineBytes, Chunk& chunk) {
    chunk.output.clear();
    chunk.refused = 0;
    chunk.largestLine = 0;
    const std::string_view newline = runner.LineEnd();
    for (std::size_t i = 0; i < chunk.count; ++i) {
        bool refused = true;
        const std::size_t start = chunk.output.size();
        if (chunk.tooLong[i]) {
            runner.AppendRefusal(BatchRunner::TooLongMessage(maxLineBytes), chunk.output);
        } else {
            runner.AppendLine(chunk.lines[i], refused, chunk.output);
        }
        chunk.output += newline;
        chunk.refused += refused ? 1 : 0;
        if (!refused) chunk.largestLine = std::max(chunk.largestLine, chunk.output.size() - start);
    }
    for (std::size_t i = 0; i < chunk.count; ++i)
        if (chunk.lines[i].capacity() > kKeptLineBytes) std::string().swap(chunk.lines[i]);
}

class Pipeline {
public:
    Pipeline(const BatchOutput& output, int jobs, std::size_t maxLineBytes)
        : output_(output), chunks_(static_cast<std::size_t>(2 * jobs + 2)), maxLineBytes_(maxLineBytes) {
        for (int j = 0; j < jobs; ++j) workers_.emplace_back([this] { Work(); });
    }
    ~Pipeline() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
            work_.notify_all();
        }
        for (std::thread& worker : workers_) worker.join();
    }

    BatchOutcome Run(LineSource& in, std::ostream& out, const std::string& header, BatchProgress* progress) {
        out.write(header.data(), static_cast<std::streamsize>(header.size()));
        // Until a line has given a chart, the size of a chart line's output
        // is unknown (a hundred bytes or megabytes): the lines are worked
        // out here, one at a time, and the jobs start after the first chart.
        BatchRunner runner(output_);
        bool inputEnded = false;
        while (largestLine_ == 0) {
            Chunk& chunk = chunks_.front();
            if (!FillChunk(in, 1, chunk)) {
                inputEnded = true;
                break;
            }
            ComputeChunk(runner, maxLineBytes_, chunk);
            if (!Write(chunk, out, progress)) return Stopped(progress);
        }
        std::size_t next = 0, oldest = 0, inFlight = 0;  // ring positions in chunks_
        // Two chunks a job and two more; one a job and one more while a
        // single line takes more than a chunk's usual output.
        const std::size_t most = ChunkOutputBytes(largestLine_) <= kChunkOutputBytes ? chunks_.size()
                                                                                    : workers_.size() + 1;
        for (;;) {
            while (!inputEnded && inFlight < most) {
                Chunk& chunk = chunks_[next];
                if (!FillChunk(in, ChunkLines(largestLine_), chunk)) {
                    inputEnded = true;
                    break;
                }
                // Room for the output expected, so that it is not moved as it grows.
                chunk.output.reserve(ChunkOutputBytes(largestLine_));
                {
                    std::lock_guard lock(mutex_);
                    queue_.push_back(&chunk);
                    work_.notify_one();  // under the lock, so thread checkers see a clean hand-over
                }
                next = (next + 1) % chunks_.size();
                ++inFlight;
            }
            if (inFlight == 0) break;
            Chunk& chunk = chunks_[oldest];
            {
                std::unique_lock lock(mutex_);
                finished_.wait(lock, [&] { return chunk.done; });
            }
            if (!Write(chunk, out, progress)) return Stopped(progress);  // the destructor stops the workers
            oldest = (oldest + 1) % chunks_.size();
            --inFlight;
        }
        outcome_.readError = in.Error();
        if (progress) progress->Finish(lines_, outcome_.refusedLines);
        return outcome_;
    }

private:
    // Writes a finished chunk's output and counts its lines; false when the
    // output could not be written.
    bool Write(Chunk& chunk, std::ostream& out, BatchProgress* progress) {
        out.write(chunk.output.data(), static_cast<std::streamsize>(chunk.output.size()));
        if (!out) return false;
        outcome_.refusedLines += chunk.refused;
        lines_ += chunk.count;
        bytes_ += chunk.inputBytes;
        largestLine_ = std::max(largestLine_, chunk.largestLine);
        // The output of lines of megabytes is given back once written, so
        // that only the chunks in flight hold such output.
        if (chunk.output.capacity() > kKeptOutputBytes) std::string().swap(chunk.output);
        if (progress) progress->Update(lines_, bytes_);
        return true;
    }

    BatchOutcome Stopped(BatchProgress* progress) {
        outcome_.writeFailed = true;
        if (progress) progress->Finish(lines_, outcome_.refusedLines);
        return outcome_;
    }

    void Work() {
        // The precise library's state is this thread's: freed when the thread
        // is done, after its runner.
        struct ReleaseAtEnd {
            ~ReleaseAtEnd() { PreciseEphemeris::ReleaseThreadState(); }
        } release;
        BatchRunner runner(output_);  // built here, so its precise instance sets up this thread
        for (;;) {
            Chunk* chunk = nullptr;
            {
                std::unique_lock lock(mutex_);
                work_.wait(lock, [&] { return stop_ || !queue_.empty(); });
                if (stop_) return;
                chunk = queue_.front();
                queue_.pop_front();
            }
            ComputeChunk(runner, maxLineBytes_, *chunk);
            {
                std::lock_guard lock(mutex_);
                chunk->done = true;
                finished_.notify_one();
            }
        }
    }

    const BatchOutput output_;
    std::vector<Chunk> chunks_;
    std::size_t maxLineBytes_;
    BatchOutcome outcome_;
    std::uint64_t lines_ = 0, bytes_ = 0;
    std::size_t largestLine_ = 0;  // the largest output of a chart line so far
    std::mutex mutex_;
    std::condition_variable work_, finished_;
    std::deque<Chunk*> queue_;
    bool stop_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace

int AvailableCores() {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
    return std::max(1u, std::thread::hardware_concurrency());
}

BatchOutcome RunBatch(LineSource& in, std::ostream& out, const BatchOutput& output, int jobs,
                      BatchProgress* progress) {
    if (jobs <= 1) return BatchRunner(output).RunAll(in, out, progress);
    const std::string header = BatchRunner(output).Header();
    Pipeline pipeline(output, jobs, in.MaxLineBytes());
    return pipeline.Run(in, out, header, progress);
}

}  // namespace velmora::cli
