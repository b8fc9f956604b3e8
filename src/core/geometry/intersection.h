// tgIntersection: where two lines or arcs cross, up to two points.  One object is reused for many
// computations; each starts from a clean slate.
#pragma once

#include <cstdint>

namespace quill {

class tgEntity;
class Ui;

class tgIntersection {
 public:
  // ui: where a point or blank entity handed to Compute is reported.
  explicit tgIntersection(Ui& ui) : ui_(ui) {}

  double X1 = 0, Y1 = 0;
  double X2 = 0, Y2 = 0;
  int32_t Count = 0;     // valid points: 0, 1 or 2
  bool Tangent = false;  // the line or circle only touched

  // The crossings of the two entities' infinite lines and full circles; with check, only those on both
  // entities are kept.  A point or blank entity is reported ("Interesct") and gives false.
  bool Compute(const tgEntity& e1, const tgEntity& e2, bool check);
  // Compute with the check; Count 0 when nothing is found.
  bool Intersect(const tgEntity& e1, const tgEntity& e2);
  void FirstPoint(tgEntity& p) const;
  void SecondPoint(tgEntity& p) const;
  bool IsTangent() const { return Tangent; }

 private:
  Ui& ui_;
  bool Crossings(const tgEntity& e1, const tgEntity& e2);
  void KeepPointsOnBoth(const tgEntity& e1, const tgEntity& e2);
};

}  // namespace quill
