// The picks the workshop's tool windows ask for once their options are in: a point (where the left
// button goes down) or an entity (the one nearest to a click).  While a pick waits, the prompt line
// shows its prompt, clicks answer it without changing the selection, and the right button cancels it.
// Nothing waits: the answer goes to the function given with the question, which may ask the next pick.
#pragma once

#include <functional>
#include <string>

#include "artwork/workshop/session.h"

namespace quill {

class WorkshopDocument;

enum class PickEnd {
  Picked,     // the operator clicked
  Cancelled,  // the right button
  Ended,      // another command took over (a menu, a tool, a change of the drawing)
};

struct PickAnswer {
  PickEnd end = PickEnd::Ended;
  double x = 0, y = 0;  // where the click was, in the drawing
  long entity = -1;     // an entity pick: the entity nearest to the click, -1 none
};

class WorkshopPicks {
 public:
  using Then = std::function<void(const PickAnswer&)>;

  explicit WorkshopPicks(const WorkshopDocument& doc) : doc_(doc) {}

  // Asks for a point or an entity; a pick still waiting ends first.
  void AskPoint(std::string prompt, Then then);
  void AskEntity(std::string prompt, Then then);
  bool Waiting() const { return static_cast<bool>(then_); }
  const std::string& Prompt() const { return prompt_; }

  // The mouse at (x, y) in the drawing; true when the event belongs to the picks (the session does
  // not see it).  A release belongs to them when its press did.  grow: how far around an entity a
  // click still finds it, in drawing units.
  bool Press(MouseButton button, double x, double y);
  bool Release(MouseButton button, double x, double y, double grow);
  // A waiting pick ends with PickEnd::Ended.
  void End();

 private:
  void Ask(std::string prompt, bool entity, Then then);
  void Answer(const PickAnswer& answer);

  const WorkshopDocument& doc_;
  std::string prompt_;
  Then then_;
  bool entity_ = false;
  bool ownPress_ = false;      // the button went down while a pick waited: its release is ours too
  bool clickStarted_ = false;  // an entity pick saw its press; the release answers it
};

}  // namespace quill
