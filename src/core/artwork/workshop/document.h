// The Art Workshop's document: the drawing being edited as an ordered list of entities (the order of
// the artwork file and of the later tool path), the selection (each entity's Selected flag), the loaded
// flag, the view windows and the Undo history.
//
// Every change of the drawing goes through Append, Remove, Modify, ReplaceEntities or ReplaceAll and is
// one step of Undo.  Commands added later (optimise, cross hatch, simplify, linearise, deskew) take the
// selection from SelectedIndices and hand their result to ReplaceEntities or ReplaceAll.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "artwork/workshop/undo_history.h"
#include "geometry/entity.h"
#include "job/view_state.h"

namespace quill {

// The window the workshop shows when it is first created and after View > Default.
inline constexpr WorldWindow DefaultWorkshopWindow{-10, -7, 10, 7};

class WorkshopDocument {
 public:
  using Entities = std::vector<tgEntity>;

  const Entities& Items() const { return entities_; }
  size_t Size() const { return entities_.size(); }
  bool Empty() const { return entities_.empty(); }
  const tgEntity& At(size_t i) const { return entities_[i]; }

  // The selection.  Selecting is no drawing change: it is not undone.
  void Select(size_t i, bool on);
  void SelectEvery(const std::function<bool(const tgEntity&)>& which);
  size_t SelectedCount() const;
  std::vector<size_t> SelectedIndices() const;
  long FirstSelected() const;  // -1 when nothing is selected

  // Drawing changes, each one step of Undo named by label (nothing is recorded when nothing changes).
  // New entities keep the flags they come with.
  void Append(Entities added, const std::string& label);
  void Remove(std::vector<size_t> indices, const std::string& label);
  // change is applied to each listed entity where it stands; true when any of them changed.
  bool Modify(const std::vector<size_t>& indices, const std::function<void(tgEntity&)>& change,
              const std::string& label);
  // Takes out the listed entities and puts replacement where the first of them stood (at the end when
  // none is listed).  Places beyond the drawing are ignored.
  void ReplaceEntities(std::vector<size_t> indices, Entities replacement, const std::string& label);
  // The whole drawing replaced (a new order, say); Undo keeps only the part that differs.
  void ReplaceAll(Entities entities, const std::string& label);
  // Empties the drawing and forgets the history: a new editing run starts.
  void Reset(Entities entities = {});

  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  const std::string& UndoLabel() const { return history_.UndoLabel(); }
  const std::string& RedoLabel() const { return history_.RedoLabel(); }
  bool Undo();
  bool Redo();

  // Grows with every change of the drawing (Undo and Redo included), so a window can tell its picture
  // or its information is out of date.
  unsigned long Revision() const { return revision_; }
  // Grows with every change of the selection (and of the drawing), for menus that need a selection.
  unsigned long SelectionRevision() const { return selectionRevision_; }

  // The list holds the artwork being edited; cleared when the workshop is closed.
  bool loaded = false;
  WorldWindow window = DefaultWorkshopWindow;
  WorldWindow previousWindow = DefaultWorkshopWindow;
  bool showAxes = true;       // View > Axis
  bool hideSelected = false;  // the optimiser shows its result without the selected entities
  long lastPicked = -1;       // the entity the last click picked; -1 none

 private:
  void Commit(EntityEdit edit);
  bool Replay(const EntityEdit* edit, bool backward);
  void Changed();  // the drawing is not what it was: a new revision, no last pick

  Entities entities_;
  UndoHistory history_;
  unsigned long revision_ = 0;
  unsigned long selectionRevision_ = 0;
};

}  // namespace quill
