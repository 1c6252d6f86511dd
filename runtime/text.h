#pragma once

#include <QString>
#include <string_view>

namespace runtime {

// The definition's texts are UTF-8.
inline QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace runtime
