#include "cli/BatchProgress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace velmora::cli {

namespace {

constexpr std::string_view kClearToEnd = "\x1b[K";

// "0:07", "12:30", "1:02:03".
std::string Duration(double seconds) {
    const auto total = static_cast<long long>(std::ceil(seconds));
    const long long h = total / 3600, m = total / 60 % 60, s = total % 60;
    std::string text = h > 0 ? std::to_string(h) + ":" + (m < 10 ? "0" : "") : "";
    text += std::to_string(m) + ":" + (s < 10 ? "0" : "") + std::to_string(s);
    return text;
}

double Seconds(std::chrono::nanoseconds t) { return std::chrono::duration<double>(t).count(); }

std::string Rate(std::uint64_t lines, double seconds) {
    return std::to_string(static_cast<long long>(static_cast<double>(lines) / seconds)) + " lines/s";
}

}  // namespace

BatchProgress::BatchProgress(std::ostream& err, Clock clock, std::uint64_t totalBytes)
    : err_(err), clock_(std::move(clock)), totalBytes_(totalBytes), start_(clock_()), lastDrawn_(start_) {}

std::chrono::nanoseconds BatchProgress::SteadyNow() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

std::string BatchProgress::Text(std::uint64_t lines, std::uint64_t bytes, std::uint64_t totalBytes,
                                std::chrono::nanoseconds elapsed) {
    std::string text = std::to_string(lines) + (lines == 1 ? " line" : " lines");
    const double seconds = Seconds(elapsed);
    if (seconds > 0) text += ", " + Rate(lines, seconds);
    if (totalBytes > 0) {
        const double done = std::min(1.0, static_cast<double>(bytes) / static_cast<double>(totalBytes));
        text += ", " + std::to_string(static_cast<int>(done * 100)) + "%";
        if (bytes > 0 && seconds > 0) text += ", " + Duration(seconds * (1 - done) / done) + " left";
    }
    return text;
}

std::string BatchProgress::FinalText(std::uint64_t lines, int refused, std::chrono::nanoseconds elapsed) {
    std::string text = std::to_string(lines) + (lines == 1 ? " line" : " lines");
    const double seconds = Seconds(elapsed);
    if (refused > 0) text += ", " + std::to_string(refused) + " refused";
    char taken[32];
    std::snprintf(taken, sizeof taken, " in %.1f s", seconds);
    text += taken;
    if (seconds > 0) text += ", " + Rate(lines, seconds);
    return text;
}

void BatchProgress::Update(std::uint64_t lines, std::uint64_t bytes) {
    const std::chrono::nanoseconds now = clock_();
    if (now - lastDrawn_ < kInterval) return;
    lastDrawn_ = now;
    err_ << '\r' << Text(lines, bytes, totalBytes_, now - start_) << kClearToEnd << std::flush;
}

void BatchProgress::Finish(std::uint64_t lines, int refused) {
    err_ << '\r' << FinalText(lines, refused, clock_() - start_) << kClearToEnd << '\n' << std::flush;
}

}  // namespace velmora::cli
