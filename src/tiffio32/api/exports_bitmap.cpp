// Exports: pages read into device bitmaps and written from them.
#include "api/device_bitmap.h"
#include "api/export_guard.h"
#include "api/read_dib.h"
#include "container/page_insert.h"
#include "dib/dib_block.h"

using namespace quill::tiff;  // NOLINT: the exports below are the library's own front door

namespace {

bool ReadBitmap(std::unique_ptr<TTIF> tif, int bits, bool convert, int page, int scale, HBITMAP* bitmap,
                HPALETTE* palette, const Progress& progress) {
  if (bitmap == nullptr || palette == nullptr) return false;
  *bitmap = nullptr;
  *palette = nullptr;
  HGLOBAL dib = nullptr;
  if (!ReadDib(std::move(tif), bits, convert, page, &dib, progress)) return false;
  bool ok = false;
  {
    InputDib in(dib);
    ok = in.ok() && MakeDeviceBitmap(in.info(), scale, bitmap, palette);
  }
  GlobalFree(dib);
  return ok;
}

// Runs a DIB operation on the DIB read back from the bitmap, which goes afterwards.
template <class Operation>
int16_t FromBitmap(std::unique_ptr<WriteTarget> target, HBITMAP bitmap, HPALETTE palette, Operation&& operation) {
  return Guarded([&] {
    if (target == nullptr) return false;
    HGLOBAL dib = BitmapToDib(bitmap, palette);
    const bool ok = dib != nullptr && operation(*target, dib);
    GlobalFree(dib);
    return ok;
  });
}

}  // namespace

extern "C" {

int16_t readtiffile(const char* file, int16_t bits, int16_t convert, int16_t page, int16_t scale, HBITMAP* bitmap,
                    HPALETTE* palette, int32_t user, TiffProgressProc callback) {
  return Guarded([&] {
    return ReadBitmap(LoadTiffFile(file, FileMode::kRead), bits, convert != 0, page, scale, bitmap, palette,
                      Progress{callback, user});
  });
}

int16_t readtiffilestream(const uint8_t* stream, uint32_t size, int16_t bits, int16_t convert, int16_t page,
                          int16_t scale, HBITMAP* bitmap, HPALETTE* palette, int32_t user, TiffProgressProc callback) {
  return Guarded([&] {
    return ReadBitmap(LoadTiff(WrapMemory(stream, size)), bits, convert != 0, page, scale, bitmap, palette,
                      Progress{callback, user});
  });
}

int16_t writetiffile(const char* file, int16_t compression, int16_t bits, int16_t append, HBITMAP bitmap,
                     HPALETTE palette, int32_t user, TiffProgressProc callback) {
  return FromBitmap(FileTarget(file), bitmap, palette, [&](WriteTarget& t, HGLOBAL dib) {
    return WriteDibPage(t, dib, compression, bits, append != 0, Progress{callback, user});
  });
}

int16_t writetiffilestream(uint8_t** stream, uint32_t* size, int16_t compression, int16_t bits, int16_t append,
                           HBITMAP bitmap, HPALETTE palette, int32_t user, TiffProgressProc callback) {
  return FromBitmap(StreamTarget(stream, size), bitmap, palette, [&](WriteTarget& t, HGLOBAL dib) {
    return WriteDibPage(t, dib, compression, bits, append != 0, Progress{callback, user});
  });
}

int16_t writetiffilepage(const char* file, int16_t compression, int16_t bits, int16_t page, HBITMAP bitmap,
                         HPALETTE palette, int32_t user, TiffProgressProc callback) {
  return FromBitmap(FileTarget(file), bitmap, palette, [&](WriteTarget& t, HGLOBAL dib) {
    return InsertDibPage(t, dib, compression, bits, page, Progress{callback, user});
  });
}

int16_t writetiffilepagestream(uint8_t** stream, uint32_t* size, int16_t compression, int16_t bits, int16_t page,
                               HBITMAP bitmap, HPALETTE palette, int32_t user, TiffProgressProc callback) {
  return FromBitmap(StreamTarget(stream, size), bitmap, palette, [&](WriteTarget& t, HGLOBAL dib) {
    return InsertDibPage(t, dib, compression, bits, page, Progress{callback, user});
  });
}

int16_t writetiffilepagereplace(const char* file, int16_t compression, int16_t bits, int16_t page, HBITMAP bitmap,
                                HPALETTE palette, int32_t user, TiffProgressProc callback) {
  return FromBitmap(FileTarget(file), bitmap, palette, [&](WriteTarget& t, HGLOBAL dib) {
    return ReplaceDibPage(t, dib, compression, bits, page, Progress{callback, user});
  });
}

int16_t writetiffilepagereplacestream(uint8_t** stream, uint32_t* size, int16_t compression, int16_t bits, int16_t page,
                                      HBITMAP bitmap, HPALETTE palette, int32_t user, TiffProgressProc callback) {
  return FromBitmap(StreamTarget(stream, size), bitmap, palette, [&](WriteTarget& t, HGLOBAL dib) {
    return ReplaceDibPage(t, dib, compression, bits, page, Progress{callback, user});
  });
}

}  // extern "C"
