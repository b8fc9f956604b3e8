// Movable memory blocks: contents survive every resize, small to large and back, and the address a
// caller holds always leads back to its handle.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tiffio32.h"

namespace {

TEST(GlobalMemory, ResizingKeepsContentsAndZeroFillsGrowth) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 1000);
  ASSERT_NE(block, nullptr);
  auto* bytes = static_cast<uint8_t*>(GlobalLock(block));
  for (int i = 0; i < 1000; ++i) bytes[i] = static_cast<uint8_t>(i * 7);
  GlobalUnlock(block);
  // Past the size that is mapped from the system, larger again, then back to a small block.
  for (size_t size : {size_t{33} << 20, size_t{40} << 20, size_t{2000}}) {
    ASSERT_EQ(GlobalReAlloc(block, size, GMEM_MOVEABLE | GMEM_ZEROINIT), block) << size;
    EXPECT_EQ(GlobalSize(block), size);
    bytes = static_cast<uint8_t*>(GlobalLock(block));
    EXPECT_EQ(GlobalHandle(bytes), block);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(bytes[i], static_cast<uint8_t>(i * 7)) << size;
    EXPECT_EQ(bytes[size - 1], 0);
    EXPECT_EQ(bytes[1500], 0);
    GlobalUnlock(block);
  }
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(GlobalMemory, LargeBlocksStartZeroAndWhatIsNoBlockIsSaidSo) {
  HGLOBAL large = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 40u << 20);
  ASSERT_NE(large, nullptr);
  const auto* bytes = static_cast<const uint8_t*>(GlobalLock(large));
  EXPECT_EQ(bytes[0], 0);
  EXPECT_EQ(bytes[(40u << 20) - 1], 0);
  EXPECT_EQ(GlobalUnlock(large), 0);
  EXPECT_EQ(GlobalFree(large), nullptr);

  std::vector<uint8_t> notABlock(64, 0);
  EXPECT_EQ(GlobalHandle(notABlock.data() + 32), nullptr);
  EXPECT_EQ(GlobalLock(nullptr), nullptr);
  EXPECT_EQ(GlobalSize(nullptr), 0u);
  EXPECT_EQ(GlobalFree(nullptr), nullptr);
}

}  // namespace
