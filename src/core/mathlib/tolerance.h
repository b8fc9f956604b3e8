// The tangency tolerance of the circle intersections.  It is program-wide because a few commands tighten
// it for their whole run; ToleranceScope puts the old value back on every way out.
#pragma once

namespace quill {

inline constexpr double DefaultTangencyTolerance = 5e-05;

extern double TangencyTolerance;

class ToleranceScope {
 public:
  ToleranceScope(double& tolerance, double value) : tolerance_(tolerance), saved_(tolerance) { tolerance_ = value; }
  ~ToleranceScope() { tolerance_ = saved_; }
  ToleranceScope(const ToleranceScope&) = delete;
  ToleranceScope& operator=(const ToleranceScope&) = delete;

 private:
  double& tolerance_;
  double saved_;
};

}  // namespace quill
