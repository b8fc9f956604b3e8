// The picture of the Scan/Trace/Convert window with its annotation layer: what is loaded, scanned or
// pasted, the edits made to it, the lines drawn and marks placed over it, and the undo of all of these.
// The window shows it; everything it does to it goes through here.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "pixels/picture.h"
#include "raster/annotations.h"
#include "raster/picture_edit.h"
#include "raster/picture_effects.h"

namespace quill {

class TraceDocument {
 public:
  TraceDocument();

  const Picture& Image() const { return *picture_; }
  const Annotations& Marks() const { return annotations_; }
  // The file the picture was loaded from or saved to; empty for a new, scanned or pasted picture.
  const std::string& Name() const { return name_; }

  // "&New": no picture, no name, no annotations.
  void Clear();
  // A picture from a file, a scanner or the clipboard; the annotations go with the old picture.
  void Replace(Picture picture, const std::string& name);
  // Reads a bitmap or a TIFF page; false with error set (the document unchanged) when it cannot.
  bool Load(const std::string& path, int page, std::string& error);
  // Writes the picture as a Windows bitmap and takes the name; false when it cannot be written.
  bool Save(const std::string& path);

  // False (nothing changed) when the result would be too large.
  bool Rotate(double degrees);
  void Flip();
  void Effects(const PictureEffects& effects);
  // Copy and Cut of a rectangle (the whole picture when it is empty); Cut leaves white behind.
  Picture Copy(PixelRect area) const;
  Picture Cut(PixelRect area);
  // Pasted with its top left corner at (x, y).
  void Paste(const Picture& piece, int x, int y);

  // A drawn line; a mark ("O", "X", "S") at a picture position.
  void AddLine(double x1, double y1, double x2, double y2);
  void PlaceMark(const std::string& letter, double x, double y, int size);
  // The annotation edit mode: moving and removing one annotation.
  void MoveAnnotation(size_t index, double dx, double dy);
  void RemoveAnnotation(size_t index);
  // The annotation nearest to (x, y) within reach pixels; -1 when none is that close.
  int AnnotationAt(double x, double y, double reach) const;

  bool CanUndo() const { return !undo_.empty(); }
  void Undo();

 private:
  struct State {
    std::shared_ptr<const Picture> picture;
    Annotations annotations;
  };
  void Remember();
  void TrimUndo();
  void TakeEdit(EditedPicture edited);

  std::shared_ptr<const Picture> picture_;
  Annotations annotations_;
  std::string name_;
  std::vector<State> undo_;
};

// Undo keeps at most this many steps, and the pictures it keeps together at most this many bytes.
inline constexpr size_t MaxUndoSteps = 32;
inline constexpr size_t MaxUndoBytes = 400u * 1024 * 1024;

}  // namespace quill
