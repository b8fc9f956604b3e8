#include "artwork/workshop/document.h"

#include <algorithm>
#include <utility>

namespace quill {

namespace {

// Ascending places without repeats and without places beyond the drawing.
void Tidy(std::vector<size_t>& indices, size_t size) {
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  indices.erase(std::lower_bound(indices.begin(), indices.end(), size), indices.end());
}

std::vector<size_t> Run(size_t from, size_t count) {
  std::vector<size_t> at(count);
  for (size_t i = 0; i < count; ++i) at[i] = from + i;
  return at;
}

}  // namespace

void WorkshopDocument::Select(size_t i, bool on) {
  if (entities_[i].Selected() == on) return;
  entities_[i].SetSelected(on);
  ++selectionRevision_;
}

void WorkshopDocument::SelectEvery(const std::function<bool(const tgEntity&)>& which) {
  bool changed = false;
  for (tgEntity& e : entities_) {
    bool on = which(e);
    changed |= on != e.Selected();
    e.SetSelected(on);
  }
  if (changed) ++selectionRevision_;
}

size_t WorkshopDocument::SelectedCount() const {
  return static_cast<size_t>(
      std::count_if(entities_.begin(), entities_.end(), [](const tgEntity& e) { return e.Selected(); }));
}

std::vector<size_t> WorkshopDocument::SelectedIndices() const {
  std::vector<size_t> out;
  for (size_t i = 0; i < entities_.size(); ++i) {
    if (entities_[i].Selected()) out.push_back(i);
  }
  return out;
}

long WorkshopDocument::FirstSelected() const {
  for (size_t i = 0; i < entities_.size(); ++i) {
    if (entities_[i].Selected()) return static_cast<long>(i);
  }
  return -1;
}

void WorkshopDocument::Commit(EntityEdit edit) {
  if (edit.Empty()) return;
  ApplyEdit(entities_, edit, false);
  history_.Record(std::move(edit));
  Changed();
}

void WorkshopDocument::Append(Entities added, const std::string& label) {
  ReplaceEntities({}, std::move(added), label);
}

void WorkshopDocument::Remove(std::vector<size_t> indices, const std::string& label) {
  ReplaceEntities(std::move(indices), {}, label);
}

bool WorkshopDocument::Modify(const std::vector<size_t>& indices, const std::function<void(tgEntity&)>& change,
                              const std::string& label) {
  std::vector<size_t> at = indices;
  Tidy(at, entities_.size());
  EntityEdit edit{label, {}, {}, {}, {}};
  for (size_t i : at) {
    tgEntity e = entities_[i];
    change(e);
    if (SameEntity(e, entities_[i])) continue;
    edit.removedAt.push_back(i);
    edit.removed.push_back(entities_[i]);
    edit.insertedAt.push_back(i);
    edit.inserted.push_back(e);
  }
  bool changed = !edit.Empty();
  Commit(std::move(edit));
  return changed;
}

void WorkshopDocument::ReplaceEntities(std::vector<size_t> indices, Entities replacement, const std::string& label) {
  Tidy(indices, entities_.size());
  size_t first = indices.empty() ? entities_.size() : indices.front();
  EntityEdit edit{label, {}, {}, Run(first, replacement.size()), std::move(replacement)};
  for (size_t i : indices) edit.removed.push_back(entities_[i]);
  edit.removedAt = std::move(indices);
  Commit(std::move(edit));
}

void WorkshopDocument::ReplaceAll(Entities entities, const std::string& label) {
  size_t oldSize = entities_.size(), newSize = entities.size();
  size_t head = 0;
  while (head < oldSize && head < newSize && SameEntity(entities_[head], entities[head])) ++head;
  size_t tail = 0;
  while (tail < oldSize - head && tail < newSize - head &&
         SameEntity(entities_[oldSize - 1 - tail], entities[newSize - 1 - tail])) {
    ++tail;
  }
  EntityEdit edit{label, Run(head, oldSize - head - tail), {}, Run(head, newSize - head - tail), {}};
  edit.removed.assign(entities_.begin() + static_cast<long>(head), entities_.end() - static_cast<long>(tail));
  edit.inserted.assign(entities.begin() + static_cast<long>(head), entities.end() - static_cast<long>(tail));
  Commit(std::move(edit));
}

void WorkshopDocument::Reset(Entities entities) {
  entities_ = std::move(entities);
  history_.Clear();
  Changed();
}

bool WorkshopDocument::Undo() {
  return Replay(history_.TakeUndo(), true);
}

bool WorkshopDocument::Redo() {
  return Replay(history_.TakeRedo(), false);
}

bool WorkshopDocument::Replay(const EntityEdit* edit, bool backward) {
  if (!edit) return false;
  ApplyEdit(entities_, *edit, backward);
  Changed();
  return true;
}

void WorkshopDocument::Changed() {
  ++revision_;
  ++selectionRevision_;
  lastPicked = -1;
}

}  // namespace quill
