#pragma once
// Writing a whole file so that it is either all there or not changed at all:
// the text goes into a new file beside the target, is flushed to the disk,
// and only then takes the target's name. A crash, a full disk or a failed
// write leaves the old file as it was.

#include <functional>
#include <string>
#include <string_view>

namespace velmora {

// The steps of an atomic write, for tests that stop it half way.
enum class AtomicWriteStep { Created, Written, Synced };

// Writes `text` to `path`. Returns the reason it could not, empty on
// success. A file that cannot be completed is removed again; the target is
// then untouched. `beforeStep`, when given, is called before the step named
// and may throw to stand for a crash there (the tests' hook).
std::string WriteFileAtomically(const std::string& path, std::string_view text,
                                const std::function<void(AtomicWriteStep)>& beforeStep = {});

}  // namespace velmora
