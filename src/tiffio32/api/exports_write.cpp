// Exports: writing DIBs as pages of files and memory streams.
#include "api/export_guard.h"
#include "container/page_insert.h"

using namespace quill::tiff;  // NOLINT: the exports below are the library's own front door

namespace {

template <class Operation>
int16_t WithTarget(std::unique_ptr<WriteTarget> target, Operation&& operation) {
  return Guarded([&] { return target != nullptr && operation(*target); });
}

}  // namespace

extern "C" {

int16_t writetiffiledib(const char* file, int16_t compression, int16_t bits, int16_t append, HGLOBAL dib, int32_t user,
                        TiffProgressProc callback) {
  return WithTarget(FileTarget(file), [&](WriteTarget& t) {
    return WriteDibPage(t, dib, compression, bits, append != 0, Progress{callback, user});
  });
}

int16_t writetiffiledibstream(uint8_t** stream, uint32_t* size, int16_t compression, int16_t bits, int16_t append,
                              HGLOBAL dib, int32_t user, TiffProgressProc callback) {
  return WithTarget(StreamTarget(stream, size), [&](WriteTarget& t) {
    return WriteDibPage(t, dib, compression, bits, append != 0, Progress{callback, user});
  });
}

int16_t writetiffiledibpage(const char* file, int16_t compression, int16_t bits, int16_t page, HGLOBAL dib,
                            int32_t user, TiffProgressProc callback) {
  return WithTarget(FileTarget(file), [&](WriteTarget& t) {
    return InsertDibPage(t, dib, compression, bits, page, Progress{callback, user});
  });
}

int16_t writetiffiledibpagestream(uint8_t** stream, uint32_t* size, int16_t compression, int16_t bits, int16_t page,
                                  HGLOBAL dib, int32_t user, TiffProgressProc callback) {
  return WithTarget(StreamTarget(stream, size), [&](WriteTarget& t) {
    return InsertDibPage(t, dib, compression, bits, page, Progress{callback, user});
  });
}

int16_t writetiffiledibpagereplace(const char* file, int16_t compression, int16_t bits, int16_t page, HGLOBAL dib,
                                   int32_t user, TiffProgressProc callback) {
  return WithTarget(FileTarget(file), [&](WriteTarget& t) {
    return ReplaceDibPage(t, dib, compression, bits, page, Progress{callback, user});
  });
}

int16_t writetiffiledibpagereplacestream(uint8_t** stream, uint32_t* size, int16_t compression, int16_t bits,
                                         int16_t page, HGLOBAL dib, int32_t user, TiffProgressProc callback) {
  return WithTarget(StreamTarget(stream, size), [&](WriteTarget& t) {
    return ReplaceDibPage(t, dib, compression, bits, page, Progress{callback, user});
  });
}

}  // extern "C"
