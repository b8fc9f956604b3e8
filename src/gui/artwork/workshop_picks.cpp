#include "artwork/workshop_picks.h"

#include <utility>

#include "artwork/workshop/picking.h"

namespace quill {

void WorkshopPicks::AskPoint(std::string prompt, Then then) {
  Ask(std::move(prompt), false, std::move(then));
}

void WorkshopPicks::AskEntity(std::string prompt, Then then) {
  Ask(std::move(prompt), true, std::move(then));
}

void WorkshopPicks::Ask(std::string prompt, bool entity, Then then) {
  End();
  prompt_ = std::move(prompt);
  entity_ = entity;
  clickStarted_ = false;  // the release of a click that answered the last pick does not answer this one
  then_ = std::move(then);
}

bool WorkshopPicks::Press(MouseButton button, double x, double y) {
  // A release that never came (a window opened between press and release) leaves no trace.
  ownPress_ = Waiting();
  if (!ownPress_) return false;
  if (button == MouseButton::Right) {
    Answer({PickEnd::Cancelled});
  } else if (button == MouseButton::Left && entity_) {
    clickStarted_ = true;
  } else if (button == MouseButton::Left) {
    Answer({PickEnd::Picked, x, y});
  }
  return true;
}

bool WorkshopPicks::Release(MouseButton button, double x, double y, double grow) {
  if (!ownPress_) return false;
  ownPress_ = false;
  if (Waiting() && entity_ && clickStarted_ && button == MouseButton::Left) {
    Answer({PickEnd::Picked, x, y, NearestEntity(doc_, x, y, grow)});
  }
  return true;
}

void WorkshopPicks::End() {
  if (Waiting()) Answer({PickEnd::Ended});
}

// The pick is over before its answer is given, so the answer may ask the next one.
void WorkshopPicks::Answer(const PickAnswer& answer) {
  Then then = std::move(then_);
  then_ = nullptr;
  prompt_.clear();
  then(answer);
}

}  // namespace quill
