#include "artwork/workshop/undo_history.h"

#include <utility>

namespace quill {

namespace {

const std::string kNoLabel;

// Rebuilds the drawing without the entities at removeAt and with inserted at insertAt, in one pass.
void Rewrite(std::vector<tgEntity>& drawing, const std::vector<size_t>& removeAt, const std::vector<size_t>& insertAt,
             const std::vector<tgEntity>& inserted) {
  if (removeAt == insertAt) {  // changed in place
    for (size_t i = 0; i < insertAt.size(); ++i) drawing[insertAt[i]] = inserted[i];
    return;
  }
  if (removeAt.empty() && !insertAt.empty() && insertAt.front() == drawing.size()) {  // added at the end
    drawing.insert(drawing.end(), inserted.begin(), inserted.end());
    return;
  }
  size_t total = drawing.size() - removeAt.size() + inserted.size();
  std::vector<tgEntity> out;
  out.reserve(total);
  size_t r = 0, ins = 0, src = 0;
  for (size_t at = 0; at < total; ++at) {
    if (ins < insertAt.size() && insertAt[ins] == at) {
      out.push_back(inserted[ins++]);
      continue;
    }
    while (r < removeAt.size() && removeAt[r] == src) ++r, ++src;
    out.push_back(drawing[src++]);
  }
  drawing.swap(out);
}

}  // namespace

bool SameEntity(const tgEntity& a, const tgEntity& b) {
  return a.Kind() == b.Kind() && a.X() == b.X() && a.Y() == b.Y() && a.Z() == b.Z() && a.XE() == b.XE() &&
         a.YE() == b.YE() && a.ZE() == b.ZE() && a.IsCCW() == b.IsCCW() && a.Selected() == b.Selected() &&
         a.Marked() == b.Marked();
}

void ApplyEdit(std::vector<tgEntity>& drawing, const EntityEdit& edit, bool backward) {
  if (backward) {
    Rewrite(drawing, edit.insertedAt, edit.removedAt, edit.removed);
  } else {
    Rewrite(drawing, edit.removedAt, edit.insertedAt, edit.inserted);
  }
}

void UndoHistory::Record(EntityEdit edit) {
  for (const EntityEdit& e : redo_) weight_ -= e.Weight();
  redo_.clear();
  weight_ += edit.Weight();
  undo_.push_back(std::move(edit));
  Forget();
}

void UndoHistory::Forget() {
  while (undo_.size() > 1 && (undo_.size() > MaxSteps || weight_ > MaxEntities)) {
    weight_ -= undo_.front().Weight();
    undo_.pop_front();
  }
}

const std::string& UndoHistory::UndoLabel() const {
  return undo_.empty() ? kNoLabel : undo_.back().label;
}

const std::string& UndoHistory::RedoLabel() const {
  return redo_.empty() ? kNoLabel : redo_.back().label;
}

const EntityEdit* UndoHistory::TakeUndo() {
  if (undo_.empty()) return nullptr;
  redo_.push_back(std::move(undo_.back()));
  undo_.pop_back();
  return &redo_.back();
}

const EntityEdit* UndoHistory::TakeRedo() {
  if (redo_.empty()) return nullptr;
  undo_.push_back(std::move(redo_.back()));
  redo_.pop_back();
  return &undo_.back();
}

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
  weight_ = 0;
}

}  // namespace quill
