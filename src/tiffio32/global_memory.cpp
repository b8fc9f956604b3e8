// Movable memory blocks.  A handle is a small record that stays put; the bytes live in a separate
// allocation that may move on resize.  Each allocation starts with a prefix naming its handle, so the
// address a caller got from GlobalLock leads back to the handle (GlobalHandle).
#include <cstdlib>
#include <cstring>
#include <new>

#include "tiffio32.h"

struct TiffGlobalBlock {
  uint32_t magic;
  uint32_t locks;
  size_t size;
  unsigned char* bytes;  // start of the allocation (prefix first)
};

namespace {

constexpr uint32_t kLiveMagic = 0x51474D42u;  // "QGMB"
constexpr uint32_t kDeadMagic = 0xDEADB10Cu;

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

unsigned char* AllocateBytes(TiffGlobalBlock* owner, size_t bytes, bool zero) {
  if (bytes > SIZE_MAX - sizeof(Prefix)) return nullptr;
  void* raw = zero ? std::calloc(1, sizeof(Prefix) + bytes) : std::malloc(sizeof(Prefix) + bytes);
  if (raw == nullptr) return nullptr;
  auto* prefix = static_cast<Prefix*>(raw);
  prefix->magic = kLiveMagic;
  prefix->owner = owner;
  return static_cast<unsigned char*>(raw);
}

}  // namespace

extern "C" {

HGLOBAL GlobalAlloc(uint32_t flags, size_t bytes) {
  auto* block = new (std::nothrow) TiffGlobalBlock{kLiveMagic, 0, bytes, nullptr};
  if (block == nullptr) return nullptr;
  block->bytes = AllocateBytes(block, bytes, (flags & GMEM_ZEROINIT) != 0);
  if (block->bytes == nullptr) {
    delete block;
    return nullptr;
  }
  return block;
}

HGLOBAL GlobalReAlloc(HGLOBAL block, size_t bytes, uint32_t flags) {
  if (!IsLive(block) || bytes > SIZE_MAX - sizeof(Prefix)) return nullptr;
  void* moved = std::realloc(block->bytes, sizeof(Prefix) + bytes);
  if (moved == nullptr) return nullptr;
  block->bytes = static_cast<unsigned char*>(moved);
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
  std::free(block->bytes);
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
