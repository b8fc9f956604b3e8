#include "nc/machine_definition.h"

#include <cstring>
#include <type_traits>
#include <variant>

#include "nc/machine_keys.h"
#include "project/profile.h"

namespace quill {

namespace {

// The value already read for the key another one follows when absent.
int FollowedValue(const MachineDefinition& m, const char* key) {
  for (const MachineKey& k : MachineKeys()) {
    auto field = std::get_if<int MachineDefinition::*>(&k.definition);
    if (field && std::strcmp(k.key, key) == 0) return m.**field;
  }
  return 0;
}

// Reads every key into m: absent keys take their default, or the value of the key they follow.
// Without a profile every key takes its default.
void ReadKeys(MachineDefinition& m, const ProfileFile* posts, const std::string& name) {
  for (const MachineKey& k : MachineKeys()) {
    std::visit(
        [&](auto field) {
          using Value = std::remove_cvref_t<decltype(m.*field)>;
          if constexpr (std::is_same_v<Value, std::string>) {
            m.*field = posts ? posts->ReadString(name, k.key, k.text) : k.text;
          } else {
            int def = k.follows ? FollowedValue(m, k.follows) : k.number;
            int value = posts ? posts->ReadInt(name, k.key, def) : def;
            if constexpr (std::is_same_v<Value, bool>) {
              m.*field = value == 1;
            } else {
              m.*field = value;
            }
          }
        },
        k.definition);
  }
}

}  // namespace

MachineDefinition::MachineDefinition() { ReadKeys(*this, nullptr, ""); }

MachineDefinition ReadMachineDefinition(const ProfileFile& posts, const std::string& name) {
  MachineDefinition m;
  m.name = name;
  ReadKeys(m, &posts, name);
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
