#include "nc/machine_setup.h"

#include "nc/machine_list.h"
#include "project/profile.h"

namespace quill {

namespace {

struct TextKey {
  const char* key;
  std::string MachineSetup::*field;
};
struct NumberKey {  // shown as the decimal text of the value read
  const char* key;
  std::string MachineSetup::*field;
  int def;
};
struct FlagKey {
  const char* key;
  bool MachineSetup::*field;
  bool anyNonZero;  // checked for any value but 0, else only for 1
  int def;
};

constexpr TextKey TextKeys[] = {
    {"RAPCODE", &MachineSetup::rapidCode},
    {"LINCODE", &MachineSetup::linearCode},
    {"CWCODE", &MachineSetup::cwCode},
    {"CCWCODE", &MachineSetup::ccwCode},
    {"ROTROTREG", &MachineSetup::rotaryRegister},
    {"ROTLINREG", &MachineSetup::linearRegister},
    {"ROTDEEPREG", &MachineSetup::depthRegister},
    {"ROTENTER", &MachineSetup::rotaryEnter},
    {"ROTLEAVE", &MachineSetup::rotaryLeave},
    {"ROTORDER", &MachineSetup::rotaryOrder},
    {"ZUPSTR", &MachineSetup::spindleUp},
    {"ZDNSTR", &MachineSetup::spindleDown},
};
constexpr NumberKey NumberKeys[] = {
    {"DIGL", &MachineSetup::digitsLeft, 3},      {"DIGR", &MachineSetup::digitsRight, 4},
    {"STARTSEQ", &MachineSetup::startSeq, 10},   {"FDIGITS", &MachineSetup::feedDigitsRight, 2},
    {"FDIGL", &MachineSetup::feedDigitsLeft, 2}, {"ROTDIGR", &MachineSetup::rotaryDigits, 2},
};
constexpr FlagKey FlagKeys[] = {
    {"BINVX", &MachineSetup::invertX, true, 0},
    {"BINVY", &MachineSetup::invertY, true, 0},
    {"REDUN", &MachineSetup::redundant, true, 0},
    {"MODALG", &MachineSetup::modalG, true, 1},
    {"SEQOUT", &MachineSetup::sequenceNumbers, false, 1},
    {"ROTRECT", &MachineSetup::rectangular, false, 1},
    {"FEEDDPM", &MachineSetup::feedDegreesPerMinute, false, 0},
    {"B3AXIS", &MachineSetup::programmableZ, false, 1},
};

int ItemOrNone(int value, int count) {
  return value >= 0 && value < count ? value : -1;
}
int FormatButton(int value) {
  return value >= 2 && value <= 4 ? value : 1;
}

}  // namespace

MachineSetup LoadMachineSetup(const ProfileFile& posts, const std::string& name) {
  MachineSetup s;
  for (const TextKey& k : TextKeys) s.*k.field = posts.ReadString(name, k.key, s.*k.field);
  for (const NumberKey& k : NumberKeys) s.*k.field = std::to_string(posts.ReadInt(name, k.key, k.def));
  for (const FlagKey& k : FlagKeys) {
    int v = posts.ReadInt(name, k.key, k.def);
    s.*k.field = k.anyNonZero ? v != 0 : v == 1;
  }
  s.machineType = ItemOrNone(posts.ReadInt(name, "MTYPE", 1) - 1, 6);
  s.absolute = posts.ReadInt(name, "ABSINC", 1) == 1;
  s.format = FormatButton(posts.ReadInt(name, "FORMAT", 1));
  s.feedFormat = FormatButton(posts.ReadInt(name, "FFORMAT", s.format));
  s.latheXFormat = ItemOrNone(posts.ReadInt(name, "LXFORMAT", 3), 4);
  int arc = posts.ReadInt(name, "ARCTYPE", 5);
  s.arcType = arc >= 1 && arc <= 5 ? arc : 6;
  s.cutType = ItemOrNone(posts.ReadInt(name, "CUTTYPE", 0), 3);
  return s;
}

bool SaveMachineSetup(ProfileFile& posts, const std::string& name, const MachineSetup& s,
                      const std::vector<std::string>& machineList) {
  std::vector<std::pair<std::string, std::string>> keys = {
      {"MTYPE", std::to_string(s.machineType + 1)},
      {"ABSINC", s.absolute ? "1" : "2"},
      {"FORMAT", std::to_string(FormatButton(s.format))},
      {"FFORMAT", std::to_string(FormatButton(s.feedFormat))},
      {"LXFORMAT", std::to_string(s.latheXFormat)},
      {"ARCTYPE", std::to_string(s.arcType >= 1 && s.arcType <= 6 ? s.arcType : 5)},
      {"CUTTYPE", std::to_string(s.cutType)},
  };
  for (const FlagKey& k : FlagKeys) keys.emplace_back(k.key, s.*k.field ? "1" : "0");
  for (const NumberKey& k : NumberKeys) keys.emplace_back(k.key, s.*k.field);
  for (const TextKey& k : TextKeys) keys.emplace_back(k.key, s.*k.field);
  bool listed = WriteMachineList(posts, machineList);
  return posts.WriteStrings(name, keys) && listed;
}

SetupEnables SetupEnablesFor(const MachineSetup& s) {
  SetupEnables e;
  const bool drawing = s.machineType != 0 && s.machineType != 1 && s.machineType != 4 && s.machineType != 5;
  e.formatControls = !drawing;
  e.latheXFormat = s.machineType == 1 || s.machineType == 5;
  e.spindleCodes = !s.programmableZ;
  if (s.machineType == 2) {
    e.coordinateCaption = "DXF File Mode";
    e.absCaption = "Mill";
    e.incCaption = "Lathe";
    e.redundantCaption = "Output 3D Dxf File";
    e.modalG = false;
  }
  return e;
}

}  // namespace quill
