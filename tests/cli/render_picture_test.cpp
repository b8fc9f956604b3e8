// quill render and the unattended run's metafile, checked by reading the pictures back.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <sstream>

#include "test_support.h"

namespace quill {
namespace {

using test::RunProgram;
using test::TempDir;

std::string Exe(const char* name) {
  return test::BinaryDir() + "/" + name;
}

uint32_t U32(const std::string& b, size_t at) {
  uint32_t v = 0;
  if (at + 4 <= b.size()) std::memcpy(&v, b.data() + at, 4);
  return v;
}

uint32_t BigEndian32(const std::string& b, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4 && at + i < b.size(); ++i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
  return v;
}

// A project of a line and a half circle of artwork and a short text.
const char* kArtProject =
    "$QUILLVER\r\n7.0100\r\n$ARTFILE\r\n1\r\n$ARTTAB\r\n"
    "1 0.0000000000 0.0000000000 2.0000000000 1.0000000000 0.0\r\n"
    "3 1.0000000000 0.5000000000 0.5000000000 0.0000000000 3.1415926536\r\n$ENDTAB\r\n"
    "$BEGINTEXT\r\nAB\r\n";

struct RenderCase {
  TempDir cwd, home, outside;
  RenderCase() { test::WriteFile(cwd.File("ART.QLM"), kArtProject); }
  test::RunResult Render(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {Exe("quill"), "render", "--home", home.path()};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv, cwd.path(),
                      {"HOME=" + outside.path(), "XDG_RUNTIME_DIR=" + outside.path(), "QT_QPA_PLATFORM=offscreen"});
  }
};

// A well-formed metafile: header fields, and records that add up to the file.
void ExpectMetafile(const std::string& b, uint32_t width) {
  ASSERT_GT(b.size(), 200u);
  EXPECT_EQ(U32(b, 0), 1u);
  EXPECT_EQ(U32(b, 40), 0x464D4520u);
  EXPECT_EQ(U32(b, 48), b.size());
  EXPECT_EQ(U32(b, 16), width - 1);
  uint32_t records = 0, last = 0, lines = 0;
  for (size_t at = 0; at + 8 <= b.size(); at += U32(b, at + 4)) {
    ASSERT_GE(U32(b, at + 4), 8u);
    ++records;
    last = U32(b, at);
    lines += last == 54;
  }
  EXPECT_EQ(records, U32(b, 52));
  EXPECT_EQ(last, 14u);
  EXPECT_GT(lines, 10u);
}

TEST(Render, PicturesInEveryFormat) {
  RenderCase c;
  auto r = c.Render({"ART.QLM", "-o", "pic.png", "--size", "640x480"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::string png = test::ReadFile(c.cwd.File("pic.png"));
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  EXPECT_EQ(BigEndian32(png, 16), 640u);  // IHDR width and height
  EXPECT_EQ(BigEndian32(png, 20), 480u);

  ASSERT_EQ(c.Render({"ART.QLM", "-o", "pic.svg"}).exitCode, 0);
  std::string svg = test::ReadFile(c.cwd.File("pic.svg"));
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("polyline"), std::string::npos);
  EXPECT_NE(svg.find("#00ffff"), std::string::npos) << "the artwork colour";

  ASSERT_EQ(c.Render({"ART.QLM", "-o", "pic.pdf"}).exitCode, 0);
  EXPECT_EQ(test::ReadFile(c.cwd.File("pic.pdf")).substr(0, 5), "%PDF-");

  ASSERT_EQ(c.Render({"ART.QLM", "-o", "pic.EMF", "--size", "800x600"}).exitCode, 0);
  ExpectMetafile(test::ReadFile(c.cwd.File("pic.EMF")), 800);
  EXPECT_FALSE(test::FileExists(c.home.File("QUILLART.TMP")));  // the work files went with the close
}

// The box of every polyline point an SVG picture draws, by stroke colour.
struct Box {
  double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
  int points = 0;
};
std::map<std::string, Box> StrokeBoxes(const std::string& svg) {
  std::map<std::string, Box> boxes;
  for (size_t g = svg.find("<g "); g != std::string::npos; g = svg.find("<g ", g + 1)) {
    size_t stroke = svg.find("stroke=\"", g), head = svg.find('>', g), close = svg.find("</g>", g);
    if (stroke > head || close == std::string::npos) continue;
    Box& b = boxes[svg.substr(stroke + 8, 7)];
    for (size_t p = svg.find("points=\"", head); p < close; p = svg.find("points=\"", p + 1)) {
      std::istringstream in(svg.substr(p + 8, svg.find('"', p + 8) - p - 8));
      double x, y;
      char comma;
      while (in >> x >> comma >> y) {
        b.x0 = std::min(b.x0, x), b.x1 = std::max(b.x1, x), b.y0 = std::min(b.y0, y), b.y1 = std::max(b.y1, y);
        ++b.points;
      }
    }
  }
  return boxes;
}

// Each bundled sample comes out framed: its text path (green) and tool path (gray) fill most of the
// picture's width and stay inside it; the other formats are written too.
TEST(Render, BundledSamplesAreFramedInTheirPictures) {
  for (const char* name : {"SAMPLE", "ARC", "CURVE", "TRUETYPE"}) {
    RenderCase c;
    std::string project = std::string(name) + ".QLM";
    std::filesystem::copy_file(test::SourceDir() + "/data/samples/" + project, c.cwd.File(project));
    ASSERT_EQ(c.Render({project, "-o", "pic.svg", "--size", "1024x768"}).exitCode, 0) << name;
    auto boxes = StrokeBoxes(test::ReadFile(c.cwd.File("pic.svg")));
    for (const char* colour : {"#008000", "#808080"}) {
      const Box& b = boxes[colour];
      ASSERT_GT(b.points, 20) << name << " " << colour;
      EXPECT_GE(b.x0, 0) << name << " " << colour;
      EXPECT_LE(b.x1, 1024) << name << " " << colour;
      EXPECT_GE(b.y0, 0) << name << " " << colour;
      EXPECT_LE(b.y1, 768) << name << " " << colour;
      EXPECT_GT(b.x1 - b.x0, 0.75 * 1024) << name << " " << colour;
    }
    ASSERT_EQ(c.Render({project, "-o", "pic.png"}).exitCode, 0) << name;
    EXPECT_EQ(test::ReadFile(c.cwd.File("pic.png")).substr(1, 3), "PNG") << name;
    ASSERT_EQ(c.Render({project, "-o", "pic.pdf"}).exitCode, 0) << name;
    EXPECT_EQ(test::ReadFile(c.cwd.File("pic.pdf")).substr(0, 5), "%PDF-") << name;
    ASSERT_EQ(c.Render({project, "-o", "pic.emf"}).exitCode, 0) << name;
    ExpectMetafile(test::ReadFile(c.cwd.File("pic.emf")), 1024);
  }
}

TEST(Render, BadUsageAndUnreadableProjects) {
  RenderCase c;
  EXPECT_EQ(c.Render({"ART.QLM", "-o", "pic.bmp"}).exitCode, 2);
  EXPECT_EQ(c.Render({"ART.QLM"}).exitCode, 2);
  EXPECT_EQ(c.Render({"ART.QLM", "-o", "pic.png", "--size", "10x99999"}).exitCode, 2);
  EXPECT_EQ(c.Render({"ART.QLM", "-o", "pic.png", "--size", "big"}).exitCode, 2);
  EXPECT_EQ(c.Render({"MISSING.QLM", "-o", "pic.png"}).exitCode, 1);
  auto r = c.Render({"ART.QLM", "-o", c.cwd.File("no/folder/pic.png")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Cannot write the picture"), std::string::npos) << r.err;
}

TEST(Render, UnattendedRunLeavesTheMetafileInTheCurrentFolder) {
  RenderCase c;
  test::WriteFile(c.cwd.File("QP2008.EMF"), "an older picture");
  auto r = RunProgram({Exe("quillpro2008"), "--home", c.home.path(), "ART.QLM", "-r"}, c.cwd.path(),
                      {"HOME=" + c.outside.path(), "XDG_CONFIG_HOME=" + c.outside.path()});
  EXPECT_EQ(r.err.find("picture (QP2008.EMF) stage"), std::string::npos) << r.err;
  ExpectMetafile(test::ReadFile(c.cwd.File("QP2008.EMF")), 1024);
}

// An outside reader of metafiles opens what the program writes.
TEST(Render, MetafileOpensInAnotherProgram) {
  const std::string converter = "/usr/bin/emf2svg-conv";
  ASSERT_TRUE(test::FileExists(converter)) << "no metafile converter: install emf2svg (scripts/deps.sh --tests)";
  RenderCase c;
  ASSERT_EQ(c.Render({"ART.QLM", "-o", "pic.emf"}).exitCode, 0);
  auto r = RunProgram({converter, "-i", c.cwd.File("pic.emf"), "-o", c.cwd.File("pic.svg")}, c.cwd.path());
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::string svg = test::ReadFile(c.cwd.File("pic.svg"));
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("#00FFFF"), std::string::npos) << "the artwork colour survived";
}

}  // namespace
}  // namespace quill
