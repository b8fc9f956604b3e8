#include "nc/machine_setup.h"

#include <cstdlib>
#include <map>
#include <type_traits>
#include <variant>

#include "nc/machine_keys.h"
#include "nc/machine_list.h"
#include "project/profile.h"

namespace quill {

namespace {

// A setup field for a key's value as read from the file (or its default).
template <typename Field>
void Show(MachineSetup& s, Field field, const MachineKey& k, int raw, const std::string& text) {
  using Value = std::remove_cvref_t<decltype(s.*field)>;
  if constexpr (std::is_same_v<Value, std::string>) {
    s.*field = k.shape == KeyShape::Text ? text : std::to_string(raw);
  } else if (k.shape == KeyShape::Flag) {
    s.*field = k.anyNonZero ? raw != 0 : raw == 1;
  } else {
    s.*field = static_cast<Value>(k.shown(raw));
  }
}

// The text written for a setup field.
template <typename Field>
std::string Saved(const MachineSetup& s, Field field, const MachineKey& k) {
  using Value = std::remove_cvref_t<decltype(s.*field)>;
  if constexpr (std::is_same_v<Value, std::string>) {
    return s.*field;
  } else if (k.shape == KeyShape::Flag) {
    return s.*field ? "1" : "0";
  } else {
    return std::to_string(k.saved(static_cast<int>(s.*field)));
  }
}

// Reads every key as the setup window shows it; without a profile every key takes the window's default.
void ReadKeys(MachineSetup& s, const ProfileFile* posts, const std::string& name) {
  std::map<std::string, int> raw;  // values read so far, for the keys that follow another
  for (const MachineKey& k : MachineKeys()) {
    int def = k.setupDefault ? std::atoi(k.setupDefault) : k.follows ? raw[k.follows] : k.number;
    const char* text = k.setupDefault ? k.setupDefault : k.text;
    int value = posts && k.shape != KeyShape::Text ? posts->ReadInt(name, k.key, def) : def;
    std::string typed = posts && k.shape == KeyShape::Text ? posts->ReadString(name, k.key, text) : text;
    raw[k.key] = value;
    std::visit(
        [&](auto field) {
          if constexpr (!std::is_same_v<decltype(field), std::monostate>) Show(s, field, k, value, typed);
        },
        k.setup);
  }
}

}  // namespace

MachineSetup::MachineSetup() { ReadKeys(*this, nullptr, ""); }

MachineSetup LoadMachineSetup(const ProfileFile& posts, const std::string& name) {
  MachineSetup s;
  ReadKeys(s, &posts, name);
  return s;
}

bool SaveMachineSetup(ProfileFile& posts, const std::string& name, const MachineSetup& s,
                      const std::vector<std::string>& machineList) {
  std::vector<std::pair<std::string, std::string>> keys;
  for (const MachineKey& k : MachineKeys()) {
    std::visit(
        [&](auto field) {
          if constexpr (!std::is_same_v<decltype(field), std::monostate>) keys.emplace_back(k.key, Saved(s, field, k));
        },
        k.setup);
  }
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
