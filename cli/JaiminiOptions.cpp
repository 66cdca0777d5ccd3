#include "cli/JaiminiOptions.h"

#include "text/Quoted.h"

namespace velmora::cli {

std::string ReadKarakaScheme(const CliOptions& o, KarakaScheme& scheme) {
    scheme = kDefaultKarakaScheme;
    if (!o.karakas || ParseKarakaScheme(*o.karakas, scheme)) return {};
    return "--karakas: give 7 (Sun to Saturn) or 8 (with Rahu), got " + Quoted(*o.karakas);
}

}  // namespace velmora::cli
