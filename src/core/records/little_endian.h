// Fields of the binary work files and fonts: little-endian, packed, whatever the machine's own byte
// order and the compiler's struct layout.
#pragma once

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace quill {

template <class T>
using LittleEndianBits =
    std::conditional_t<sizeof(T) == 2, uint16_t, std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>>;

template <class T>
void PutLittleEndian(unsigned char* p, T v) {
  LittleEndianBits<T> bits;
  std::memcpy(&bits, &v, sizeof bits);
  for (size_t i = 0; i < sizeof bits; ++i) p[i] = static_cast<unsigned char>(bits >> (8 * i));
}

template <class T>
T GetLittleEndian(const unsigned char* p) {
  LittleEndianBits<T> bits = 0;
  for (size_t i = 0; i < sizeof bits; ++i) bits |= static_cast<LittleEndianBits<T>>(p[i]) << (8 * i);
  T v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

}  // namespace quill
