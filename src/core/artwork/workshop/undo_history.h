// Undo and Redo of the Art Workshop's drawing.  A step keeps only the entities it took out and the
// ones it put in, with their places, so a step on a drawing of 100,000 entities that moves one line
// costs two entities, not a copy of the drawing.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "geometry/entity.h"

namespace quill {

struct EntityEdit {
  std::string label;               // the command, as the Edit menu names it ("Undo Move")
  std::vector<size_t> removedAt;   // ascending places in the drawing before the step
  std::vector<tgEntity> removed;   // the entities that stood there
  std::vector<size_t> insertedAt;  // ascending places in the drawing after the step
  std::vector<tgEntity> inserted;  // the entities that stand there

  bool Empty() const { return removed.empty() && inserted.empty(); }
  size_t Weight() const { return removed.size() + inserted.size(); }
};

// Every field of two entities alike, flags included.
bool SameEntity(const tgEntity& a, const tgEntity& b);

// Carries the step out on the drawing (backward: takes it back).  The places must be those the step was
// made with; the drawing then holds exactly what it held after (before) the step.
void ApplyEdit(std::vector<tgEntity>& drawing, const EntityEdit& edit, bool backward);

class UndoHistory {
 public:
  // Past this many steps, or this many entities kept in them, the oldest steps are forgotten; the latest
  // step is always kept.
  static constexpr size_t MaxSteps = 100;
  static constexpr size_t MaxEntities = 2'000'000;

  // A new step: the steps that were undone cannot be redone any more.
  void Record(EntityEdit edit);
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  const std::string& UndoLabel() const;
  const std::string& RedoLabel() const;
  // Moves the latest step to the other list and returns it for the caller to carry out; nullptr when
  // there is none.
  const EntityEdit* TakeUndo();
  const EntityEdit* TakeRedo();
  void Clear();

 private:
  void Forget();

  std::deque<EntityEdit> undo_, redo_;
  size_t weight_ = 0;  // entities kept in both lists
};

}  // namespace quill
