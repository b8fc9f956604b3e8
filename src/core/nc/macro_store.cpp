#include "nc/macro_store.h"

#include <cctype>

#include "project/profile.h"

namespace quill {

namespace {

std::string NameKey(int slot) {
  return "M" + std::to_string(slot) + "N";
}
std::string LineKey(int slot, int line) {
  return "M" + std::to_string(slot) + "L" + std::to_string(line);
}

std::string SlotName(const ProfileFile& posts, const std::string& machine, int slot) {
  return posts.ReadString(machine, NameKey(slot), MacroEnd);
}

// True when key is M<slot>L<digits>, compared without regard to case as the profile does.
bool IsLineKeyOf(const std::string& key, int slot) {
  std::string prefix = "M" + std::to_string(slot) + "L";
  if (key.size() <= prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(key[i])) != prefix[i]) return false;
  }
  return key.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
}

// Every line key of the slot goes, also those past a gap, so no stale line can join a later macro there.
bool DeleteSlot(ProfileFile& posts, const std::string& machine, int slot) {
  bool ok = posts.DeleteKey(machine, NameKey(slot));
  for (const std::string& key : posts.KeyNames(machine)) {
    if (IsLineKeyOf(key, slot)) ok = posts.DeleteKey(machine, key) && ok;
  }
  return ok;
}

int FirstFreeSlot(const ProfileFile& posts, const std::string& machine, int ownSlot) {
  for (int i = 1; i <= ListedMacroSlots; ++i) {
    if (i == ownSlot || SlotName(posts, machine, i) == MacroEnd) return i;
  }
  return 0;
}

}  // namespace

std::vector<std::string> ListMacros(const ProfileFile& posts, const std::string& machine) {
  std::vector<std::string> names;
  for (int i = 1; i <= ListedMacroSlots; ++i) {
    std::string name = SlotName(posts, machine, i);
    if (name != MacroEnd) names.push_back(name);
  }
  return names;
}

int FindMacroSlot(const ProfileFile& posts, const std::string& machine, const std::string& name) {
  for (int i = 1; i <= FoundMacroSlots; ++i) {
    if (SlotName(posts, machine, i) == name) return i;
  }
  return 0;
}

std::vector<std::string> ReadMacroLines(const ProfileFile& posts, const std::string& machine, int slot) {
  std::vector<std::string> lines;
  for (int j = 1;; ++j) {
    std::string line = posts.ReadString(machine, LineKey(slot, j), MacroEnd);
    if (line == MacroEnd) break;
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> FindMacroLines(const ProfileFile& posts, const std::string& machine, const std::string& name) {
  int slot = FindMacroSlot(posts, machine, name);
  return slot > 0 ? ReadMacroLines(posts, machine, slot) : std::vector<std::string>{};
}

bool DeleteMacro(ProfileFile& posts, const std::string& machine, const std::string& name) {
  int slot = FindMacroSlot(posts, machine, name);
  return slot == 0 || DeleteSlot(posts, machine, slot);
}

bool SaveMacro(ProfileFile& posts, const std::string& machine, const std::string& name,
               const std::vector<std::string>& lines) {
  int own = FindMacroSlot(posts, machine, name);
  int slot = FirstFreeSlot(posts, machine, own);
  if (slot == 0) return false;
  bool ok = true;
  if (own > 0) ok = DeleteSlot(posts, machine, own);
  // A second macro of the same name keeps its slot, as a fresh lookup would find it next.
  int again = FindMacroSlot(posts, machine, name);
  if (again > 0 && again <= ListedMacroSlots) slot = again;
  ok = DeleteSlot(posts, machine, slot) && ok;
  std::vector<std::pair<std::string, std::string>> keys = {{NameKey(slot), name}};
  for (size_t j = 0; j < lines.size(); ++j) keys.emplace_back(LineKey(slot, static_cast<int>(j) + 1), lines[j]);
  return posts.WriteStrings(machine, keys) && ok;
}

bool RenameMacro(ProfileFile& posts, const std::string& machine, const std::string& oldName, const std::string& newName,
                 const std::vector<std::string>& lines) {
  bool ok = DeleteMacro(posts, machine, oldName);
  return SaveMacro(posts, machine, newName, lines) && ok;
}

}  // namespace quill
