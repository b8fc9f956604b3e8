#include "view/emf_canvas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>

#include "mathlib/constants.h"
#include "view/picture.h"
#include "view_fixture.h"

namespace quill {
namespace {

uint32_t U32(const std::string& b, size_t at) {
  uint32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

struct Parsed {
  std::map<uint32_t, int> count;  // records by type
  uint32_t records = 0;
  uint32_t lastType = 0;
  bool wellFormed = true;
};

// Walks the records as a reader would: every size a multiple of 4 that stays inside the file.
Parsed Parse(const std::string& b) {
  Parsed p;
  for (size_t at = 0; at + 8 <= b.size();) {
    uint32_t type = U32(b, at), size = U32(b, at + 4);
    if (size < 8 || size % 4 || at + size > b.size()) {
      p.wellFormed = false;
      break;
    }
    ++p.count[type];
    ++p.records;
    p.lastType = type;
    at += size;
  }
  return p;
}

struct MetafileCase : test::ViewJob {
  MetafileCase() {
    job.prefs.ShowAxes = true;
    job.prefs.ShowRuler = true;
    job.view.ViewWindow = {-1, -1, 11, 6};
    {
      auto art = Artwork();
      art.Line(0, 0, 10, 0);
      art.Arc(ArtArcCcw, 5, 0, 5, 0, Pi);
    }
    auto cl = ToolPath();
    cl.Write(ClRapid, 1, 1, 0.1, 0);
    cl.Write(ClFeed, 1, 1, -0.01, 2);
    cl.Write(ClFeed, 4, 3, -0.01, 6);
    cl.WriteEnd();
  }
};

TEST(Metafile, HeaderAndRecordsReadBack) {
  MetafileCase c;
  std::string path = c.home.File("PIC.EMF");
  ASSERT_TRUE(WriteMetafile(c.job, path, 800, 600));
  std::string b = test::ReadFile(path);
  ASSERT_GE(b.size(), 108u);
  EXPECT_EQ(U32(b, 0), 1u);                             // the header comes first
  EXPECT_EQ(U32(b, 40), EmfSignature);                  // " EMF"
  EXPECT_EQ(U32(b, 44), 0x10000u);                      // version
  EXPECT_EQ(U32(b, 48), b.size());                      // bytes
  EXPECT_EQ(U32(b, 16), 799u);                          // bounds: right, bottom
  EXPECT_EQ(U32(b, 20), 599u);
  EXPECT_EQ(U32(b, 32), 800u * 2540 / 96);              // frame in 0.01 mm
  EXPECT_EQ(U32(b, 72), 800u);                          // reference device in pixels
  EXPECT_EQ(U32(b, 56) & 0xFFFF, 7u);                   // handles
  Parsed p = Parse(b);
  EXPECT_TRUE(p.wellFormed);
  EXPECT_EQ(p.records, U32(b, 52));
  EXPECT_EQ(p.lastType, static_cast<uint32_t>(EmrEof));
  EXPECT_GT(p.count[EmrLineTo], 40);                    // the half circle, the lines and the ruler
  EXPECT_GT(p.count[EmrExtTextOutW], 3);                // ruler labels
  EXPECT_GE(p.count[EmrCreatePen], 3);                  // axes, artwork, tool path ...
  EXPECT_EQ(p.count[EmrSetRop2], 2);                    // the cutter picture in XOR, then back to copy
  EXPECT_EQ(p.count[EmrSelectObject] >= p.count[EmrCreatePen], true);
}

TEST(Metafile, PensAreWrittenOnlyWhenTheyChange) {
  test::TempDir dir;
  std::string path = dir.File("P.EMF");
  {
    EmfCanvas canvas(path, 100, 100);
    for (int i = 0; i < 50; ++i) {
      canvas.SetPen(clRed, 1, PenStyle::Solid);
      canvas.MoveTo(i, 0);
      canvas.LineTo(i, 10);
      canvas.LineTo(i + 1, 10);  // continues from where the pen is: no move written
    }
    ASSERT_TRUE(canvas.Close());
  }
  Parsed p = Parse(test::ReadFile(path));
  EXPECT_EQ(p.count[EmrCreatePen], 1);
  EXPECT_EQ(p.count[EmrLineTo], 100);
  EXPECT_EQ(p.count[EmrMoveToEx], 50);
}

TEST(Metafile, CopyMetafileReplacesTheFileInTheCurrentFolder) {
  MetafileCase c;
  auto before = std::filesystem::current_path();
  std::filesystem::current_path(c.home.path());
  test::WriteFile("QP2008.EMF", "old picture");
  bool ok = CopyMetafile(c.job);
  std::string b = test::ReadFile("QP2008.EMF");
  std::filesystem::current_path(before);
  ASSERT_TRUE(ok);
  EXPECT_EQ(U32(b, 40), EmfSignature);
  EXPECT_TRUE(Parse(b).wellFormed);
  EXPECT_TRUE(c.ui.Texts().empty());
}

TEST(Metafile, UnwritableFileIsReportedAndLeavesNothing) {
  MetafileCase c;
  std::string path = c.home.File("no/such/folder/QP2008.EMF");
  EXPECT_FALSE(WriteMetafile(c.job, path));
  ASSERT_EQ(c.ui.Texts().size(), 1u);
  EXPECT_EQ(c.ui.Texts()[0], "Cannot write the metafile [" + path + "]");
  EXPECT_FALSE(test::FileExists(path));
}

}  // namespace
}  // namespace quill
