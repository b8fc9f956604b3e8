// Drawings written by other programs (ezdxf in R12 and R2000 form, LibreCAD, dxflib) imported as the program
// reads them, and checked against what ezdxf itself reads in them.
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>

#include "dxf_fixture.h"

namespace quill {
namespace {

// A piece of geometry as ezdxf reads it: L x1 y1 x2 y2, A cx cy r sa fa (degrees), P x y, or S for an
// entity whose pieces it does not predict (splines, texts ...).
struct Piece {
  char kind = 0;
  double v[5] = {};
};

const char* const kMadeByEzdxf[] = {"common_R12.dxf", "common_R2000.dxf", "curves_R2000.dxf", "fitted_R12.dxf",
                                    "dimension_R2000.dxf"};
// From LibreCAD's parts library (data/librecad/README.md); screw.dxf is left out here, ezdxf refuses it.
const char* const kMadeByLibreCad[] = {"ve14.dxf", "kin116.dxf", "wt5.dxf", "Complete-Lib-V.dxf"};

std::string LibreCad(const std::string& name) {
  return test::SourceDir() + "/tests/core/artwork/data/librecad/" + name;
}

class EzdxfTest : public DxfTest {
 protected:
  static void SetUpTestSuite() {
    const char* python = "/usr/bin/python3";
    if (!test::FileExists(python)) {
      failReason_ = "no /usr/bin/python3: install python3-ezdxf (scripts/deps.sh --tests)";
      return;
    }
    folder_ = std::make_unique<test::TempDir>();
    std::string data = test::SourceDir() + "/tests/core/artwork/data/";
    auto run = test::RunProgram({python, data + "make_drawings.py", folder_->path()});
    std::vector<std::string> flatten{python, data + "ezdxf_flatten.py"};
    for (const char* name : kMadeByEzdxf) flatten.push_back(folder_->File(name));
    for (const char* name : kMadeByLibreCad) flatten.push_back(LibreCad(name));
    if (run.exitCode == 0) run = test::RunProgram(flatten);
    if (run.exitCode != 0) {
      failReason_ = "ezdxf could not write or read the drawings (install python3-ezdxf): " + run.err;
      folder_.reset();
      return;
    }
    ReadPieces(run.out);
  }
  static void TearDownTestSuite() { folder_.reset(); }

  // Lines "# path" start each drawing's pieces.
  static void ReadPieces(const std::string& text) {
    std::istringstream in(text);
    std::string line, path;
    while (std::getline(in, line)) {
      if (line.rfind("# ", 0) == 0) {
        path = line.substr(2);
        pieces_[path];
        continue;
      }
      std::istringstream fields(line);
      Piece p;
      fields >> p.kind;
      for (double& v : p.v) fields >> v;
      pieces_[path].push_back(p);
    }
  }

  void SetUp() override {
    ASSERT_TRUE(folder_) << failReason_;
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

  // Every line, arc and point ezdxf reads in the drawing is among the records, each record matched once;
  // when ezdxf predicts every entity, there is nothing else.
  void ExpectWhatEzdxfReads(const std::string& path) {
    SCOPED_TRACE(path);
    ASSERT_EQ(pieces_.count(path), 1u);
    auto tmg = Convert(test::ReadFile(path));
    EXPECT_EQ(code, DxfDone);
    std::vector<bool> used(tmg.size());
    bool allPredicted = true;
    for (const Piece& p : pieces_[path]) {
      allPredicted &= p.kind != 'S';
      if (p.kind == 'S') continue;
      size_t i = 0;
      while (i < tmg.size() && (used[i] || !Matches(p, tmg[i]))) ++i;
      if (i == tmg.size()) {
        ADD_FAILURE() << "not imported: " << p.kind << " " << p.v[0] << " " << p.v[1] << " " << p.v[2] << " " << p.v[3]
                      << " " << p.v[4];
        continue;
      }
      used[i] = true;
    }
    if (allPredicted) {
      EXPECT_EQ(std::count(used.begin(), used.end(), false), 0);
    }
  }

  static bool Near(double a, double b) { return std::fabs(a - b) <= 2e-6 * std::max(1.0, std::fabs(a)); }
  static bool SameAngle(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d < 1e-4 || d > 360 - 1e-4;
  }

  static bool Matches(const Piece& p, const TmgRecord& rec) {
    const double* r = rec.r;
    switch (p.kind) {
      case 'P': return rec.kind == TmgPoint && Near(r[0], p.v[0]) && Near(r[1], p.v[1]);
      case 'L':
        if (rec.kind != TmgLine) return false;
        return (Near(r[0], p.v[0]) && Near(r[1], p.v[1]) && Near(r[3], p.v[2]) && Near(r[4], p.v[3])) ||
               (Near(r[0], p.v[2]) && Near(r[1], p.v[3]) && Near(r[3], p.v[0]) && Near(r[4], p.v[1]));
      case 'A':
        if (rec.kind != TmgArc || !Near(r[0], p.v[0]) || !Near(r[1], p.v[1]) || !Near(r[2], p.v[2])) return false;
        if (Near(p.v[4] - p.v[3], 360)) return Near(r[6] - r[5], 360);  // a circle starts anywhere
        return SameAngle(r[5], p.v[3]) && SameAngle(r[6], p.v[4]);
      default: return false;
    }
  }

  static inline std::unique_ptr<test::TempDir> folder_;
  static inline std::string failReason_;
  static inline std::map<std::string, std::vector<Piece>> pieces_;
};

TEST_F(EzdxfTest, EveryDrawingHoldsWhatEzdxfReadsInIt) {
  for (const char* name : kMadeByEzdxf) ExpectWhatEzdxfReads(folder_->File(name));
  for (const char* name : kMadeByLibreCad) ExpectWhatEzdxfReads(LibreCad(name));
}

TEST_F(EzdxfTest, DrawingsOfOtherCadProgramsShowTheirVersionAndCounts) {
  Convert(test::ReadFile(LibreCad("ve14.dxf")));
  EXPECT_EQ(status.version, "Rev 2008");
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::Lines)], 13);  // 7 and the block's 6
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::Arcs)], 1);
  Convert(test::ReadFile(LibreCad("Complete-Lib-V.dxf")));
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::Text)], 26);
  EXPECT_TRUE(job.flags.TextPathGenerated);
  // dxflib closes the header section twice; the drawing is read all the same.
  auto screw = Convert(test::ReadFile(LibreCad("screw.dxf")));
  EXPECT_EQ(code, DxfDone);
  EXPECT_EQ(status.version, "Rev 2000");
  ASSERT_EQ(screw.size(), 27u);
  ExpectTmg(screw[0], TmgLine, {0.43413, 0.3465, 0, 2, 0.3465});
  EXPECT_TRUE(Listed("3 Layers Found"));
}

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
  EXPECT_EQ(status.counters[static_cast<int>(DxfCounter::Text)], 2);  // the degree text and the block's
  EXPECT_TRUE(job.flags.TextPathGenerated);
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
