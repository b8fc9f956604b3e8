// One machine of QPOSTS.INI as the post-processor uses it: control type, number formats, motion codes,
// arc format, sequence numbers, rotary axis and Z handling.  Fields are named by their keys.
#pragma once

#include <string>

namespace quill {

class ProfileFile;

enum MachineType { MachMill = 1, MachLathe = 2, MachDxf = 3, MachPrint = 4, MachBendix = 5, MachEzTrack = 6 };
enum CutType { CutNormal = 0, CutRotaryFace = 1, CutRotaryDiameter = 2 };
enum ArcType {
  ArcToolToCenter = 1,    // I, J from the tool to the centre
  ArcCenterToTool = 2,    // I, J from the centre to the tool
  ArcUnsigned = 3,        // unsigned incremental distances
  ArcAbsoluteCenter = 4,  // the centre's coordinates
  ArcRadius = 5,          // R words
  ArcLinear = 6,          // linear moves along the arc
};

struct MachineDefinition {
  // Every key at the post-processor's default for an absent key (the table in nc/machine_keys.cpp).
  MachineDefinition();

  std::string name;
  int MTYPE;
  int ABSINC;  // 1 absolute, else incremental; for a DXF machine 1 "Mill", 2 "Lathe" orientation
  int FORMAT;
  int FFORMAT;
  int DIGL;
  int DIGR;
  int LXFORMAT;
  bool BINVX;
  bool BINVY;
  int ARCTYPE;
  std::string RAPCODE;
  std::string LINCODE;
  std::string CWCODE;
  std::string CCWCODE;
  bool SEQOUT;
  int STARTSEQ;
  int FDIGITS;
  int FDIGL;
  bool REDUN;  // for a DXF machine: a 3D drawing
  bool MODALG;
  int ROTDIGR;
  int CUTTYPE;
  std::string ROTROTREG;
  std::string ROTLINREG;
  std::string ROTDEEPREG;
  std::string ROTENTER;
  std::string ROTLEAVE;
  std::string ROTORDER;
  bool ROTRECT;
  bool FEEDDPM;
  bool B3AXIS;
  std::string ZUPSTR;
  std::string ZDNSTR;

  bool Absolute() const { return ABSINC == 1; }
  bool Rotary() const { return CUTTYPE != CutNormal; }
};

// Section [name] with the post-processor's defaults for absent keys; a flag is on exactly when it is 1.
MachineDefinition ReadMachineDefinition(const ProfileFile& posts, const std::string& name);

// The factor of a lathe's X words by LXFORMAT: 0 ... 3 give 2, 1, -1, -2; anything else 1.
double LatheXFactor(int lxformat);

// The multipliers of X and Y words: the lathe factor, then the inversions.
struct AxisScales {
  double x = 1.0;
  double y = 1.0;
};
AxisScales ComputeAxisScales(const MachineDefinition& m);

}  // namespace quill
