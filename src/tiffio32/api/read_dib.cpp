// The page read and brought to the wanted depth.
#include "api/read_dib.h"

#include <cstring>

#include "container/page_reader.h"
#include "dib/dib_depth.h"

namespace quill::tiff {

bool ReadDib(std::unique_ptr<TTIF> tif, int bits, bool convert, int page, HGLOBAL* dib, const Progress& progress) {
  if (dib == nullptr) return false;
  *dib = nullptr;
  if (tif == nullptr) return false;
  HGLOBAL read = ReadPage(*tif, page, progress);
  if (read == nullptr) return false;
  BITMAPINFOHEADER header;
  std::memcpy(&header, GlobalLock(read), sizeof header);
  GlobalUnlock(read);
  const bool deep = header.biBitCount == 16 && (bits == 8 || bits == 16 || bits == 24 || bits == kSixteenBitGray);
  if (convert || deep) {
    if (HGLOBAL converted = ConvertDibDepth(read, bits)) {
      GlobalFree(read);
      read = converted;
    }
  }
  *dib = read;
  return true;
}

}  // namespace quill::tiff
