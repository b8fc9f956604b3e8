// The preferences file QUILLMAR.INI in the program home: the display, printing and NC-file preferences
// of section "DEFAULTS" and the recent projects of section "MRU".
#pragma once

#include <string>

namespace quill {

class Job;

inline constexpr const char* DefaultsSection = "DEFAULTS";
inline constexpr const char* RecentSection = "MRU";

// Keys of "DEFAULTS" that the NC-code generator reads and writes itself, with their defaults.
inline constexpr const char* ChatterToleranceKey = "CHATTOL";
inline constexpr const char* ChatterToleranceDefault = "0.001";
inline constexpr const char* MinimumRadiusKey = "MINRAD";
inline constexpr const char* MinimumRadiusDefault = "0.001";
inline constexpr const char* DefaultMachineKey = "DEFMCH";
inline constexpr const char* DefaultMachineDefault = "DMILL";
inline constexpr const char* StartupMacroKey = "DEFMAC1";
inline constexpr const char* StartupMacroDefault = "Startup";
inline constexpr const char* ShutdownMacroKey = "DEFMAC2";
inline constexpr const char* ShutdownMacroDefault = "Shutdown";

// Every preference of "DEFAULTS" into the job (TapeDir, the colours, display and printer options,
// the NC-file extension, the projection tolerance); missing or unreadable values give the defaults.
void ReadPreferences(Job& job);
// The eighteen preferences in their fixed order; a failure to write is not reported.
void WritePreferences(Job& job);

// The four recent projects, keys "0" to "3" (missing ones read as empty).
void ReadRecentSection(Job& job);
void WriteRecentSection(const Job& job);

// SOLIDV (default off) shows the Solid Model command; only then is SOLIDPATH read into SolidPath.
void ReadSolidViewer(Job& job);

}  // namespace quill
