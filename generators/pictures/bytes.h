#pragma once

// Little- and big-endian byte writers shared by the file writers.

#include <cstdint>
#include <vector>

namespace pictures {

using Bytes = std::vector<std::uint8_t>;

inline void put8(Bytes& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
}
inline void put16le(Bytes& out, unsigned v) {
    put8(out, v);
    put8(out, v >> 8);
}
inline void put32le(Bytes& out, std::uint32_t v) {
    put16le(out, v & 0xFFFF);
    put16le(out, v >> 16);
}
inline void put32be(Bytes& out, std::uint32_t v) {
    put8(out, v >> 24);
    put8(out, v >> 16);
    put8(out, v >> 8);
    put8(out, v);
}

} // namespace pictures
