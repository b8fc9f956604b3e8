// tgEntity: one point, straight line or circular arc in the plane, with a Z value carried along.  The
// Art Workshop's drawing, the optimiser and the hatcher all work on lists of these.
//
// Clockwise arcs (CCW false) are read the way the artwork file reads them: travel starts at the point
// at SA and runs clockwise to the point at FA, so the arc covers the counter-clockwise sweep from FA to
// SA.  Every operation below keeps that one reading.
#pragma once

#include <cstdint>
#include <string>

namespace quill {

class Ui;

enum EntityKind : uint8_t { KindBlank = 0, KindPoint = 1, KindLine = 2, KindArc = 3 };

// Bits of an entity's flags.
inline constexpr int SelectedBit = 0;  // the Art Workshop's selection
inline constexpr int MarkedBit = 1;    // scratch mark of the tool path generator and the optimiser

class tgEntity {
 public:
  tgEntity() = default;  // Blank, all values 0, counter-clockwise, no flags

  uint8_t Kind() const { return kind_; }
  bool IsPoint() const { return kind_ == KindPoint; }
  bool IsLine() const { return kind_ == KindLine; }
  bool IsArc() const { return kind_ == KindArc; }
  const char* KindName() const;

  // The six stored values; the last three read as XE, YE, ZE of a line or R, SA, FA of an arc.
  double X() const { return v_[0]; }
  double Y() const { return v_[1]; }
  double Z() const { return v_[2]; }
  double XE() const { return v_[3]; }
  double YE() const { return v_[4]; }
  double ZE() const { return v_[5]; }
  double R() const { return v_[3]; }
  double SA() const { return v_[4]; }
  double FA() const { return v_[5]; }

  void CopyTo(tgEntity& dest) const { dest = *this; }
  void Assign(const tgEntity& src) { *this = src; }
  void SetPoint(double x, double y, double z);
  void SetLine(double x, double y, double z, double xe, double ye, double ze);
  void SetLineFromPoints(const tgEntity& p1, const tgEntity& p2);
  void SetArc(double x, double y, double z, double r, double sa, double fa);  // CCW untouched

  void SetCCW(bool ccw) { ccw_ = ccw; }
  bool IsCCW() const { return ccw_; }
  void SetSelected(bool on) { SetFlag(SelectedBit, on); }
  bool Selected() const { return (flags_ >> SelectedBit) & 1u; }
  void SetMarked(bool on) { SetFlag(MarkedBit, on); }
  bool Marked() const { return (flags_ >> MarkedBit) & 1u; }

  // End points and measures.  Called on a kind they do not handle they report it to ui ("<label> called
  // with <kind name>") and return their default (false, 0, or 1.0 for ArcAngle).
  bool StartpointXYZ(Ui& ui, double& x, double& y, double& z) const;
  bool EndpointXYZ(Ui& ui, double& x, double& y, double& z) const;
  bool StartPoint(Ui& ui, tgEntity& p) const;
  bool EndPoint(Ui& ui, tgEntity& p) const;
  bool MidpointXYZ(Ui& ui, double& x, double& y, double& z) const;  // z is always 0
  double LineAngle(Ui& ui) const;                                   // -9999.0 for a zero-length line
  double ArcAngle(Ui& ui) const;
  double Length(Ui& ui) const;
  bool Extents(Ui& ui, double& xmin, double& ymin, double& xmax, double& ymax) const;
  bool Fullcircle(Ui& ui) const;
  bool Valid(Ui& ui);  // also brings an arc's angles into the usual range
  bool SameAs(Ui& ui, const tgEntity& e) const;

  // Transforms; a kind they do not handle is reported to ui and left unchanged.
  void Move(Ui& ui, double dx, double dy, double dz);
  void Rotate(Ui& ui, double cx, double cy, double angle);
  void Mirror(Ui& ui, double px, double py, double angle);
  void MirrorLine(Ui& ui, const tgEntity& line);
  void Scale(Ui& ui, double cx, double cy, double factor);
  void Offset(Ui& ui, int side, double d);  // side 1 left of the travel, -1 right
  void SwapEnds(Ui& ui);
  bool MakeCCW();
  // Turns a line or arc so that it starts at the end nearer (x, y); a blank entity is reported.
  void OrientFrom(Ui& ui, double x, double y);
  // The point at a fraction of the way along; false for a blank entity.
  bool PointAtFraction(tgEntity& p, double f) const;

  // The same measures unchecked, for a caller that knows the kind already (a point, line or arc; a
  // line for LineAngleOf and a line or arc for LengthOf, an arc for IsFullCircle): nothing is reported.
  void StartXYZ(double& x, double& y, double& z) const;
  void EndXYZ(double& x, double& y, double& z) const;
  double LineAngleOf() const;
  double LengthOf() const;
  void ExtentsOf(double& xmin, double& ymin, double& xmax, double& ymax) const;
  bool IsFullCircle() const;
  bool Matches(const tgEntity& e) const;  // SameAs for a point, line or arc
  void Reverse();                         // SwapEnds for a line or arc

  // Distances and point tests; a blank entity is near nothing, on nothing and contains nothing.
  double DistanceTo(const tgEntity& e) const;
  double DistanceToPoint(double x, double y, double z) const;
  bool IsOn(const tgEntity& p) const;
  bool IsOnXY(double x, double y) const;
  bool PointInBox(const tgEntity& p) const;
  bool BoxContains(double tol, double x, double y) const;
  bool Merge(const tgEntity& e);
  bool InsideCircle(const tgEntity& e) const;

  // The one-line text form (also the Art Workshop's clipboard text).
  std::string Describe() const;

 private:
  void SetFlag(int bit, bool on);
  // True for a point, line or arc; otherwise reports the operation's label to ui.
  bool Handles(Ui& ui, const char* label) const;
  // The counter-clockwise sweep an arc covers, whatever its direction of travel.
  double SweepFrom() const { return ccw_ ? v_[4] : v_[5]; }
  double SweepTo() const { return ccw_ ? v_[5] : v_[4]; }
  double ArcPointAngle(double fromStart) const;  // angle at a distance along the travel, in radians
  void ArcPoint(double angle, double& x, double& y) const;

  uint8_t kind_ = KindBlank;
  double v_[6] = {0, 0, 0, 0, 0, 0};
  bool ccw_ = true;
  uint8_t flags_ = 0;
};

}  // namespace quill
