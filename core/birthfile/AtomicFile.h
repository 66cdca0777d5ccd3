#pragma once
// Writing a whole file so that it is either all there or not changed at all:
// the text goes into a new file beside the target, is flushed to the disk,
// and only then takes the target's name. A crash, a full disk or a failed
// write leaves the old file as it was.
//
// The new file is named ".NAME.saving-XXXXXX" (NAME cut short when the
// whole would be longer than the folder allows) and stays locked (flock)
// while it is written. One left behind by a save that was killed is
// recognised by that name and lock and removed by the next save of the same
// file.

#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>

namespace velmora {

// The steps of an atomic write, for tests that stop it half way.
enum class AtomicWriteStep { Created, Written, Synced };

struct AtomicWriteOptions {
    // Replace a file its owner made read-only (the person confirmed it).
    bool replaceReadOnly = false;
    // Called before the step named; may throw to stand for a crash there
    // (the tests' hook).
    std::function<void(AtomicWriteStep)> beforeStep;
};

struct AtomicWriteResult {
    std::string failure;     // why nothing was written; empty when the file was written
    bool refused = false;    // the target was refused before anything was written
    bool readOnly = false;   // refused only because it is read-only: replaceReadOnly replaces it
    nlink_t otherNames = 0;  // hard links of the replaced file: they keep the old text
    bool Ok() const { return failure.empty(); }
};

// The name of the new file beside `target` (a file name, no folder) is this
// prefix and six letters or digits; `nameMax` is the longest name the
// folder takes.
std::string AtomicTemporaryPrefix(const std::string& target, long nameMax);

// Writes `text` to `path`. A link is followed: the file it names is replaced.
// An existing file keeps its permissions (less setuid, setgid and sticky),
// and its owner and group where this user may give them.
AtomicWriteResult WriteFileAtomically(const std::string& path, std::string_view text,
                                      const AtomicWriteOptions& options = {});

}  // namespace velmora
