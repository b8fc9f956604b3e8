// The list of machines in section [Machine Names] of QPOSTS.INI.
#pragma once

#include <string>
#include <vector>

namespace quill {

class ProfileFile;

inline constexpr const char* MachineNamesSection = "Machine Names";

// A slot names a machine when it is not empty and does not start with "Not Used" in any case.
bool IsMachineSlotUsed(const std::string& value);

// The machines of slots 1 ... NUMBER in slot order.
std::vector<std::string> ReadMachineList(const ProfileFile& posts);

// The list as the machine name boxes show it: alphabetical without regard to case.
std::vector<std::string> SortedMachineNames(std::vector<std::string> names);

// The index of name in names, compared without regard to case as section names are; -1 when absent.
int FindMachine(const std::vector<std::string>& names, const std::string& name);

// Rewrites Machine1 ... Machine<k> and NUMBER = k; slots above k stay in the file, unread.
bool WriteMachineList(ProfileFile& posts, const std::vector<std::string>& names);

}  // namespace quill
