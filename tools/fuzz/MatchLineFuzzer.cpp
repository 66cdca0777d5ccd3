// libFuzzer target: any bytes as a --match-batch input, through the line
// reading, the pair's JSON reading, both runs and the match's writer. Every
// line, of any size or depth, gives exactly one line of output, valid JSON,
// and never a crash.
//
//   make fuzz                      builds it with clang and runs it for a minute
//   build-fuzz/tools/fuzz/velmora-match-fuzzer -dict=tools/fuzz/batch.dict tools/fuzz/match-seeds

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/MatchRunner.h"
#include "tools/fuzz/LineFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static velmora::cli::MatchRunner runner;
    velmora::fuzz::CheckEveryLineAnswered(runner, std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
