#include "nc/machine_list.h"

#include <algorithm>

#include "project/profile.h"

namespace quill {

namespace {

// NUMBER comes from a file anyone may edit; no shop has more machines than this.
constexpr int MaxMachineSlots = 1000;
constexpr int DefaultMachineSlots = 20;

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Lower(x) < Lower(y); });
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string SlotKey(int i) {
  return "Machine" + std::to_string(i);
}

}  // namespace

bool IsMachineSlotUsed(const std::string& value) {
  return !value.empty() && !EqualIgnoringCase(value.substr(0, 8), "Not Used");
}

std::vector<std::string> ReadMachineList(const ProfileFile& posts) {
  int count = std::min(posts.ReadInt(MachineNamesSection, "NUMBER", DefaultMachineSlots), MaxMachineSlots);
  std::vector<std::string> names;
  for (int i = 1; i <= count; ++i) {
    std::string name = posts.ReadString(MachineNamesSection, SlotKey(i), "Not Used");
    if (IsMachineSlotUsed(name)) names.push_back(name);
  }
  return names;
}

std::vector<std::string> SortedMachineNames(std::vector<std::string> names) {
  std::stable_sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

int FindMachine(const std::vector<std::string>& names, const std::string& name) {
  for (size_t i = 0; i < names.size(); ++i) {
    if (EqualIgnoringCase(names[i], name)) return static_cast<int>(i);
  }
  return -1;
}

bool WriteMachineList(ProfileFile& posts, const std::vector<std::string>& names) {
  std::vector<std::pair<std::string, std::string>> keys;
  for (size_t i = 0; i < names.size(); ++i) keys.emplace_back(SlotKey(static_cast<int>(i) + 1), names[i]);
  keys.emplace_back("NUMBER", std::to_string(names.size()));
  return posts.WriteStrings(MachineNamesSection, keys);
}

}  // namespace quill
