#include "project/project_writer.h"

#include <algorithm>

#include "job/job.h"
#include "job/settings_keys.h"
#include "mathlib/number_text.h"
#include "project/project_tables.h"
#include "records/atomic_file.h"
#include "records/line_reader.h"
#include "ui/ui.h"

namespace quill {
namespace {

constexpr size_t kFlushBytes = 1 << 16;

// Collects lines and hands them to the file in large pieces.
class ProjectOut {
 public:
  explicit ProjectOut(AtomicFile& file) : file_(file) {}
  ~ProjectOut() { Flush(); }
  void Line(const std::string& text) {
    buffer_ += text;
    buffer_ += "\r\n";
    if (buffer_.size() >= kFlushBytes) Flush();
  }
  void Flush() {
    file_.Write(buffer_);
    buffer_.clear();
  }

 private:
  AtomicFile& file_;
  std::string buffer_;
};

void WriteTables(const EngravingSettings& s, ProjectOut& out) {
  out.Line("$ACURVETAB");
  for (int i = 0; i < std::min(s.CurvePoints, CurvePointCount); ++i) out.Line(CurveRow(s.ACURVEX[i], s.ACURVEY[i]));
  out.Line("$ENDTAB");
  int rows = std::clamp(s.CharRows, 0, CharTableSize);
  out.Line("$VSPACETAB");
  for (int i = 0; i < rows; ++i) out.Line(CharRow(s.CharTable[i].spacing, s.CharTable[i].ch));
  out.Line("$ENDTAB");
  out.Line("$VHEIGHTTAB");
  for (int i = 0; i < rows; ++i) out.Line(CharRow(s.CharTable[i].height, s.CharTable[i].ch));
  out.Line("$ENDTAB");
}

void WriteArtwork(const Job& job, ProjectOut& out) {
  out.Line("$ARTFILE");
  out.Line(job.flags.ArtworkPresent ? "1" : "0");
  if (!job.flags.ArtworkPresent) return;
  out.Line("$ARTTAB");
  LineReader art(job.paths.ArtFileName);
  std::string line;
  while (art.Next(line)) out.Line(line);
  out.Line("$ENDTAB");
}

}  // namespace

bool WriteProject(Job& job, const std::string& path) {
  AtomicFile file(path);
  if (!file.IsOpen()) {
    job.ui.Warn("File Creation error");
    return false;
  }
  {
    ProjectOut out(file);
    out.Line("$QUILLVER");
    out.Line(FormatFixed(ProjectVersion, 4));
    for (const SettingKey& key : WrittenSettingKeys()) {
      out.Line(std::string("$") + key.key);
      out.Line(key.get(job));
    }
    WriteTables(job.settings, out);
    WriteArtwork(job, out);
    out.Line("$BEGINTEXT");
    for (const std::string& line : job.text) out.Line(line);
  }
  if (file.Commit()) return true;
  job.ui.Warn("File Creation error");
  return false;
}

}  // namespace quill
