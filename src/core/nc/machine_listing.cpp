// The setup window's printed listing of a machine.
#include "nc/machine_setup.h"

namespace quill {

namespace {

constexpr const char* FormatNames[] = {"Decimal", "Leading Zeros", "Trailing Zeros", "Leading/Trailing Zeros"};
constexpr const char* ArcTypeNames[] = {"Distance From Tool to Arc Center", "Distance From Arc Center to Tool",
                                        "Un-Signed Incremental Distance",   "Absolute Arc Center Coordinates ",
                                        "Radius of Arc \"R\" Values ",      "Use Linear Moves for Arcs "};

template <size_t N>
std::string Item(const char* const (&items)[N], int index) {
  return index >= 0 && static_cast<size_t>(index) < N ? items[index] : "";
}

class Listing {
 public:
  void Add(const std::string& label, const std::string& value) {
    std::string line = label;
    if (line.size() < 31) line.append(31 - line.size(), ' ');
    lines.push_back(line + ": " + value);
  }
  void Flag(const std::string& label, bool on) { Add(label, on ? "TRUE" : "FALSE"); }
  std::vector<std::string> lines;
};

void RotaryLines(Listing& l, const MachineSetup& s) {
  l.Add("Rotary Axis Register", s.rotaryRegister);
  l.Add("Linear Axis Register", s.linearRegister);
  l.Add("Cut Depth Axis Register", s.depthRegister);
  l.Add("Rotary Digits Right of Decimal", s.rotaryDigits);
  l.Add("Codes to Enter Rotary Mode", s.rotaryEnter);
  l.Add("Codes to Leave Rotary Mode", s.rotaryLeave);
  l.Add("Register Output Order (Rotary)", s.rotaryOrder);
  l.lines.push_back(s.rectangular ? "Cutting in Rectangular Coordinates" : "Cutting in Polar Coordinates");
  l.lines.push_back(s.feedDegreesPerMinute ? "Feed Rate in Degrees Per Minute" : "Feed Rate in Inches Per Minute");
}

void CodeLines(Listing& l, const MachineSetup& s) {
  l.Add("Coordinate Mode", s.absolute ? "Absolute" : "Incremental");
  l.Add("Number Format", Item(FormatNames, s.format - 1));
  l.Add("Digits Left of The Decimal", s.digitsLeft);
  l.Add("Digits Right of The Decimal", s.digitsRight);
  if (s.machineType == 1) l.Add("Lathe -X- Format", Item(LatheXFormatItems, s.latheXFormat));
  l.Flag("Invert -X-", s.invertX);
  l.Flag("Invert -Y-", s.invertY);
  l.Add("-G- Code For Rapid", s.rapidCode);
  l.Add("-G- Code For Linear", s.linearCode);
  l.Add("-G- Code For Clockwise", s.cwCode);
  l.Add("-G- Code For Counter Clockwise", s.ccwCode);
  l.Add("Arc Center Type", Item(ArcTypeNames, s.arcType - 1));
  l.Flag("Output Redundant Positions", s.redundant);
  l.Flag("-G- Codes are Modal", s.modalG);
  l.Flag("Output Sequence Numbers", s.sequenceNumbers);
  if (s.sequenceNumbers) l.Add("Starting Sequence Number", s.startSeq);
  l.Add("Feed Number Format", Item(FormatNames, s.feedFormat - 1));
  l.Add("Feed Digits Left of Decimal", s.feedDigitsLeft);
  l.Add("Feed Digits Right of Decimal", s.feedDigitsRight);
  l.Add("Cutting Method", Item(CutTypeItems, s.cutType));
  if (s.cutType != 0) RotaryLines(l, s);
  l.Add("Machine Has Programmable -Z-", s.programmableZ ? "Yes" : "No");
  if (!s.programmableZ) {
    l.Add("Codes For Spindle -Up-", s.spindleUp);
    l.Add("Codes For Spindle -Down-", s.spindleDown);
  }
}

}  // namespace

std::vector<std::string> MachineListingLines(const std::string& name, const MachineSetup& s) {
  Listing l;
  l.lines.push_back("****** Settings for Machine [" + name + "] *******");
  l.lines.push_back(" ");
  l.Add("Machine Type", Item(MachineTypeItems, s.machineType));
  if (s.machineType == 2) {
    l.Add("DXF File Orientation", s.absolute ? "Mill" : "Lathe");
    l.Add("DXF File Coordinates", s.redundant ? "3D" : "2D");
  } else if (s.machineType == 3) {
    l.lines.push_back("  -- No Additional Settings --");
  } else {
    CodeLines(l, s);
  }
  return l.lines;
}

}  // namespace quill
