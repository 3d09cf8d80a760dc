#pragma once
// Numbers stored little-endian in the bytes of a file from the disk. The
// caller has checked that the bytes are there.

#include <cstdint>
#include <string_view>

namespace velmora {

inline std::uint32_t le32(std::string_view b, size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

inline int le16(std::string_view b, size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

}  // namespace velmora
