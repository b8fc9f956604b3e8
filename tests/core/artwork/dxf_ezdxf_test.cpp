// Drawings written by another program (ezdxf, in R12 and R2000 form) imported as the program reads them.
#include <algorithm>
#include <cmath>
#include <memory>

#include "dxf_fixture.h"

namespace quill {
namespace {

class EzdxfTest : public DxfTest {
 protected:
  static void SetUpTestSuite() {
    const char* python = "/usr/bin/python3";
    if (!test::FileExists(python)) return;
    folder_ = std::make_unique<test::TempDir>();
    auto run =
        test::RunProgram({python, test::SourceDir() + "/tests/core/artwork/data/make_drawings.py", folder_->path()});
    if (run.exitCode != 0) {
      skipReason_ = "ezdxf could not write the drawings (python3-ezdxf missing?): " + run.err;
      folder_.reset();
    }
  }
  static void TearDownTestSuite() { folder_.reset(); }

  void SetUp() override {
    if (!folder_) GTEST_SKIP() << (skipReason_.empty() ? "no /usr/bin/python3" : skipReason_);
  }

  std::vector<TmgRecord> Import(const std::string& name, const DxfConversion& how = {}) {
    return Convert(test::ReadFile(folder_->File(name)), how);
  }

  static bool Has(const std::vector<TmgRecord>& tmg, int kind, std::vector<double> r) {
    return std::any_of(tmg.begin(), tmg.end(), [&](const TmgRecord& rec) {
      if (rec.kind != kind) return false;
      for (size_t i = 0; i < r.size(); ++i) {
        if (std::fabs(rec.r[i] - r[i]) > 1e-6) return false;
      }
      return true;
    });
  }

  static inline std::unique_ptr<test::TempDir> folder_;
  static inline std::string skipReason_;
};

TEST_F(EzdxfTest, R12AndR2000FormsGiveTheSameGeometry) {
  auto r12 = Import("common_R12.dxf");
  EXPECT_EQ(code, DxfDone);
  EXPECT_EQ(status.version, "Rev 11/12");
  auto r2000 = Import("common_R2000.dxf");
  EXPECT_EQ(status.version, "Rev 2000");
  ASSERT_EQ(r12.size(), r2000.size());
  for (size_t i = 0; i < r12.size(); ++i) EXPECT_EQ(FormatTmgRecord(r12[i]), FormatTmgRecord(r2000[i]));
  EXPECT_TRUE(Has(r12, TmgLine, {0, 0, 0, 4, 0}));
  EXPECT_EQ(r12[0].layer, 3);  // "PARTS", after "0" and "Defpoints" in the table
  EXPECT_EQ(r12[0].colour, 10);
  EXPECT_TRUE(Has(r12, TmgPoint, {5, 5}));
  EXPECT_TRUE(Has(r12, TmgArc, {2, 3, 1, 0, 0, 0, 360}));
  EXPECT_TRUE(Has(r12, TmgArc, {1, 0, 1, 0, 0, 180, 0}));  // the bulged polyline's half circle
  EXPECT_TRUE(Has(r12, TmgLine, {10, 2, 0, 10, 4}));       // the insert: base (1,1), at (10,0), x2, 90 degrees
  EXPECT_TRUE(Has(r12, TmgLine, {10, 0, 0, 8, 0}));        // the block nested in it
  EXPECT_TRUE(Has(r12, TmgArc, {10, 0, 1, 0, 0, 180, 540}));
  EXPECT_TRUE(Listed("3 Layers Found"));
}

TEST_F(EzdxfTest, UnixAndDosLineEndsReadAlike) {
  std::string unix = test::ReadFile(folder_->File("common_R2000.dxf")), dos;
  for (char c : unix) dos += c == '\n' ? std::string("\r\n") : std::string(1, c);
  auto fromUnix = Convert(unix);
  EXPECT_TRUE(Listed("Unix Format File"));
  UiDxfStatus dosStatus(ui);
  std::string tmg = home.File("dos.tmg");
  ASSERT_EQ(DxfToTmg(job, Input("dos.dxf", dos), tmg, {}, dosStatus), DxfDone);
  EXPECT_EQ(std::count(dosStatus.messages.begin(), dosStatus.messages.end(), "Unix Format File"), 0);
  EXPECT_EQ(test::ReadFile(tmg), test::ReadFile(home.File("DXFTMP.TMG")));
}

TEST_F(EzdxfTest, LightPolylinesAndSplines) {
  auto tmg = Import("curves_R2000.dxf", {"*", false, 0.01});
  EXPECT_TRUE(Has(tmg, TmgArc, {1, 0, 1, 0, 0, 180, 0}));
  EXPECT_TRUE(Has(tmg, TmgLine, {2, 0, 0, 2, 2}));
  EXPECT_TRUE(Has(tmg, TmgLine, {2, 2, 0, 0, 0}));
  double xmin = 1e9, xmax = -1e9, fitPeak = -1e9;
  for (const auto& rec : tmg) {
    if (rec.kind != TmgLine) continue;
    if (rec.r[0] >= 10 && rec.r[0] < 20) {
      xmin = std::min(xmin, rec.r[0]);
      xmax = std::max(xmax, rec.r[3]);
      EXPECT_LT(std::fabs(rec.r[1]), 2.0);  // inside the control polygon
    }
    if (rec.r[0] >= 20) fitPeak = std::max(fitPeak, rec.r[1]);
  }
  EXPECT_NEAR(xmin, 10, 1e-6);
  EXPECT_NEAR(xmax, 13, 1e-6);
  EXPECT_NEAR(fitPeak, 1, 2e-3);
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::Splines)], 2);
}

TEST_F(EzdxfTest, SplineFitPolylineUsesItsFrameOnly) {
  auto tmg = Import("fitted_R12.dxf");
  ASSERT_FALSE(tmg.empty());
  ExpectTmg(tmg.front(), TmgLine, {0, 0});
  ExpectTmg(tmg.back(), TmgLine, {tmg.back().r[0], tmg.back().r[1], 0, 3, 1});
  for (const auto& rec : tmg) EXPECT_LT(rec.r[4], 2);
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::PolyLines)], 1);
}

TEST_F(EzdxfTest, DimensionDrawsItsBlock) {
  auto tmg = Import("dimension_R2000.dxf");
  EXPECT_GE(std::count_if(tmg.begin(), tmg.end(), [](const TmgRecord& r) { return r.kind == TmgLine; }), 3);
  EXPECT_TRUE(Has(tmg, TmgLine, {0, 2, 0, 5, 2}) || Has(tmg, TmgLine, {5, 2, 0, 0, 2}));  // the dimension line
}

}  // namespace
}  // namespace quill
