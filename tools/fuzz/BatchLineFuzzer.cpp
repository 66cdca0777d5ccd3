// libFuzzer target: one --batch line of any bytes through the parser, the
// run and the JSON writer. Every line must give exactly one line of output,
// valid JSON, and never crash; a line the quick request scanner reads must
// read the same through the full JSON reader.
//
//   make fuzz                      builds it with clang and runs it for a minute
//   build-fuzz/tools/fuzz/velmora-batch-fuzzer tools/fuzz/seeds

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string_view>

#include "cli/BatchRunner.h"
#include "cli/RequestScanner.h"

namespace {

bool SameRequest(const velmora::cli::ChartRequest& a, const velmora::cli::ChartRequest& b) {
    return a.name == b.name && a.date == b.date && a.time == b.time && a.lon == b.lon && a.lat == b.lat &&
           a.zone == b.zone && a.dst == b.dst && a.city == b.city && a.state == b.state && a.country == b.country &&
           a.precise == b.precise && a.node == b.node && a.nodeGiven == b.nodeGiven && a.zoneGiven == b.zoneGiven &&
           a.place == b.place && a.tz == b.tz && a.ambiguous == b.ambiguous;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static velmora::cli::BatchRunner runner;
    bool refused = false;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::string_view out = runner.RunLine(line, refused);
    if (out.find('\n') != std::string_view::npos) std::abort();
    const auto json = nlohmann::json::parse(out, nullptr, false);
    if (json.is_discarded() || !json.is_object()) std::abort();
    if (refused != json.contains("error")) std::abort();
    velmora::cli::ChartRequest scanned, parsed;
    if (velmora::cli::ScanRequest(line, scanned) &&
        (!velmora::cli::ParseBatchRequest(line, parsed).empty() || !SameRequest(scanned, parsed)))
        std::abort();
    return 0;
}
