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
// whichever comes first. The number of lines follows the output a line has
// taken so far, so that a chunk's output stays near kChunkOutputBytes: 256
// lines of positions, a few dozen whole objects (about 27 KB each). The first
// chunks, filled before any output is known, are short. With 2 jobs + 2
// chunks in flight, memory then grows by about two chunks a job.
constexpr std::size_t kMostChunkLines = 256;
constexpr std::size_t kFirstChunkLines = 16;
constexpr std::size_t kChunkInputBytes = 256 * 1024;
constexpr std::size_t kChunkOutputBytes = 512 * 1024;
// A line or output buffer that grew far beyond the usual (a line near the
// 1 MiB limit) is given back once used rather than kept for the next chunk.
constexpr std::size_t kKeptLineBytes = 64 * 1024;
constexpr std::size_t kKeptOutputBytes = 4 * kChunkOutputBytes;

// The lines a chunk takes when `lines` lines so far gave `outputBytes`.
std::size_t ChunkLines(std::uint64_t lines, std::uint64_t outputBytes) {
    if (lines == 0) return kFirstChunkLines;
    const std::uint64_t perLine = std::max<std::uint64_t>(1, outputBytes / lines);
    return static_cast<std::size_t>(
        std::clamp<std::uint64_t>(kChunkOutputBytes / perLine, kFirstChunkLines, kMostChunkLines));
}

struct Chunk {
    std::vector<std::string> lines;  // the first `count` are this chunk's; the strings are reused
    std::vector<char> tooLong;
    std::size_t count = 0;
    std::uint64_t inputBytes = 0;
    std::string output;
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

void ComputeChunk(BatchRunner& runner, std::size_t maxLineBytes, Chunk& chunk) {
    chunk.output.clear();
    chunk.refused = 0;
    const std::string_view newline = runner.LineEnd();
    for (std::size_t i = 0; i < chunk.count; ++i) {
        bool refused = false;
        const std::string_view line =
            chunk.tooLong[i] ? runner.RefuseLine(BatchRunner::TooLongMessage(maxLineBytes))
                             : runner.RunLine(chunk.lines[i], refused);
        chunk.refused += chunk.tooLong[i] || refused ? 1 : 0;
        chunk.output += line;
        chunk.output += newline;
    }
    for (std::size_t i = 0; i < chunk.count; ++i)
        if (chunk.lines[i].capacity() > kKeptLineBytes) std::string().swap(chunk.lines[i]);
}

class Pipeline {
public:
    Pipeline(const BatchOutput& output, int jobs, std::size_t maxLineBytes)
        : chunks_(static_cast<std::size_t>(2 * jobs + 2)), maxLineBytes_(maxLineBytes) {
        for (int j = 0; j < jobs; ++j) workers_.emplace_back([this, output] { Work(output); });
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
        BatchOutcome outcome;
        out.write(header.data(), static_cast<std::streamsize>(header.size()));
        std::size_t next = 0, oldest = 0, inFlight = 0;  // ring positions in chunks_
        bool inputEnded = false;
        std::uint64_t lines = 0, bytes = 0, outputBytes = 0;
        for (;;) {
            while (!inputEnded && inFlight < chunks_.size()) {
                Chunk& chunk = chunks_[next];
                if (!FillChunk(in, ChunkLines(lines, outputBytes), chunk)) {
                    inputEnded = true;
                    break;
                }
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
            out.write(chunk.output.data(), static_cast<std::streamsize>(chunk.output.size()));
            if (!out) {
                outcome.writeFailed = true;
                if (progress) progress->Finish(lines, outcome.refusedLines);
                return outcome;  // the destructor stops the workers
            }
            outcome.refusedLines += chunk.refused;
            lines += chunk.count;
            bytes += chunk.inputBytes;
            outputBytes += chunk.output.size();
            if (chunk.output.capacity() > kKeptOutputBytes) std::string().swap(chunk.output);
            if (progress) progress->Update(lines, bytes);
            oldest = (oldest + 1) % chunks_.size();
            --inFlight;
        }
        outcome.readError = in.Error();
        if (progress) progress->Finish(lines, outcome.refusedLines);
        return outcome;
    }

private:
    void Work(const BatchOutput& output) {
        // The precise library's state is this thread's: freed when the thread
        // is done, after its runner.
        struct ReleaseAtEnd {
            ~ReleaseAtEnd() { PreciseEphemeris::ReleaseThreadState(); }
        } release;
        BatchRunner runner(output);  // built here, so its precise instance sets up this thread
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

    std::vector<Chunk> chunks_;
    std::size_t maxLineBytes_;
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
