#include "artwork/workshop/dxf_export.h"

#include <cerrno>
#include <utility>

#include "artwork/workshop/document.h"
#include "mathlib/constants.h"
#include "mathlib/number_text.h"
#include "records/atomic_file.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr int kDecimals = 8;

class DxfText {
 public:
  void Put(const char* line) {
    text_ += line;
    text_ += "\r\n";
  }
  void Group(const char* code, const char* value) {
    Put(code);
    Put(value);
  }
  void Group(const char* code, double value) { Group(code, FormatFixed(value, kDecimals).c_str()); }
  std::string& Text() { return text_; }

 private:
  std::string text_;
};

void WriteLine(DxfText& out, const tgEntity& e) {
  out.Group("  0", "LINE");
  out.Group("  8", "0");
  out.Group(" 10", e.X());
  out.Group(" 20", e.Y());
  out.Group(" 11", e.XE());
  out.Group(" 21", e.YE());
}

// A DXF arc runs counter-clockwise from 50 to 51: a clockwise arc is written with its angles exchanged.
void WriteArc(DxfText& out, const tgEntity& e) {
  bool circle = e.IsFullCircle();
  out.Group("  0", circle ? "CIRCLE" : "ARC");
  out.Group("  8", "0");
  out.Group(" 10", e.X());
  out.Group(" 20", e.Y());
  out.Group(" 40", e.R());
  if (circle) return;
  out.Group(" 50", (e.IsCCW() ? e.SA() : e.FA()) * RadToDeg);
  out.Group(" 51", (e.IsCCW() ? e.FA() : e.SA()) * RadToDeg);
}

}  // namespace

std::string DxfExportText(const WorkshopDocument& doc, ExportScope scope, long* count) {
  bool selectedOnly = scope == ExportScope::Selected || doc.SelectedCount() > 0;
  DxfText out;
  out.Group("  0", "SECTION");
  out.Group("  2", "ENTITIES");
  long written = 0;
  for (const tgEntity& e : doc.Items()) {
    if (selectedOnly && !e.Selected()) continue;
    if (e.IsLine()) WriteLine(out, e);
    if (e.IsArc()) WriteArc(out, e);
    if (e.IsLine() || e.IsArc()) ++written;
  }
  out.Group("  0", "ENDSEC");
  out.Group("  0", "EOF");
  if (count) *count = written;
  return std::move(out.Text());
}

long ExportDxf(Ui& ui, const WorkshopDocument& doc, const std::string& fileName, ExportScope scope) {
  long count = 0;
  std::string text = DxfExportText(doc, scope, &count);
  errno = 0;
  if (!WriteFileAtomically(fileName, text)) {
    ui.Warn("DXF File access error #" + std::to_string(errno) + " [" + fileName + "]");
    return -1;
  }
  return count;
}

}  // namespace quill
