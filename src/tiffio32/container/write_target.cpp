// File and stream targets of the write operations.
#include "container/write_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "api/export_guard.h"
#include "container/page_writer.h"

namespace quill::tiff {
namespace {

// Writes the page into a fresh TIFF on io; hands io back, or null when the write fails.
std::unique_ptr<TiffIo> WriteNewTiff(std::unique_ptr<TiffIo> io, const DibInfo& dib, uint32_t compression,
                                     const Progress& progress) {
  if (io == nullptr) return nullptr;
  TTIF tif(std::move(io));
  if (!tif.WriteHeader() || !WritePage(tif, dib, compression, progress)) return nullptr;
  return tif.ReleaseIo();
}

class FileWriteTarget : public WriteTarget {
 public:
  explicit FileWriteTarget(std::string path) : path_(std::move(path)) {}

  bool AddPage(bool append, const DibInfo& dib, uint32_t compression, const Progress& progress) override {
    struct stat st {};
    if (append && ::stat(path_.c_str(), &st) == 0 && st.st_size > 0) return Append(dib, compression, progress);
    // The new file is made beside the old one and takes its place only when it is complete.
    const std::string work = path_ + ".new~";
    bool ok = WriteNewTiff(OpenFile(work, FileMode::kCreate), dib, compression, progress) != nullptr;
    if (ok) ok = std::rename(work.c_str(), path_.c_str()) == 0;
    if (!ok) ::unlink(work.c_str());
    return ok;
  }

  std::unique_ptr<TTIF> Edit() override { return LoadTiffFile(path_.c_str(), FileMode::kEdit); }

 private:
  bool Append(const DibInfo& dib, uint32_t compression, const Progress& progress) {
    auto tif = LoadTiffFile(path_.c_str(), FileMode::kEdit);
    if (tif == nullptr) return false;
    const uint64_t size = tif->io().Size();
    if (WritePage(*tif, dib, compression, progress)) return true;
    tif->io().Truncate(size);
    return false;
  }

  std::string path_;
};

class StreamWriteTarget : public WriteTarget {
 public:
  StreamWriteTarget(uint8_t** stream, uint32_t* size) : stream_(stream), size_(size) {}

  bool AddPage(bool append, const DibInfo& dib, uint32_t compression, const Progress& progress) override {
    if (append && *stream_ != nullptr && *size_ > 0) return Append(dib, compression, progress);
    // The new TIFF is made in a block of its own and copied into the caller's only once it is complete,
    // so a failure leaves the caller's stream as it was.
    auto made = WriteNewTiff(StreamIo::Open(nullptr, 0), dib, compression, progress);
    if (made == nullptr) return false;
    auto* fresh = static_cast<StreamIo*>(made.get());
    if (*stream_ == nullptr) {
      fresh->Publish(stream_, size_);
      return true;
    }
    auto target = StreamIo::Open(*stream_, 0);
    if (target == nullptr) return false;
    if (!target->Write(0, fresh->Data(), fresh->Size())) return false;  // a block that cannot grow stays put
    target->Publish(stream_, size_);
    return true;
  }

  std::unique_ptr<TTIF> Edit() override { return LoadTiff(WrapMemory(*stream_, *size_)); }

 private:
  bool Append(const DibInfo& dib, uint32_t compression, const Progress& progress) {
    auto io = StreamIo::Open(*stream_, *size_);
    if (io == nullptr) return false;
    StreamIo* block = io.get();
    TTIF tif(std::move(io));
    if (!tif.Load()) return false;
    const uint64_t size = block->Size();
    const bool ok = WritePage(tif, dib, compression, progress);
    if (!ok) block->Truncate(size);
    block->Publish(stream_, size_);  // the block may have moved even when the write failed
    return ok;
  }

  uint8_t** stream_;
  uint32_t* size_;
};

}  // namespace

std::unique_ptr<WriteTarget> FileTarget(const char* path) {
  return path == nullptr ? nullptr : std::make_unique<FileWriteTarget>(path);
}

std::unique_ptr<WriteTarget> StreamTarget(uint8_t** stream, uint32_t* size) {
  return stream == nullptr || size == nullptr ? nullptr : std::make_unique<StreamWriteTarget>(stream, size);
}

}  // namespace quill::tiff
