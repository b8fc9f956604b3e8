#include "raster/trace_document.h"

#include <cmath>
#include <limits>
#include <set>

#include "pixels/bmp.h"
#include "raster/picture_file.h"

namespace quill {

namespace {

size_t BytesOf(const Picture& p) {
  return static_cast<size_t>(p.Width()) * static_cast<size_t>(p.Height()) *
         (p.Format() == PixelFormat::Rgb24 ? 3u : 1u);
}

// Distance of (x, y) from the segment, or from the point when the segment has no length.
double DistanceTo(const Annotation& a, double x, double y) {
  double dx = a.x2 - a.x1, dy = a.y2 - a.y1;
  double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((x - a.x1) * dx + (y - a.y1) * dy) / len2 : 0;
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  return std::hypot(a.x1 + t * dx - x, a.y1 + t * dy - y);
}

}  // namespace

TraceDocument::TraceDocument() : picture_(std::make_shared<const Picture>()) {}

void TraceDocument::Remember() {
  undo_.push_back({picture_, annotations_});
  TrimUndo();
}

// The oldest steps go first, until the count and the pictures they alone keep alive fit.
void TraceDocument::TrimUndo() {
  auto bytes = [this] {
    std::set<const Picture*> seen{picture_.get()};
    size_t total = 0;
    for (const State& s : undo_) {
      if (seen.insert(s.picture.get()).second) total += BytesOf(*s.picture);
    }
    return total;
  };
  while (!undo_.empty() && (undo_.size() > MaxUndoSteps || bytes() > MaxUndoBytes)) undo_.erase(undo_.begin());
}

void TraceDocument::Undo() {
  if (undo_.empty()) return;
  picture_ = undo_.back().picture;
  annotations_ = std::move(undo_.back().annotations);
  undo_.pop_back();
}

void TraceDocument::Clear() {
  Remember();
  picture_ = std::make_shared<const Picture>();
  annotations_.clear();
  name_.clear();
}

void TraceDocument::Replace(Picture picture, const std::string& name) {
  Remember();
  picture_ = std::make_shared<const Picture>(std::move(picture));
  annotations_.clear();
  name_ = name;
}

bool TraceDocument::Load(const std::string& path, int page, std::string& error) {
  PictureRead read = ReadPictureFile(path, page);
  if (!read.Ok()) {
    error = read.error;
    return false;
  }
  Replace(std::move(read.picture), path);
  return true;
}

bool TraceDocument::Save(const std::string& path) {
  if (!WriteBmp(path, *picture_)) return false;
  name_ = path;
  return true;
}

void TraceDocument::TakeEdit(EditedPicture edited) {
  Remember();
  picture_ = std::make_shared<const Picture>(std::move(edited.picture));
  for (Annotation& a : annotations_) {
    edited.map.Apply(a.x1, a.y1);
    edited.map.Apply(a.x2, a.y2);
  }
}

bool TraceDocument::Rotate(double degrees) {
  if (picture_->Empty()) return true;
  EditedPicture edited = RotatePicture(*picture_, degrees);
  if (edited.picture.Empty()) return false;
  TakeEdit(std::move(edited));
  return true;
}

void TraceDocument::Flip() {
  if (!picture_->Empty()) TakeEdit(FlipPicture(*picture_));
}

void TraceDocument::Effects(const PictureEffects& effects) {
  if (picture_->Empty() || effects.None()) return;
  Remember();
  picture_ = std::make_shared<const Picture>(ApplyEffects(*picture_, effects));
}

Picture TraceDocument::Copy(PixelRect area) const {
  if (area.Empty()) return *picture_;
  return CopyArea(*picture_, area);
}

Picture TraceDocument::Cut(PixelRect area) {
  Picture piece = Copy(area);
  if (piece.Empty()) return piece;
  Remember();
  Picture rest = *picture_;
  FillArea(rest, area.Empty() ? PixelRect{0, 0, rest.Width(), rest.Height()} : area, White);
  picture_ = std::make_shared<const Picture>(std::move(rest));
  return piece;
}

void TraceDocument::Paste(const Picture& piece, int x, int y) {
  if (piece.Empty()) return;
  if (picture_->Empty()) {
    Replace(piece, "");
    return;
  }
  Remember();
  Picture result = *picture_;
  PasteArea(result, piece, x, y);
  picture_ = std::make_shared<const Picture>(std::move(result));
}

void TraceDocument::AddLine(double x1, double y1, double x2, double y2) {
  Remember();
  annotations_.push_back(Annotation::MakeLine(x1, y1, x2, y2));
}

void TraceDocument::PlaceMark(const std::string& letter, double x, double y, int size) {
  Remember();
  annotations_.push_back(Annotation::MakeText(letter, x, y, size));
}

void TraceDocument::MoveAnnotation(size_t index, double dx, double dy) {
  if (index >= annotations_.size()) return;
  Remember();
  Annotation& a = annotations_[index];
  a.x1 += dx, a.y1 += dy, a.x2 += dx, a.y2 += dy;
}

void TraceDocument::RemoveAnnotation(size_t index) {
  if (index >= annotations_.size()) return;
  Remember();
  annotations_.erase(annotations_.begin() + static_cast<long>(index));
}

int TraceDocument::AnnotationAt(double x, double y, double reach) const {
  int best = -1;
  double bestDistance = std::numeric_limits<double>::max();
  for (size_t i = 0; i < annotations_.size(); ++i) {
    double d = DistanceTo(annotations_[i], x, y);
    if (d <= reach && d < bestDistance) best = static_cast<int>(i), bestDistance = d;
  }
  return best;
}

}  // namespace quill
