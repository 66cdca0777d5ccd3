#pragma once
// The core's texts are UTF-8 in std::string and std::string_view; the
// windows show QString.

#include <QString>

#include <string_view>

namespace velmora {

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace velmora
