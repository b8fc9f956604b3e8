// A file that claims a page of 100,000 x 100,000 pixels: its size is reported, and every way of reading
// it answers at once with a refusal, holding no more memory than a small page would.
#include <gtest/gtest.h>

#include "child_process.h"
#include "test_support.h"
#include "tiff_maker.h"
#include "tiffio32.h"

namespace quill::tiff::test {
namespace {

using quill::test::ChildProcess;
using quill::test::TempDir;
using quill::test::WriteFile;

constexpr long kMostKb = 120 * 1024;  // the reader itself under the sanitizers, with room to spare

struct Claim {
  const char* name;
  uint32_t compression;
  std::vector<uint32_t> bits;
  uint32_t photometric;
};

TEST(TiffHugePage, AHundredThousandPixelsSquareIsRefusedWithoutTheMemory) {
  TempDir dir;
  for (const Claim& c : {Claim{"group 4", 4, {1}, 0}, Claim{"grey", 1, {8}, 1}, Claim{"colour LZW", 5, {8, 8, 8}, 2}}) {
    SCOPED_TRACE(c.name);
    TiffMaker m;
    m.Page(100000, 100000, c.bits, c.photometric, c.compression, std::vector<uint8_t>(64, 0));
    const std::string path = dir.File("HUGE.TIF");
    WriteFile(path, m.Bytes());
    int32_t width = 0, height = 0;
    ASSERT_EQ(getinfo(path.c_str(), 0, &width, &height, nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(width, 100000);
    EXPECT_EQ(height, 100000);
    ChildProcess reader = ChildProcess::Fork([&] {
      for (int16_t bits : {0, 1, 8, 24}) {
        HGLOBAL dib = nullptr;
        if (readtiffiledib(path.c_str(), bits, 1, 0, &dib, 0, nullptr) == 1 || dib != nullptr) ::_exit(3);
        HBITMAP bitmap = nullptr;
        HPALETTE palette = nullptr;
        readtiffile(path.c_str(), bits, 1, 0, 10, &bitmap, &palette, 0, nullptr);
        DeleteBitmap(bitmap);
        DeletePalette(palette);
      }
    });
    quill::test::ChildEnd end = reader.Wait();
    EXPECT_EQ(end.exitCode, 0) << "a page that size was read";
    EXPECT_LT(end.maxRssKb, kMostKb);
  }
}

}  // namespace
}  // namespace quill::tiff::test
