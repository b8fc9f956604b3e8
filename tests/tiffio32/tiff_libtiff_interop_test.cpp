// Interchange with libtiff, the reference reader and writer of TIFF: libtiff's tools read every page
// this library writes to the same pixels, and this library reads what libtiff writes to the same pixels.
#include <gtest/gtest.h>

#include "test_support.h"
#include "tiff_test_support.h"

namespace quill::tiff::test {
namespace {

using quill::test::RunProgram;
using quill::test::TempDir;

class LibtiffInterop : public testing::Test {
 protected:
  void SetUp() override {
    tiffcp_ = LibtiffTool("tiffcp");
    tiff2rgba_ = LibtiffTool("tiff2rgba");
    tiffinfo_ = LibtiffTool("tiffinfo");
    if (tiffcp_.empty() || tiff2rgba_.empty() || tiffinfo_.empty()) {
      FAIL() << "libtiff's tools are missing: install libtiff-tools (scripts/deps.sh --tests)";
    }
  }

  // Runs a tool; fails the test when it reports an error.
  void Tool(const std::vector<std::string>& argv) {
    const quill::test::RunResult r = RunProgram(argv);
    EXPECT_EQ(r.exitCode, 0) << argv[0] << ": " << r.err;
    EXPECT_EQ(r.err.find("rror"), std::string::npos) << argv[0] << ": " << r.err;
  }

  std::string tiffcp_, tiff2rgba_, tiffinfo_;
  TempDir dir_;
};

Dib PictureFor(int bits) {
  return bits == 1 ? PatternDib(333, 71, 1) : PatternDib(97, 45, bits);
}

TEST_F(LibtiffInterop, LibtiffReadsEveryPageThisLibraryWrites) {
  struct Case {
    int bits, compression;
  };
  for (Case c : {Case{1, 1}, Case{1, 2}, Case{1, 3}, Case{1, 4}, Case{1, 5}, Case{1, 6}, Case{4, 1}, Case{4, 5},
                 Case{4, 6}, Case{8, 1}, Case{8, 5}, Case{8, 6}, Case{24, 1}, Case{24, 5}, Case{24, 6}}) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits, compression " << c.compression);
    const Dib picture = PictureFor(c.bits);
    const std::string ours = dir_.File("ours.tif"), rgba = dir_.File("rgba.tif");
    ASSERT_EQ(writetiffiledib(ours.c_str(), static_cast<int16_t>(c.compression), static_cast<int16_t>(c.bits), 0,
                              picture.get(), 0, nullptr),
              1);
    Tool({tiffinfo_, "-D", ours});
    Tool({tiff2rgba_, "-c", "none", ours, rgba});
    EXPECT_TRUE(SamePicture(picture, ReadPath(rgba)));  // libtiff's RGBA, its alpha dropped on reading
  }
}

TEST_F(LibtiffInterop, ThisLibraryReadsWhatLibtiffWrites) {
  struct Case {
    int bits;
    std::vector<std::string> options;
  };
  const std::vector<Case> cases = {
      {1, {"-c", "none"}},
      {1, {"-c", "packbits"}},
      {1, {"-c", "lzw"}},
      {1, {"-c", "g3:1d"}},
      {1, {"-c", "g3:2d"}},
      {1, {"-c", "g4"}},
      {1, {"-c", "g4", "-B"}},
      {1, {"-c", "g3:2d", "-r", "7"}},
      {1, {"-c", "g4", "-f", "lsb2msb"}},
      {4, {"-c", "packbits"}},
      {4, {"-c", "lzw", "-B"}},
      {8, {"-c", "lzw:2"}},
      {8, {"-c", "packbits", "-B"}},
      {24, {"-c", "none", "-B"}},
      {24, {"-c", "lzw:2"}},
      {24, {"-c", "lzw", "-r", "3"}},
      {24, {"-c", "packbits", "-p", "separate"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> argv = {tiffcp_};
    argv.insert(argv.end(), c.options.begin(), c.options.end());
    SCOPED_TRACE(testing::Message() << c.bits << " bits, tiffcp " << testing::PrintToString(c.options));
    const Dib picture = PictureFor(c.bits);
    const std::string ours = dir_.File("ours.tif"), theirs = dir_.File("theirs.tif");
    ASSERT_EQ(writetiffiledib(ours.c_str(), 1, static_cast<int16_t>(c.bits), 0, picture.get(), 0, nullptr), 1);
    argv.push_back(ours);
    argv.push_back(theirs);
    Tool(argv);
    EXPECT_TRUE(SamePicture(picture, ReadPath(theirs)));
  }
}

TEST_F(LibtiffInterop, PagesOfEachOthersMultiPageFiles) {
  const Dib a = PictureFor(1), b = PictureFor(24);
  const std::string first = dir_.File("a.tif"), second = dir_.File("b.tif"), joined = dir_.File("ab.tif");
  ASSERT_EQ(writetiffiledib(first.c_str(), 4, 1, 0, a.get(), 0, nullptr), 1);
  ASSERT_EQ(writetiffiledib(second.c_str(), 5, 24, 0, b.get(), 0, nullptr), 1);
  Tool({tiffcp_, "-B", first, second, joined});
  ASSERT_EQ(PageCount(joined), 2);
  EXPECT_TRUE(SamePicture(a, ReadPath(joined, 0)));
  EXPECT_TRUE(SamePicture(b, ReadPath(joined, 1)));

  // Appended to libtiff's big-endian file, a page of ours is one more page for libtiff.
  ASSERT_EQ(writetiffiledib(joined.c_str(), 32773, 8, 1, PictureFor(8).get(), 0, nullptr), 1);
  const std::string info = RunProgram({tiffinfo_, joined}).out;
  size_t directories = 0;
  for (size_t at = info.find("TIFF Directory"); at != std::string::npos; at = info.find("TIFF Directory", at + 1)) {
    ++directories;
  }
  EXPECT_EQ(directories, 3u);
  const std::string split = dir_.File("third.tif");
  Tool({tiffcp_, joined + ",2", split});
  EXPECT_TRUE(SamePicture(PictureFor(8), ReadPath(split)));
}

}  // namespace
}  // namespace quill::tiff::test
