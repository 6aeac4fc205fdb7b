#pragma once
// The program's binary files hold little-endian signed 32-bit integers whatever the host's byte
// order; these two helpers are the only place that knows it.

#include <cstdint>

namespace norvex5 {

inline std::int32_t readInt32LE(const unsigned char* p) {
    const std::uint32_t v =
        std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
    return static_cast<std::int32_t>(v);
}

inline void writeInt32LE(unsigned char* p, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    p[0] = static_cast<unsigned char>(v & 0xFF);
    p[1] = static_cast<unsigned char>((v >> 8) & 0xFF);
    p[2] = static_cast<unsigned char>((v >> 16) & 0xFF);
    p[3] = static_cast<unsigned char>((v >> 24) & 0xFF);
}

}  // namespace norvex5
