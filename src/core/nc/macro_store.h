// NC-code macros stored in a machine's section of QPOSTS.INI: M<i>N holds the name of the macro in slot i,
// M<i>L1, M<i>L2 ... its lines.  An absent key reads as "NOMORE", which marks a free slot or the end of
// the lines.
#pragma once

#include <string>
#include <vector>

namespace quill {

class ProfileFile;

inline constexpr const char* MacroEnd = "NOMORE";
inline constexpr int ListedMacroSlots = 50;  // lists show, and new macros go into, slots 1 ... 50
inline constexpr int FoundMacroSlots = 100;  // lookups by name search slots 1 ... 100

// The names of slots 1 ... 50 that hold a macro, in slot order.
std::vector<std::string> ListMacros(const ProfileFile& posts, const std::string& machine);

// The slot of the first macro of exactly that name (case-sensitive); 0 when there is none.
int FindMacroSlot(const ProfileFile& posts, const std::string& machine, const std::string& name);

// The lines of a slot, up to the first absent or "NOMORE" line.
std::vector<std::string> ReadMacroLines(const ProfileFile& posts, const std::string& machine, int slot);

// The lines of the macro of that name; empty when there is none.
std::vector<std::string> FindMacroLines(const ProfileFile& posts, const std::string& machine, const std::string& name);

// Removes the macro of that name: its name key and every line key of its slot.
bool DeleteMacro(ProfileFile& posts, const std::string& machine, const std::string& name);

// Stores a macro in place of the stored one of the same name, else in the first free slot of 1 ... 50.
// False, with nothing changed, when every slot is taken.
bool SaveMacro(ProfileFile& posts, const std::string& machine, const std::string& name,
               const std::vector<std::string>& lines);

// Deletes the macro oldName and saves the lines under newName.
bool RenameMacro(ProfileFile& posts, const std::string& machine, const std::string& oldName, const std::string& newName,
                 const std::vector<std::string>& lines);

}  // namespace quill
