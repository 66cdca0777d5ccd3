#pragma once
// The progress line of a long batch on standard error: lines done, the rate
// and, when the input's size is known (a regular file), how far it has got
// and the time left. It redraws one line in place at most five times a
// second; the caller decides whether to show it at all (a terminal, no
// --quiet). The clock is passed in, so the tests set the time.

#include <chrono>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace velmora::cli {

class BatchProgress {
public:
    using Clock = std::function<std::chrono::nanoseconds()>;
    static constexpr std::chrono::milliseconds kInterval{200};

    // `totalBytes` is the input's size, 0 when it is not known (a pipe).
    BatchProgress(std::ostream& err, Clock clock, std::uint64_t totalBytes);

    // `lines` done, `bytes` of input they took; draws when kInterval has
    // passed since the start or the last drawing.
    void Update(std::uint64_t lines, std::uint64_t bytes);
    // The last drawing, with the refused lines and the time taken, and a newline.
    void Finish(std::uint64_t lines, int refused);

    // The text of one drawing after `elapsed`.
    static std::string Text(std::uint64_t lines, std::uint64_t bytes, std::uint64_t totalBytes,
                            std::chrono::nanoseconds elapsed);
    static std::string FinalText(std::uint64_t lines, int refused, std::chrono::nanoseconds elapsed);

    // The steady clock, for the program.
    static std::chrono::nanoseconds SteadyNow();

private:
    std::ostream& err_;
    Clock clock_;
    std::uint64_t totalBytes_;
    std::chrono::nanoseconds start_, lastDrawn_;
};

}  // namespace velmora::cli
