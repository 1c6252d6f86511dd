#pragma once

// The core's plain types as Qt's.

#include "runtime/core/colours.h"
#include "runtime/core/definition.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <string_view>

namespace runtime::qt {

// The definition's texts are UTF-8.
inline QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Wraps the build's pixels without a copy; they live as long as the program.
inline QImage qimage(const Pixels& p) {
    return QImage(reinterpret_cast<const uchar*>(p.data), p.width, p.height,
                  p.format == PixelFormat::Argb32 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

inline Rgb rgb(const QColor& c) {
    return {std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
}
inline QColor qcolor(Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

} // namespace runtime::qt
