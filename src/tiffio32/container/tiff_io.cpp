// File and memory targets of the TIFF operations.
#include "container/tiff_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace quill::tiff {
namespace {

bool InRange(uint64_t offset, size_t n, uint64_t limit) {
  return offset <= limit && n <= limit - offset;
}

class FileIo : public TiffIo {
 public:
  FileIo(int fd, uint64_t size) : fd_(fd), size_(size) {}
  ~FileIo() override { ::close(fd_); }

  uint64_t Size() const override { return size_; }

  bool Read(uint64_t offset, void* out, size_t n) override {
    if (!InRange(offset, n, size_)) return false;
    auto* dst = static_cast<uint8_t*>(out);
    while (n > 0) {
      ssize_t got = ::pread(fd_, dst, std::min(n, kIoPiece), static_cast<off_t>(offset));
      if (got <= 0) return false;
      dst += got;
      offset += static_cast<uint64_t>(got);
      n -= static_cast<size_t>(got);
    }
    return true;
  }

  bool Write(uint64_t offset, const void* data, size_t n) override {
    if (!InRange(offset, n, kMaxTiffSize)) return false;
    const auto* src = static_cast<const uint8_t*>(data);
    uint64_t at = offset;
    for (size_t left = n; left > 0;) {
      ssize_t put = ::pwrite(fd_, src, std::min(left, kIoPiece), static_cast<off_t>(at));
      if (put <= 0) return false;
      src += put;
      at += static_cast<uint64_t>(put);
      left -= static_cast<size_t>(put);
    }
    size_ = std::max(size_, at);
    return true;
  }

  bool Truncate(uint64_t size) override {
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) return false;
    size_ = size;
    return true;
  }

 private:
  int fd_;
  uint64_t size_;
};

class MemoryIo : public TiffIo {
 public:
  MemoryIo(const uint8_t* data, uint8_t* writable, uint32_t size) : data_(data), writable_(writable), size_(size) {}

  uint64_t Size() const override { return size_; }
  const uint8_t* Data() const override { return data_; }

  bool Read(uint64_t offset, void* out, size_t n) override {
    if (!InRange(offset, n, size_)) return false;
    if (n > 0) std::memcpy(out, data_ + offset, n);
    return true;
  }

  bool Write(uint64_t offset, const void* data, size_t n) override {
    if (writable_ == nullptr || !InRange(offset, n, size_)) return false;
    if (n > 0) std::memcpy(writable_ + offset, data, n);
    return true;
  }

  bool Truncate(uint64_t) override { return false; }

 private:
  const uint8_t* data_;
  uint8_t* writable_;
  uint32_t size_;
};

}  // namespace

std::unique_ptr<TiffIo> OpenFile(const std::string& path, FileMode mode) {
  int flags = O_RDONLY;
  if (mode == FileMode::kEdit) flags = O_RDWR;
  if (mode == FileMode::kCreate) {
    ::unlink(path.c_str());
    flags = O_RDWR | O_CREAT | O_TRUNC;
  }
  int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<FileIo>(fd, static_cast<uint64_t>(st.st_size));
}

std::unique_ptr<TiffIo> WrapMemory(const uint8_t* data, uint32_t size) {
  return std::make_unique<MemoryIo>(data, nullptr, data == nullptr ? 0 : size);
}

std::unique_ptr<TiffIo> WrapMemory(uint8_t* data, uint32_t size) {
  return std::make_unique<MemoryIo>(data, data, data == nullptr ? 0 : size);
}

StreamIo::StreamIo(HGLOBAL block, uint32_t used, bool owned)
    : block_(block), bytes_(static_cast<uint8_t*>(GlobalLock(block))), used_(used), owned_(owned) {}

std::unique_ptr<StreamIo> StreamIo::Open(uint8_t* stream, uint32_t size) {
  if (stream == nullptr) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kStreamStep);
    if (block == nullptr) return nullptr;
    return std::unique_ptr<StreamIo>(new StreamIo(block, 0, true));
  }
  HGLOBAL block = GlobalHandle(stream);
  if (block == nullptr || size > GlobalSize(block)) return nullptr;
  return std::unique_ptr<StreamIo>(new StreamIo(block, size, false));
}

StreamIo::~StreamIo() {
  if (block_ == nullptr) return;
  GlobalUnlock(block_);
  if (owned_) GlobalFree(block_);
}

bool StreamIo::Read(uint64_t offset, void* out, size_t n) {
  if (!InRange(offset, n, used_)) return false;
  if (n > 0) std::memcpy(out, bytes_ + offset, n);
  return true;
}

bool StreamIo::Write(uint64_t offset, const void* data, size_t n) {
  if (!InRange(offset, n, kMaxTiffSize)) return false;
  uint64_t end = offset + n;
  uint64_t capacity = GlobalSize(block_);
  if (end > capacity) {
    uint64_t grown = capacity + (end - capacity + kStreamStep - 1) / kStreamStep * kStreamStep;
    if (GlobalReAlloc(block_, grown, GMEM_MOVEABLE | GMEM_ZEROINIT) == nullptr) return false;
    GlobalUnlock(block_);
    bytes_ = static_cast<uint8_t*>(GlobalLock(block_));
  }
  if (n > 0) std::memcpy(bytes_ + offset, data, n);
  used_ = std::max(used_, end);
  return true;
}

bool StreamIo::Truncate(uint64_t size) {
  if (size > used_) return false;
  used_ = size;
  return true;
}

void StreamIo::Publish(uint8_t** stream, uint32_t* size) {
  *stream = bytes_;
  *size = static_cast<uint32_t>(used_);
  // A block made here stays locked for the caller; the caller's own block keeps just the caller's lock.
  if (!owned_) GlobalUnlock(block_);
  owned_ = false;
  block_ = nullptr;
}

}  // namespace quill::tiff
