// Copying the pages of a TIFF into a new one.
#include "api/pack.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "api/export_guard.h"
#include "container/ifd.h"
#include "container/page_description.h"
#include "container/page_reader.h"
#include "container/page_writer.h"
#include "dib/dib_block.h"

namespace quill::tiff {
namespace {

bool HasHiddenIfds(const TTIF& tif) {
  for (const IfdLink& l : tif.ifds()) {
    if (l.hidden) return true;
  }
  return false;
}

// One page: its compression from the directory, its picture read as stored, written again.  The progress
// callback hears after each of the three steps.
bool CopyPage(TTIF& from, int page, TTIF& to, int* step, int steps, const Progress& progress) {
  auto report = [&] { return progress.Report(int64_t{++*step} * 100 / steps); };
  Ifd ifd;
  PageDescription d;
  const int index = from.IfdOfPage(page);
  if (!ReadIfd(from.io(), from.order(), from.ifds()[index].offset, &ifd) ||
      !DescribePage(from.io(), from.order(), ifd, &d) || !report()) {
    return false;
  }
  HGLOBAL dib = ReadPage(from, page, Progress{});
  if (dib == nullptr || !report()) {
    GlobalFree(dib);
    return false;
  }
  bool ok = false;
  {
    InputDib in(dib);
    ok = in.ok() && WritePage(to, in.info(), d.compression, Progress{});
  }
  GlobalFree(dib);
  return ok && report();
}

bool CopyPages(TTIF& from, TTIF& to, const Progress& progress) {
  if (!to.WriteHeader()) return false;
  const int pages = from.PageCount();
  int step = 0;
  for (int page = 0; page < pages; ++page) {
    if (!CopyPage(from, page, to, &step, pages * 3, progress)) return false;
  }
  return true;
}

std::string WorkFileName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? path.substr(0, dot) : path) + ".WRK";
}

bool EnoughRoom(const std::string& path, uint64_t bytes) {
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  struct statvfs vfs {};
  return ::statvfs(folder.c_str(), &vfs) == 0 && uint64_t{vfs.f_bavail} * vfs.f_frsize >= bytes;
}

}  // namespace

bool PackFile(const char* path, const Progress& progress) {
  auto from = LoadTiffFile(path, FileMode::kRead);
  if (from == nullptr) return false;
  if (!HasHiddenIfds(*from)) return true;
  if (!EnoughRoom(path, from->io().Size())) return false;
  const std::string work = WorkFileName(path);
  bool ok = false;
  {
    auto out = OpenFile(work, FileMode::kCreate);
    if (out == nullptr) return false;
    TTIF to(std::move(out));
    ok = CopyPages(*from, to, progress);
  }
  if (ok) ok = std::rename(work.c_str(), path) == 0;
  if (!ok) ::unlink(work.c_str());
  return ok;
}

bool PackStream(uint8_t** stream, uint32_t* size, const Progress& progress) {
  if (stream == nullptr || size == nullptr) return false;
  auto from = LoadTiff(WrapMemory(static_cast<const uint8_t*>(*stream), *size));
  if (from == nullptr) return false;
  if (!HasHiddenIfds(*from)) return true;
  auto out = StreamIo::Open(nullptr, 0);
  if (out == nullptr) return false;
  StreamIo* block = out.get();
  TTIF to(std::move(out));
  if (!CopyPages(*from, to, progress)) return false;
  GlobalFree(GlobalHandle(*stream));
  block->Publish(stream, size);
  return true;
}

}  // namespace quill::tiff
