#include "nc/machine_definition.h"

#include "project/profile.h"

namespace quill {

namespace {

struct IntKey {
  const char* key;
  int MachineDefinition::*field;
};
struct FlagKey {
  const char* key;
  bool MachineDefinition::*field;
};
struct TextKey {
  const char* key;
  std::string MachineDefinition::*field;
};

// FFORMAT and FDIGL default to FORMAT and DIGL, so they are read after them.
constexpr IntKey IntKeys[] = {
    {"MTYPE", &MachineDefinition::MTYPE},     {"ABSINC", &MachineDefinition::ABSINC},
    {"FORMAT", &MachineDefinition::FORMAT},   {"DIGL", &MachineDefinition::DIGL},
    {"DIGR", &MachineDefinition::DIGR},       {"LXFORMAT", &MachineDefinition::LXFORMAT},
    {"ARCTYPE", &MachineDefinition::ARCTYPE}, {"STARTSEQ", &MachineDefinition::STARTSEQ},
    {"FDIGITS", &MachineDefinition::FDIGITS}, {"ROTDIGR", &MachineDefinition::ROTDIGR},
    {"CUTTYPE", &MachineDefinition::CUTTYPE},
};
constexpr FlagKey FlagKeys[] = {
    {"BINVX", &MachineDefinition::BINVX},     {"BINVY", &MachineDefinition::BINVY},
    {"SEQOUT", &MachineDefinition::SEQOUT},   {"REDUN", &MachineDefinition::REDUN},
    {"MODALG", &MachineDefinition::MODALG},   {"ROTRECT", &MachineDefinition::ROTRECT},
    {"FEEDDPM", &MachineDefinition::FEEDDPM}, {"B3AXIS", &MachineDefinition::B3AXIS},
};
constexpr TextKey TextKeys[] = {
    {"RAPCODE", &MachineDefinition::RAPCODE},       {"LINCODE", &MachineDefinition::LINCODE},
    {"CWCODE", &MachineDefinition::CWCODE},         {"CCWCODE", &MachineDefinition::CCWCODE},
    {"ROTROTREG", &MachineDefinition::ROTROTREG},   {"ROTLINREG", &MachineDefinition::ROTLINREG},
    {"ROTDEEPREG", &MachineDefinition::ROTDEEPREG}, {"ROTENTER", &MachineDefinition::ROTENTER},
    {"ROTLEAVE", &MachineDefinition::ROTLEAVE},     {"ROTORDER", &MachineDefinition::ROTORDER},
    {"ZUPSTR", &MachineDefinition::ZUPSTR},         {"ZDNSTR", &MachineDefinition::ZDNSTR},
};

}  // namespace

MachineDefinition ReadMachineDefinition(const ProfileFile& posts, const std::string& name) {
  MachineDefinition m;
  m.name = name;
  for (const IntKey& k : IntKeys) m.*k.field = posts.ReadInt(name, k.key, m.*k.field);
  m.FFORMAT = posts.ReadInt(name, "FFORMAT", m.FORMAT);
  m.FDIGL = posts.ReadInt(name, "FDIGL", m.DIGL);
  for (const FlagKey& k : FlagKeys) m.*k.field = posts.ReadInt(name, k.key, m.*k.field ? 1 : 0) == 1;
  for (const TextKey& k : TextKeys) m.*k.field = posts.ReadString(name, k.key, m.*k.field);
  return m;
}

double LatheXFactor(int lxformat) {
  constexpr double Factors[] = {2.0, 1.0, -1.0, -2.0};
  return lxformat >= 0 && lxformat <= 3 ? Factors[lxformat] : 1.0;
}

AxisScales ComputeAxisScales(const MachineDefinition& m) {
  AxisScales s;
  if (m.MTYPE == MachLathe) s.x = LatheXFactor(m.LXFORMAT);
  if (m.BINVX) s.x = -s.x;
  if (m.BINVY) s.y = -s.y;
  return s;
}

}  // namespace quill
