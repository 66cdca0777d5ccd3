// libFuzzer target: any bytes as a birth file. The reader never crashes or
// hangs; its message never holds a raw control character; a file it takes
// reads back the same after it is written out again, and the writer's own
// checks take what the reader took.
//
//   make fuzz                      builds it with clang and runs it with the batch-line target
//   build-fuzz/tools/fuzz/velmora-birthfile-fuzzer tools/fuzz/birthfile-seeds

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "birthfile/BirthFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const velmora::BirthFileRead read = velmora::ParseBirthFile(bytes);
    for (const char c : read.error)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
    if (!read.Ok()) return 0;
    const std::string text = velmora::BirthFileText(read.fields);
    const velmora::BirthFileRead again = velmora::ParseBirthFile(text);
    if (!again.Ok() || velmora::BirthFileText(again.fields) != text) std::abort();
    return 0;
}
