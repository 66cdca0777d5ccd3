#include <ostream>

#include "birthfile/BirthFile.h"
#include "cli/Commands.h"

namespace velmora::cli {

std::string ReadBirthOption(const std::string& path, FormFields& form) {
    BirthFileRead read = ReadBirthFile(path);
    if (!read.Ok()) return read.error;
    form = std::move(read.fields);
    return {};
}

std::optional<int> SaveBirthOption(const std::string& path, const FormFields& form, bool force, std::ostream& err) {
    const BirthFileSave saved = WriteBirthFile(path, form, force);
    if (saved.readOnly) return Refuse(err, saved.error + " Give --force to replace it.");
    if (!saved.Ok()) {
        err << saved.error << '\n';
        return saved.refused ? kExitRefused : kExitWriteFailed;
    }
    if (!saved.notice.empty()) err << saved.notice << '\n';
    return std::nullopt;
}

}  // namespace velmora::cli
