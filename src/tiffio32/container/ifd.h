// One image file directory: its 12-byte entries as stored, and their values read with every count and
// offset checked against the file.
#pragma once

#include <cstdint>
#include <vector>

#include "container/byte_order.h"
#include "container/tiff_io.h"

namespace quill::tiff {

enum TiffType : uint16_t { kByte = 1, kAscii = 2, kShort = 3, kLong = 4, kRational = 5 };

struct IfdEntry {
  uint16_t tag = 0;
  uint16_t type = 0;
  uint32_t count = 0;
  uint8_t field[4] = {};  // the value field as stored
  uint32_t position = 0;  // file offset of the entry
  uint32_t FieldPosition() const { return position + 8; }
};

struct Ifd {
  uint32_t offset = 0;
  std::vector<IfdEntry> entries;  // in file order
  const IfdEntry* Find(uint16_t tag) const;
};

// Bytes per value of a TIFF type; 0 for a type this library does not know.
uint32_t TypeSize(uint16_t type);

// Reads the directory at offset whole; false when it does not lie inside the file.
bool ReadIfd(TiffIo& io, const ByteOrder& order, uint32_t offset, Ifd* ifd);

// Where the entry's values are: inside the value field (4 bytes or fewer) or at the offset it holds.
// False when they do not lie inside the file or the type is unknown.
bool ValueLocation(const TiffIo& io, const ByteOrder& order, const IfdEntry& e, uint32_t* offset, bool* inField);

// The first `want` values (fewer when the entry holds fewer) of a BYTE, SHORT or LONG entry, widened to
// 32 bits.  False on another type or a short read.
bool ReadIntegers(TiffIo& io, const ByteOrder& order, const IfdEntry& e, uint32_t want, std::vector<uint32_t>* out);
// The first value of a BYTE, SHORT or LONG entry with at least one value.
bool ReadInteger(TiffIo& io, const ByteOrder& order, const IfdEntry& e, uint32_t* value);
// The first RATIONAL of the entry.
bool ReadRational(TiffIo& io, const ByteOrder& order, const IfdEntry& e, uint32_t* numerator, uint32_t* denominator);

}  // namespace quill::tiff
