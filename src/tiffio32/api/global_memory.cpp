// Movable memory blocks.  A handle is a small record that stays put; the bytes live in a separate
// allocation that may move on resize.  Each allocation starts with a prefix naming its handle, so the
// address a caller got from GlobalLock leads back to the handle (GlobalHandle).
//
// Pictures of scans run to tens of megabytes: blocks of 32 MB and more are mapped from the system
// directly and may use large pages, so that filling them costs a few page faults instead of thousands.
// (Smaller blocks come from the heap, which hands freed memory out again without new page faults.)
#include <sys/mman.h>

#include <cstdlib>
#include <cstring>
#include <new>

#include "tiffio32.h"

struct TiffGlobalBlock {
  uint32_t magic;
  uint32_t locks;
  size_t size;
  unsigned char* bytes;  // start of the allocation (prefix first)
  size_t mapped;         // bytes of the mapping, or 0 for an allocation from the heap
};

namespace {

constexpr uint32_t kLiveMagic = 0x51474D42u;  // "QGMB"
constexpr uint32_t kDeadMagic = 0xDEADB10Cu;
// Under AddressSanitizer every block comes from the heap, where overruns are caught.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TIFFIO32_HEAP_ONLY 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(TIFFIO32_HEAP_ONLY)
constexpr size_t kMapFrom = SIZE_MAX;
#else
constexpr size_t kMapFrom = 32u << 20;  // glibc reuses smaller blocks from its heap
#endif

struct alignas(16) Prefix {
  uint32_t magic;
  TiffGlobalBlock* owner;
};

unsigned char* Payload(const TiffGlobalBlock* block) {
  return block->bytes + sizeof(Prefix);
}

bool IsLive(const TiffGlobalBlock* block) {
  return block != nullptr && block->magic == kLiveMagic;
}

void* Map(size_t total) {
  void* p = mmap(nullptr, total, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) return nullptr;
  madvise(p, total, MADV_HUGEPAGE);
  return p;
}

void Release(TiffGlobalBlock* block) {
  if (block->mapped != 0) {
    munmap(block->bytes, block->mapped);
  } else {
    std::free(block->bytes);
  }
}

// The allocation for `bytes` of payload (zero-filled when mapped or asked for), its prefix set.
bool Allocate(TiffGlobalBlock* block, size_t bytes, bool zero) {
  if (bytes > SIZE_MAX - sizeof(Prefix)) return false;
  const size_t total = sizeof(Prefix) + bytes;
  void* raw = total >= kMapFrom ? Map(total) : zero ? std::calloc(1, total) : std::malloc(total);
  if (raw == nullptr) return false;
  block->bytes = static_cast<unsigned char*>(raw);
  block->mapped = total >= kMapFrom ? total : 0;
  *static_cast<Prefix*>(raw) = Prefix{kLiveMagic, block};
  return true;
}

// Moves the block into a new allocation of `bytes`, keeping what both hold.
bool Move(TiffGlobalBlock* block, size_t bytes) {
  TiffGlobalBlock moved = *block;
  if (!Allocate(&moved, bytes, false)) return false;
  reinterpret_cast<Prefix*>(moved.bytes)->owner = block;
  std::memcpy(Payload(&moved), Payload(block), bytes < block->size ? bytes : block->size);
  Release(block);
  block->bytes = moved.bytes;
  block->mapped = moved.mapped;
  return true;
}

bool Resize(TiffGlobalBlock* block, size_t bytes) {
  const size_t total = sizeof(Prefix) + bytes;
  if (block->mapped != 0 && total >= kMapFrom) {
    void* p = mremap(block->bytes, block->mapped, total, MREMAP_MAYMOVE);
    if (p == MAP_FAILED) return false;
    block->bytes = static_cast<unsigned char*>(p);
    block->mapped = total;
    return true;
  }
  if (block->mapped == 0 && total < kMapFrom) {
    void* p = std::realloc(block->bytes, total);
    if (p == nullptr) return false;
    block->bytes = static_cast<unsigned char*>(p);
    return true;
  }
  return Move(block, bytes);
}

}  // namespace

extern "C" {

HGLOBAL GlobalAlloc(uint32_t flags, size_t bytes) {
  auto* block = new (std::nothrow) TiffGlobalBlock{kLiveMagic, 0, bytes, nullptr, 0};
  if (block == nullptr) return nullptr;
  if (!Allocate(block, bytes, (flags & GMEM_ZEROINIT) != 0)) {
    delete block;
    return nullptr;
  }
  return block;
}

HGLOBAL GlobalReAlloc(HGLOBAL block, size_t bytes, uint32_t flags) {
  if (!IsLive(block) || bytes > SIZE_MAX - sizeof(Prefix) || !Resize(block, bytes)) return nullptr;
  if ((flags & GMEM_ZEROINIT) != 0 && bytes > block->size) {
    std::memset(Payload(block) + block->size, 0, bytes - block->size);
  }
  block->size = bytes;
  return block;
}

void* GlobalLock(HGLOBAL block) {
  if (!IsLive(block)) return nullptr;
  ++block->locks;
  return Payload(block);
}

int32_t GlobalUnlock(HGLOBAL block) {
  if (!IsLive(block) || block->locks == 0) return 0;
  --block->locks;
  return block->locks != 0;
}

size_t GlobalSize(HGLOBAL block) {
  return IsLive(block) ? block->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL block) {
  if (block == nullptr) return nullptr;
  if (!IsLive(block)) return block;
  reinterpret_cast<Prefix*>(block->bytes)->magic = kDeadMagic;
  Release(block);
  block->magic = kDeadMagic;
  delete block;
  return nullptr;
}

HGLOBAL GlobalHandle(const void* address) {
  if (address == nullptr) return nullptr;
  const auto* prefix = static_cast<const Prefix*>(address) - 1;
  if (prefix->magic != kLiveMagic || !IsLive(prefix->owner)) return nullptr;
  return Payload(prefix->owner) == address ? prefix->owner : nullptr;
}

}  // extern "C"
