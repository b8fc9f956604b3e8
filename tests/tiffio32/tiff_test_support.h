// Helpers of the TIFF page tests: pictures with a pattern, pictures compared colour by colour, memory
// streams the test owns, and the libtiff tools.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dib_test_pictures.h"
#include "tiffio32.h"

namespace quill::tiff::test {

// A picture of the depth (1, 4, 8 or 24 bits) whose every pixel differs from its neighbours in some way,
// with a colour table of distinct colours (black and white for 1 bit).
Dib PatternDib(int width, int height, int bits, uint32_t seed = 1);

// Same size and the same colour at every pixel (through the colour tables for palette pictures).
testing::AssertionResult SamePicture(const Dib& expected, const Dib& actual);

// The colour of pixel (x, y from the top) as 0xRRGGBB.
uint32_t ColorAt(const Dib& dib, int x, int y);

// A memory stream the test owns; released when it goes.
struct Stream {
  uint8_t* data = nullptr;
  uint32_t size = 0;
  Stream() = default;
  explicit Stream(const std::string& bytes);
  ~Stream();
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;
  std::string Bytes() const { return std::string(reinterpret_cast<const char*>(data), size); }
};

// Page `page` of the TIFF in the bytes, as stored (no conversion); empty Dib when it fails.
Dib ReadBytes(const std::string& tiff, int page = 0);
Dib ReadPath(const std::string& path, int page = 0);

// Writes the picture as the only page of a new stream and returns the bytes.
std::string WriteBytes(const Dib& dib, int compression, int bits = -1);

int PageCount(const std::string& path);

// Little-endian numbers inside a file's bytes.
uint32_t Le16(const std::string& bytes, size_t at);
uint32_t Le32(const std::string& bytes, size_t at);

// One directory entry of a little-endian file, as stored.
struct StoredEntry {
  uint32_t tag, type, count, field;  // field: the value field read as a 32-bit number
};
// The entries of the directory at offset (the first one when offset is 0).
std::vector<StoredEntry> StoredEntries(const std::string& bytes, uint32_t offset = 0);
// The entry of the tag, or one with tag 0 when it is missing.
StoredEntry FindEntry(const std::vector<StoredEntry>& entries, uint32_t tag);

// The path of a libtiff tool, or empty when it is not installed.
std::string LibtiffTool(const std::string& name);

}  // namespace quill::tiff::test
