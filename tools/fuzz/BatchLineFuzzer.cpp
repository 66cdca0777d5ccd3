// libFuzzer target: one --batch line of any bytes through the parser, the
// run and the JSON writer. Every line must give exactly one line of output,
// valid JSON, and never crash.
//
//   make fuzz                      builds it with clang and runs it for a minute
//   build-fuzz/tools/fuzz/velmora-batch-fuzzer tools/fuzz/seeds

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string_view>

#include "cli/BatchRunner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static velmora::cli::BatchRunner runner;
    bool refused = false;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::string_view out = runner.RunLine(line, refused);
    if (out.find('\n') != std::string_view::npos) std::abort();
    const auto json = nlohmann::json::parse(out, nullptr, false);
    if (json.is_discarded() || !json.is_object()) std::abort();
    if (refused != json.contains("error")) std::abort();
    return 0;
}
