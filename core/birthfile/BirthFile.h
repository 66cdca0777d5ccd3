#pragma once
// Birth files (.velmora): one birth's form fields as typed, in a small
// versioned JSON document (docs/birth-file.md). The window and velmora-cli
// read and write them through these functions only, so both share one format.
//
// Reading is strict: a file that is too large, not UTF-8, not JSON, not a
// Velmora birth file, of a newer version, or holding anything the form could
// not hold is refused with a message and no fields. Texts go through the
// form's own key filters and box lengths, exactly as if they were typed.

#include <cstddef>
#include <string>
#include <string_view>

#include "birth/FormFields.h"

namespace velmora {

inline constexpr std::string_view kBirthFileFormat = "velmora-birth";
inline constexpr int kBirthFileVersion = 1;
inline constexpr std::size_t kBirthFileMaxBytes = 64 * 1024;
inline constexpr std::string_view kBirthFileSuffix = ".velmora";

// The document for `fields`, indented, ending in a newline.
std::string BirthFileText(const FormFields& fields);

struct BirthFileRead {
    FormFields fields;    // complete and as the form would hold them, when `error` is empty
    std::string error;    // why the file was refused
    bool Ok() const { return error.empty(); }
};

// The fields of a document's bytes; `error` says what is wrong, without a file name.
BirthFileRead ParseBirthFile(std::string_view bytes);

// Reads and parses `path`; `error` is a whole sentence naming the file.
BirthFileRead ReadBirthFile(const std::string& path);

struct BirthFileSave {
    std::string error;      // a whole sentence naming the file when it was not saved (it is then as it was)
    bool refused = false;   // refused before writing: a birth the file cannot hold, or a target that
                            // is not a file to replace; else the writing failed
    bool readOnly = false;  // refused only because the file is read-only
    std::string notice;     // after a save, what else to tell (a hard link that now holds the old birth)
    bool Ok() const { return error.empty(); }
};

// Writes `fields` to `path` atomically. Fields the reader would refuse are
// refused first, with the reader's reason; a read-only file is replaced only
// with `replaceReadOnly`.
BirthFileSave WriteBirthFile(const std::string& path, const FormFields& fields, bool replaceReadOnly = false);

}  // namespace velmora
