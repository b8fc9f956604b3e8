// Drawings written group by group for the DXF tests, and their conversion into TMG records.
#pragma once

#include <string>
#include <vector>

#include "artwork/dxf_status.h"
#include "artwork/dxf_to_tmg.h"
#include "import_fixture.h"
#include "records/tmg_record.h"

namespace quill {

// Groups as a drawing holds them: a code line, then a value line.
class DxfGroups {
 public:
  DxfGroups& operator()(int code, const std::string& value) {
    text_ += std::to_string(code) + "\n" + value + "\n";
    return *this;
  }
  DxfGroups& operator()(int code, double value) { return (*this)(code, std::to_string(value)); }
  DxfGroups& Raw(const std::string& lines) {
    text_ += lines;
    return *this;
  }
  DxfGroups& Point(int code, double x, double y, double z = 0) { return (*this)(code, x)(code + 10, y)(code + 20, z); }
  DxfGroups& Line(double x1, double y1, double x2, double y2, const std::string& layer = "0") {
    return (*this)(0, "LINE")(8, layer).Point(10, x1, y1).Point(11, x2, y2);
  }
  DxfGroups& Begin(const std::string& section) { return (*this)(0, "SECTION")(2, section); }
  DxfGroups& End() { return (*this)(0, "ENDSEC"); }
  const std::string& str() const { return text_; }

 private:
  std::string text_;
};

// A drawing with just these entities.
inline std::string Drawing(const DxfGroups& entities) {
  return DxfGroups().Begin("ENTITIES").Raw(entities.str()).End()(0, "EOF").str();
}

class DxfTest : public ImportTest {
 protected:
  std::vector<TmgRecord> Convert(const std::string& dxf, const DxfConversion& how = {}) {
    std::string tmg = home.File("DXFTMP.TMG");
    code = DxfToTmg(job, Input("drawing.dxf", dxf), tmg, how, status);
    std::vector<TmgRecord> out;
    TmgReader in(tmg);
    TmgRecord rec;
    while (in.Next(rec)) out.push_back(rec);
    return out;
  }

  bool Listed(const std::string& message) const {
    for (const auto& m : status.messages) {
      if (m == message) return true;
    }
    return false;
  }

  UiDxfStatus status{ui};
  int code = -1;
};

inline void ExpectTmg(const TmgRecord& rec, int kind, std::vector<double> r, double tolerance = 1e-6) {
  EXPECT_EQ(rec.kind, kind);
  for (size_t i = 0; i < r.size(); ++i) EXPECT_NEAR(rec.r[i], r[i], tolerance) << "real " << i + 1;
}

}  // namespace quill
