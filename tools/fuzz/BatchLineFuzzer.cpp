// libFuzzer target: any bytes as a --batch input, through the line reading,
// the parser, the run and the JSON writer. Every line, of any size or depth,
// gives exactly one line of output, valid JSON, and never a crash; a line
// the quick request scanner reads must read the same, every key of the
// request, through the full JSON reader.
//
//   make fuzz                      builds it with clang and runs it for a minute
//   build-fuzz/tools/fuzz/velmora-batch-fuzzer -dict=tools/fuzz/batch.dict tools/fuzz/seeds

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cli/BatchRunner.h"
#include "cli/RequestScanner.h"
#include "tools/fuzz/LineFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static velmora::cli::BatchRunner runner;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    velmora::fuzz::CheckEveryLineAnswered(runner, input);
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        std::string_view line = input.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        velmora::cli::ChartRequest scanned, parsed;
        if (velmora::cli::ScanRequest(line, scanned) &&
            (!velmora::cli::ParseBatchRequest(line, parsed).empty() || !(scanned == parsed)))
            std::abort();
        start = end + 1;
    }
    return 0;
}
