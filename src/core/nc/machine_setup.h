// The "NC-Code Generator Setup" window's model: a machine's keys as its controls show them, loaded with
// the window's own defaults and saved as typed, the controls each machine type enables, and the printed
// listing.
#pragma once

#include <string>
#include <vector>

namespace quill {

class ProfileFile;

inline constexpr const char* MachineTypeItems[] = {"Mill",       "Lathe",       "DXF File",
                                                   "Print File", "Bendix Mill", "EZ-Track"};
inline constexpr const char* LatheXFormatItems[] = {"Out 2\" Dia as X2.0", "Out 2\" Dia as X1.0",
                                                    "Out 2\" Dia as X-1.0", "Out 2\" Dia as X-2.0"};
inline constexpr const char* CutTypeItems[] = {"Normal X/Y", "Rotary - On Face", "Rotary - On Diameter"};

struct MachineSetup {
  int machineType = 0;   // item of "Machine Type" (MTYPE - 1); -1 none
  bool absolute = true;  // "Abs" (for a DXF file "Mill"), else "Incremental" ("Lathe")
  int format = 1;        // 1 "Decimal", 2 "Leading Zeros", 3 "Trailing Zeros", 4 "Leading && Trailing"
  int feedFormat = 1;
  int latheXFormat = 0;  // item; -1 none
  int arcType = 5;       // the checked "Arc Center Type" button 1 ... 6; 0 none
  int cutType = 0;       // item of "Cutting Method"; -1 none
  bool invertX = false, invertY = false, redundant = false, modalG = true;
  bool sequenceNumbers = true, rectangular = true, feedDegreesPerMinute = false, programmableZ = true;
  // Text fields, exactly as typed.
  std::string digitsLeft = "3", digitsRight = "4", startSeq = "10", feedDigitsRight = "2", feedDigitsLeft = "2";
  std::string rotaryDigits = "2";
  std::string rapidCode = "G00", linearCode = "G01", cwCode = "G02", ccwCode = "G03";
  std::string rotaryRegister = "B", linearRegister = "X", depthRegister = "Z";
  std::string rotaryEnter, rotaryLeave, rotaryOrder = "XYZABC", spindleUp, spindleDown;
};

MachineSetup LoadMachineSetup(const ProfileFile& posts, const std::string& name);

// OK: [Machine Names] rewritten from the (sorted) list, then every key of the machine written.
bool SaveMachineSetup(ProfileFile& posts, const std::string& name, const MachineSetup& setup,
                      const std::vector<std::string>& machineList);

// Which controls the machine type enables, and the captions that change with it.
struct SetupEnables {
  bool coordinateMode = true;
  bool formatControls = true;  // format, digits, arc centre type, the four codes, sequence numbers, feed digits
  bool latheXFormat = false;
  bool modalG = true;
  bool spindleCodes = false;  // only without a programmable Z
  std::string coordinateCaption = "Coordinate Mode", absCaption = "Abs", incCaption = "Incremental";
  std::string redundantCaption = "Output Redundant Positions";
};
SetupEnables SetupEnablesFor(const MachineSetup& setup);

// The "Print" button's listing, one printed line each.
std::vector<std::string> MachineListingLines(const std::string& name, const MachineSetup& setup);

}  // namespace quill
