// Huge and hostile inputs keep the programs' memory bounded: a 2 GB drawing is read as a stream, a
// picture that claims 100,000 x 100,000 pixels is refused at once, and a project whose text is 10 MB is
// laid out as a stream until the disk is full, which ends the run with a message.  The programs run with
// the sanitizer's quarantine off, so their peak memory is their own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "child_process.h"
#include "test_support.h"

namespace quill::test {
namespace {

constexpr long kMostKb = 200 * 1024;  // the program under the sanitizers with room to spare; far below the inputs

std::string Quill() { return BinaryDir() + "/quill"; }

class BoundedMemory : public testing::Test {
 protected:
  ChildEnd Run(const std::vector<std::string>& argv, ChildLimits limits = {}) const {
    ChildProcess child = ChildProcess::Start(
        argv, dir.path(),
        {"QUILLMARK_HOME=", "XDG_CONFIG_HOME=" + dir.File("config"), "ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=0"},
        limits);
    return child.Wait();
  }
  // The sample project with its text replaced.
  void Project(const std::string& name, const std::string& text) const {
    std::string sample = ReadFile(SourceDir() + "/data/samples/SAMPLE.QLM");
    const std::string key = "$BEGINTEXT\r\n";
    WriteFile(dir.File(name), sample.substr(0, sample.find(key) + key.size()) + text);
  }

  TempDir dir, home;
};

// Two lines with 2 GB between them, in a comment that holds no line ending: the file takes no disk.
TEST_F(BoundedMemory, ATwoGigabyteDrawingIsReadAsAStream) {
  const std::string path = dir.File("HUGE.DXF");
  {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fputs("0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n0\n20\n0\n11\n1\n21\n1\n999\n", f);
    ASSERT_EQ(fseeko(f, 2LL << 30, SEEK_SET), 0);
    std::fputs("\n0\nLINE\n8\n0\n10\n2\n20\n2\n11\n3\n21\n3\n0\nENDSEC\n0\nEOF\n", f);
    std::fclose(f);
  }
  ASSERT_GT(std::filesystem::file_size(path), 2ull << 30);
  ChildEnd end = Run({Quill(), "import", "HUGE.DXF", "--home", home.path()});
  EXPECT_EQ(end.exitCode, 0) << end.err;
  EXPECT_LT(end.maxRssKb, kMostKb);
  std::vector<std::string> art = ReadLines(home.File("QUILLART.TMP"));
  ASSERT_EQ(art.size(), 2u) << "both lines, before and after the 2 GB";
  EXPECT_EQ(art[1], "1 2.0000000000 2.0000000000 3.0000000000 3.0000000000 0.0");
}

// A bitmap header that claims 100,000 x 100,000 pixels (30 GB in colour) for the relief scan.
TEST_F(BoundedMemory, APictureClaimingTenGigapixelsIsRefused) {
  std::string bmp = "BM";
  auto put32 = [&bmp](uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp += static_cast<char>(v >> (8 * i) & 0xFF);
  };
  put32(0), put32(0), put32(54);                        // file size, reserved, pixel offset
  put32(40), put32(100000), put32(100000);              // header size, width, height
  bmp += std::string("\x01\x00\x18\x00", 4);            // planes, 24 bits
  for (int i = 0; i < 6; ++i) put32(0);                 // no compression, sizes, colours
  WriteFile(dir.File("HUGE.BMP"), bmp + std::string(64, '\0'));
  Project("JOB.QLM", "HUGE\r\n");
  ChildEnd end = Run({Quill(), "run", "JOB.QLM", "--source", "bitmap-scan", "--scan-picture", "HUGE.BMP",
                      "--scan-area", "0", "0", "1", "1", "0.1", "0.1", "--home", home.path()});
  EXPECT_EQ(end.exitCode, 1) << end.err;
  EXPECT_NE(end.err.find("100000 x 100000"), std::string::npos) << end.err;
  EXPECT_LT(end.maxRssKb, kMostKb);
}

// 10 MB of text, as one line and as 130,000 lines, on a disk with 16 MB left: the text is laid out as a
// stream until the disk is full, and the run says so and ends.
TEST_F(BoundedMemory, TenMegabytesOfTextEndWithAMessageOnAFullDisk) {
  std::string lines;
  for (int i = 0; lines.size() < (10u << 20); ++i) {
    lines += "LINE " + std::to_string(i) + " ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 abcdefghijklmnopqrstuvwxyz\r\n";
  }
  Project("LINES.QLM", lines);
  Project("ONELINE.QLM", std::string(10u << 20, 'A') + "\r\n");
  for (const char* project : {"ONELINE.QLM", "LINES.QLM"}) {
    SCOPED_TRACE(project);
    TempDir runHome;
    ChildEnd end = Run({Quill(), "run", project, "--home", runHome.path()}, {16u << 20, true});
    EXPECT_EQ(end.exitCode, 1) << end.err;
    EXPECT_NE(end.err.find("QUILLMARK: Text Path File write error"), std::string::npos) << end.err;
    EXPECT_LT(end.maxRssKb, kMostKb);
  }
}

}  // namespace
}  // namespace quill::test
