// Exports: page editing and tags on files and memory streams.
#include "api/export_guard.h"
#include "container/page_edit.h"
#include "container/tags.h"

using namespace quill::tiff;  // NOLINT: the exports below are the library's own front door

namespace {

template <class Operation>
int16_t OnFile(const char* file, FileMode mode, Operation&& operation) {
  return Guarded([&] {
    auto tif = LoadTiffFile(file, mode);
    return tif != nullptr && operation(*tif);
  });
}

template <class Operation>
int16_t OnStream(std::unique_ptr<TiffIo> io, Operation&& operation) {
  return Guarded([&] {
    auto tif = LoadTiff(std::move(io));
    return tif != nullptr && operation(*tif);
  });
}

// readtag's outputs read -1 until a tag gives them values; false when there are none to set.
bool ClearTagOutputs(int16_t* count, int32_t* value) {
  if (count == nullptr || value == nullptr) return false;
  *count = -1;
  *value = -1;
  return true;
}

}  // namespace

extern "C" {

int16_t swappages(const char* file, int16_t pageA, int16_t pageB) {
  return OnFile(file, FileMode::kEdit, [&](TTIF& tif) { return SwapPages(tif, pageA, pageB); });
}

int16_t swappagesstream(uint8_t* stream, uint32_t size, int16_t pageA, int16_t pageB) {
  return OnStream(WrapMemory(stream, size), [&](TTIF& tif) { return SwapPages(tif, pageA, pageB); });
}

int16_t movepage(const char* file, int16_t target, int16_t page) {
  return OnFile(file, FileMode::kEdit, [&](TTIF& tif) { return MovePage(tif, target, page); });
}

int16_t movepagestream(uint8_t* stream, uint32_t size, int16_t target, int16_t page) {
  return OnStream(WrapMemory(stream, size), [&](TTIF& tif) { return MovePage(tif, target, page); });
}

int16_t deletepage(const char* file, int16_t page) {
  return OnFile(file, FileMode::kEdit, [&](TTIF& tif) { return DeletePage(tif, page); });
}

int16_t deletepagestream(uint8_t* stream, uint32_t size, int16_t page) {
  return OnStream(WrapMemory(stream, size), [&](TTIF& tif) { return DeletePage(tif, page); });
}

int16_t returntags(const char* file, int16_t page, int32_t user, TiffTagProc callback) {
  return OnFile(file, FileMode::kRead, [&](TTIF& tif) { return ReturnTags(tif, page, user, callback); });
}

int16_t returntagsstream(const uint8_t* stream, uint32_t size, int16_t page, int32_t user, TiffTagProc callback) {
  return OnStream(WrapMemory(stream, size), [&](TTIF& tif) { return ReturnTags(tif, page, user, callback); });
}

int16_t readtag(const char* file, int16_t page, int32_t tag, int16_t* count, int32_t* value, char** text) {
  if (!ClearTagOutputs(count, value)) return -1;
  return OnFile(file, FileMode::kRead, [&](TTIF& tif) { return ReadTag(tif, page, tag, count, value, text); });
}

int16_t readtagstream(const uint8_t* stream, uint32_t size, int16_t page, int32_t tag, int16_t* count, int32_t* value,
                      char** text) {
  if (!ClearTagOutputs(count, value)) return -1;
  return OnStream(WrapMemory(stream, size), [&](TTIF& tif) { return ReadTag(tif, page, tag, count, value, text); });
}

int16_t writetag(const char* file, int16_t page, int32_t tag, int32_t value) {
  return OnFile(file, FileMode::kEdit, [&](TTIF& tif) { return WriteTag(tif, page, tag, value); });
}

int16_t writetagstream(uint8_t* stream, uint32_t size, int16_t page, int32_t tag, int32_t value) {
  return OnStream(WrapMemory(stream, size), [&](TTIF& tif) { return WriteTag(tif, page, tag, value); });
}

int16_t writetagstring(const char* file, int16_t page, int32_t tag, const char* text) {
  return OnFile(file, FileMode::kEdit, [&](TTIF& tif) { return WriteTagString(tif, page, tag, text); });
}

int16_t writetagstringstream(uint8_t* stream, uint32_t size, int16_t page, int32_t tag, const char* text) {
  return OnStream(WrapMemory(stream, size), [&](TTIF& tif) { return WriteTagString(tif, page, tag, text); });
}

}  // extern "C"
