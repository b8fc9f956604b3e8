// TIFF files made entry by entry, for the reader's edge cases and damaged files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quill::tiff::test {

class TiffMaker {
 public:
  explicit TiffMaker(bool bigEndian = false) : big_(bigEndian) {}

  // Bytes stored after the header (strip data); returns their offset.
  uint32_t Data(const std::vector<uint8_t>& bytes);
  // Starts the next directory of the chain.
  void NewIfd() { ifds_.emplace_back(); }
  void Short(uint16_t tag, std::vector<uint32_t> values) { Add(tag, 3, values); }
  void Long(uint16_t tag, std::vector<uint32_t> values) { Add(tag, 4, values); }
  void Rational(uint16_t tag, uint32_t numerator, uint32_t denominator) { Add(tag, 5, {numerator, denominator}); }
  void Ascii(uint16_t tag, const std::string& text);
  // A one-strip page: width, height, bits per sample (one value a sample), photometric, compression.
  void Page(uint32_t width, uint32_t height, std::vector<uint32_t> bits, uint32_t photometric, uint32_t compression,
            const std::vector<uint8_t>& strip);

  // The file: header, data, then each directory after its values; short files are padded to `minSize`.
  std::string Bytes(size_t minSize = 128);
  // Where directory i landed in the last Bytes().
  uint32_t IfdOffset(size_t i) const { return ifdOffsets_.at(i); }

 private:
  struct Entry {
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    std::vector<uint8_t> bytes;
  };
  void Add(uint16_t tag, uint16_t type, const std::vector<uint32_t>& values);
  void Put16(std::string& out, size_t at, uint32_t v) const;
  void Put32(std::string& out, size_t at, uint32_t v) const;
  std::vector<uint8_t> Encode(uint16_t type, const std::vector<uint32_t>& values) const;

  bool big_;
  std::vector<uint8_t> data_;
  std::vector<std::vector<Entry>> ifds_;
  std::vector<uint32_t> ifdOffsets_;
};

}  // namespace quill::tiff::test
