// quill trace run as the operator would: a picture traced as outlines and as centre lines by the
// vectorizer beside the program, a parameter file's settings, a TIFF page, a vectorizer that writes
// no drawing, bad pictures and bad usage; and quill trace convert on the home's annotation file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "pixels/bmp.h"
#include "test_support.h"

namespace quill::test {
namespace {

std::string Quill() {
  return BinaryDir() + "/quill";
}

int Count(const std::string& text, const std::string& word) {
  int n = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

class TraceCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    // Two thick black strokes, a cross, on white.
    Picture p(120, 80, PixelFormat::Grey8);
    for (int y = 0; y < 80; ++y) {
      for (int x = 0; x < 120; ++x) {
        bool ink = (y >= 36 && y < 44 && x >= 10 && x < 110) || (x >= 56 && x < 64 && y >= 8 && y < 72);
        p.SetGrey(x, y, ink ? 0 : 255);
      }
    }
    ASSERT_TRUE(WriteBmp(home.File("cross.bmp"), p));
  }

  RunResult Trace(std::vector<std::string> args) {
    std::vector<std::string> argv = {Quill(), "trace"};
    argv.insert(argv.end(), args.begin(), args.end());
    argv.insert(argv.end(), {"--home", home.path()});
    return RunProgram(argv);
  }

  TempDir home;
};

TEST_F(TraceCommand, OutlinesAndCentreLines) {
  RunResult outline = Trace({home.File("cross.bmp"), "-o", home.File("outline.dxf")});
  ASSERT_EQ(outline.exitCode, 0) << outline.err;
  std::string o = ReadFile(home.File("outline.dxf"));
  EXPECT_EQ(Count(o, "POLYLINE"), 1);
  RunResult centre = Trace({home.File("cross.bmp"), "-o", home.File("centre.dxf"), "--centerline"});
  ASSERT_EQ(centre.exitCode, 0) << centre.err;
  // The cross's four arms from its middle.
  EXPECT_EQ(Count(ReadFile(home.File("centre.dxf")), "POLYLINE"), 4);
  // The drawing comes into the artwork like any other.
  RunResult import = RunProgram({Quill(), "import", home.File("centre.dxf"), "--home", home.path()});
  ASSERT_EQ(import.exitCode, 0) << import.err;
  EXPECT_EQ(import.out, "4\n");
}

TEST_F(TraceCommand, AParameterFilesSettingsAreUsed) {
  WriteFile(home.File("lines.par"),
            "# mine\r\nwhatever.bmp\r\nwhatever.dxf\r\n-centerline lines\r\n-quant 2\r\n-voblack dark\r\n");
  RunResult r = Trace({home.File("cross.bmp"), "-o", home.File("p.dxf"), "--params", home.File("lines.par")});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(Count(ReadFile(home.File("p.dxf")), "POLYLINE"), 4);
  WriteFile(home.File("bad.par"), "a.bmp\r\nb.dxf\r\n-grit lots\r\n");
  RunResult bad = Trace({home.File("cross.bmp"), "-o", home.File("q.dxf"), "--params", home.File("bad.par")});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_NE(bad.err.find("-grit"), std::string::npos);
}

TEST_F(TraceCommand, AVectorizerThatWritesNoDrawingLeavesNoFile) {
  std::string script = home.File("fake.sh");
  WriteFile(script, "#!/bin/sh\necho 'not a drawing' > QP2008R2V.dxf\n");
  ::chmod(script.c_str(), 0755);
  WriteFile(home.File("QUILLMAR.INI"), "[DEFAULTS]\r\nVECTORIZER=" + script + "\r\n");
  RunResult r = Trace({home.File("cross.bmp"), "-o", home.File("x.dxf")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("not a DXF drawing"), std::string::npos);
  EXPECT_FALSE(FileExists(home.File("x.dxf")));
  WriteFile(home.File("QUILLMAR.INI"), "[DEFAULTS]\r\nVECTORIZER=" + home.File("missing") + "\r\n");
  r = Trace({home.File("cross.bmp"), "-o", home.File("x.dxf")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("cannot be started"), std::string::npos);
}

TEST_F(TraceCommand, BadPicturesAndBadUsage) {
  WriteFile(home.File("broken.bmp"), "BM\x10\x00\x00\x00 truncated");
  RunResult broken = Trace({home.File("broken.bmp"), "-o", home.File("b.dxf")});
  EXPECT_EQ(broken.exitCode, 1);
  EXPECT_NE(broken.err.find("broken.bmp"), std::string::npos);
  EXPECT_FALSE(FileExists(home.File("b.dxf")));
  EXPECT_EQ(Trace({home.File("cross.bmp")}).exitCode, 2);
  EXPECT_EQ(Trace({home.File("cross.bmp"), "-o", home.File("c.dxf"), "--page", "0"}).exitCode, 2);
  EXPECT_EQ(Trace({home.File("cross.bmp"), "-o", home.File("c.dxf"), "--colour"}).exitCode, 2);
  EXPECT_EQ(Trace({}).exitCode, 2);
  EXPECT_EQ(Trace({home.File("cross.bmp"), "-o", home.File("c.dxf"), "--page", "2"}).exitCode, 1);
}

TEST_F(TraceCommand, ConvertTurnsTheHomesAnnotationsIntoArtwork) {
  WriteFile(home.File("QUILLPRO.ANT"),
            "[LABEL] 12 100 200 Arial O\r\n[LABEL] 12 200 200 Arial X\r\n"
            "[LABEL] 12 300 100 Arial S\r\n[LINE] 100 200 300 200 255\r\n");
  RunResult r = Trace({"convert", "2.0", "1.0"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "1\n");
  EXPECT_EQ(ReadLines(home.File("QUILLART.TMP")),
            (std::vector<std::string>{"1 0.0000000000 0.0000000000 2.0000000000 0.0000000000 0.0"}));
  r = Trace({"convert", "2.0", "1.0"});
  EXPECT_EQ(ReadLines(home.File("QUILLART.TMP")).size(), 2u);  // added to the artwork there is
  EXPECT_EQ(Trace({"convert", "two", "1"}).exitCode, 2);
  EXPECT_EQ(Trace({"convert", "1"}).exitCode, 2);
  std::remove(home.File("QUILLPRO.ANT").c_str());
  RunResult missing = Trace({"convert", "1", "1"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("QUILLPRO.ANT"), std::string::npos);
}

}  // namespace
}  // namespace quill::test
