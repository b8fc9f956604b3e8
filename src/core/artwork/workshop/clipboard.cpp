#include "artwork/workshop/clipboard.h"

#include <cerrno>
#include <cmath>
#include <optional>
#include <sstream>

#include "artwork/workshop/bounds.h"
#include "artwork/workshop/document.h"
#include "artwork/workshop/edit_commands.h"
#include "job/job.h"
#include "mathlib/constants.h"
#include "mathlib/number_text.h"
#include "records/atomic_file.h"
#include "records/line_reader.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr const char* kEol = "\r\n";

std::string ClipPath(const Job& job) {
  return job.paths.ExeDir + ClipFileName;
}

// The value after the first occurrence of key, up to the next blank; 0 when the key is missing, nothing
// when the text there is no number.
std::optional<double> Value(const std::string& line, const char* key) {
  size_t at = line.find(key);
  if (at == std::string::npos) return 0.0;
  at += std::char_traits<char>::length(key);
  size_t end = line.find_first_of(" \t", at);
  std::optional<double> v = StrictToDouble(line.substr(at, end == std::string::npos ? std::string::npos : end - at));
  if (v && !std::isfinite(*v)) return std::nullopt;
  return v;
}

int KindOfLine(const std::string& line) {
  if (line.rfind("Point", 0) == 0) return KindPoint;
  if (line.rfind("Line", 0) == 0) return KindLine;
  if (line.rfind("Arc", 0) == 0) return KindArc;
  return 0;
}

// The entity of one geometry line; false when the line is damaged.  kind is 0 for other lines.
bool ParseLine(const std::string& line, tgEntity& e, int& kind) {
  static const char* const keys[] = {"X", "Y", "Z", "XE", "YE", "ZE", "R", "SA", "FA"};
  kind = KindOfLine(line);
  if (kind == 0) return true;
  double v[9] = {};
  for (int i = 0; i < 9; ++i) {
    bool wanted = i < 3 || (kind == KindLine && i < 6) || (kind == KindArc && i >= 6);
    if (!wanted) continue;
    std::optional<double> value = Value(line, keys[i]);
    if (!value) return false;
    v[i] = *value;
  }
  if (kind == KindPoint) e.SetPoint(v[0], v[1], v[2]);
  if (kind == KindLine) e.SetLine(v[0], v[1], v[2], v[3], v[4], v[5]);
  if (kind == KindArc) {
    if (!(v[6] > 0)) return false;
    e.SetArc(v[0], v[1], v[2], v[6], v[7] * DegToRad, v[8] * DegToRad);
    e.SetCCW(line.find("CCW") != std::string::npos);
  }
  return true;
}

}  // namespace

std::string ClipboardText(Ui& ui, const WorkshopDocument& doc) {
  Bounds box = DrawingBounds(doc, true);
  double cx = box.Empty() ? 0 : box.CentreX(), cy = box.Empty() ? 0 : box.CentreY();
  std::string text = std::string(ClipboardMarker) + kEol;
  for (const tgEntity& e : doc.Items()) {
    if (!e.Selected()) continue;
    tgEntity moved = e;
    moved.Move(ui, -cx, -cy, 0);
    text += moved.Describe() + kEol;
  }
  return text;
}

std::string CopySelection(Job& job, const WorkshopDocument& doc) {
  std::string text = ClipboardText(job.ui, doc);
  errno = 0;
  if (!WriteFileAtomically(ClipPath(job), text)) {
    job.ui.Warn("Clip File access error #" + std::to_string(errno) + " [" + ClipPath(job) + "]");
  }
  return text;
}

std::string CutSelection(Job& job, WorkshopDocument& doc) {
  std::string text = CopySelection(job, doc);
  DeleteSelected(doc);
  return text;
}

std::string ReadClipFile(const Job& job) {
  LineReader in(ClipPath(job));
  std::string text, line;
  while (in.Next(line)) text += line + kEol;
  return text;
}

bool ParseClipboard(Ui& ui, const std::string& text, std::vector<tgEntity>& entities) {
  std::istringstream in(text);
  std::string line;
  auto next = [&] {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
  };
  if (!next() || line != ClipboardMarker) return false;
  std::vector<tgEntity> found;
  tgEntity e;
  int kind = 0;
  for (long number = 2; next(); ++number) {
    if (!ParseLine(line, e, kind)) {
      ui.Warn("Damaged Clipboard Line " + std::to_string(number) + ", Nothing Pasted:\n" + line);
      return false;
    }
    if (kind != 0) found.push_back(e);
  }
  entities = std::move(found);
  return true;
}

bool PasteEntities(Ui& ui, WorkshopDocument& doc, std::vector<tgEntity> entities, double x, double y) {
  if (entities.empty()) return false;
  for (tgEntity& e : entities) {
    e.Move(ui, x, y, 0);
    e.SetSelected(false);
  }
  doc.Append(std::move(entities), "Paste");
  return true;
}

}  // namespace quill
