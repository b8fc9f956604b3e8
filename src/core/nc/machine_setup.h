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
  // Every key at the setup window's default for an absent key (the table in nc/machine_keys.cpp).
  MachineSetup();

  int machineType;   // item of "Machine Type" (MTYPE - 1); -1 none
  bool absolute;     // "Abs" (for a DXF file "Mill"), else "Incremental" ("Lathe")
  int format;        // 1 "Decimal", 2 "Leading Zeros", 3 "Trailing Zeros", 4 "Leading && Trailing"
  int feedFormat;
  int latheXFormat;  // item; -1 none
  int arcType;       // the checked "Arc Center Type" button 1 ... 6; 0 none
  int cutType;       // item of "Cutting Method"; -1 none
  bool invertX, invertY, redundant, modalG;
  bool sequenceNumbers, rectangular, feedDegreesPerMinute, programmableZ;
  // Text fields, exactly as typed.
  std::string digitsLeft, digitsRight, startSeq, feedDigitsRight, feedDigitsLeft;
  std::string rotaryDigits;
  std::string rapidCode, linearCode, cwCode, ccwCode;
  std::string rotaryRegister, linearRegister, depthRegister;
  std::string rotaryEnter, rotaryLeave, rotaryOrder, spindleUp, spindleDown;
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
