// The codes TIFF LZW reserves, shared by its decoder and encoder.
#pragma once

#include <cstdint>

namespace quill::tiff::lzw {

constexpr uint32_t kClear = 256;
constexpr uint32_t kEndOfInformation = 257;
constexpr uint32_t kFirstFree = 258;
constexpr uint32_t kTableSize = 4096;

}  // namespace quill::tiff::lzw
