#include "nc/machine_keys.h"

namespace quill {

namespace {

using D = MachineDefinition;
using S = MachineSetup;

constexpr int ItemOrNone(int value, int count) { return value >= 0 && value < count ? value : -1; }

// The four number formats are buttons 1 to 4; anything else shows as the first.
constexpr int FormatButton(int value) { return value >= 2 && value <= 4 ? value : 1; }
constexpr int Same(int value) { return value; }

// Rows by shape.
constexpr MachineKey Choice(const char* key, int def, int D::*d, int S::*s, int (*shown)(int), int (*saved)(int),
                            const char* follows = nullptr) {
  return {.key = key, .shape = KeyShape::Choice, .number = def, .follows = follows, .shown = shown,
          .saved = saved, .definition = d, .setup = s};
}
constexpr MachineKey Flag(const char* key, int def, bool D::*d, bool S::*s, const char* control, bool anyNonZero) {
  return {.key = key, .shape = KeyShape::Flag, .number = def, .anyNonZero = anyNonZero, .control = control,
          .definition = d, .setup = s};
}
constexpr MachineKey Number(const char* key, int def, int D::*d, std::string S::*s, const char* control) {
  return {.key = key, .shape = KeyShape::Number, .number = def, .control = control, .definition = d, .setup = s};
}
constexpr MachineKey Text(const char* key, const char* def, std::string D::*d, std::string S::*s,
                          const char* control) {
  return {.key = key, .shape = KeyShape::Text, .text = def, .control = control, .definition = d, .setup = s};
}

// The order is the order the setup window writes the keys.
const MachineKey kKeys[] = {
    Choice("MTYPE", MachMill, &D::MTYPE, &S::machineType, [](int v) { return ItemOrNone(v - 1, 6); },
           [](int item) { return item + 1; }),
    // The coordinate mode is shown as Abs (1) or Incremental (2); for a DXF file as Mill or Lathe.
    {.key = "ABSINC", .shape = KeyShape::Choice, .number = 1, .shown = [](int v) { return v == 1 ? 1 : 0; },
     .saved = [](int abs) { return abs ? 1 : 2; }, .definition = &D::ABSINC, .setup = &S::absolute},
    Choice("FORMAT", 1, &D::FORMAT, &S::format, FormatButton, FormatButton),
    Choice("FFORMAT", 1, &D::FFORMAT, &S::feedFormat, FormatButton, FormatButton, "FORMAT"),
    Choice("LXFORMAT", 3, &D::LXFORMAT, &S::latheXFormat, [](int v) { return ItemOrNone(v, 4); }, Same),
    Choice("ARCTYPE", ArcRadius, &D::ARCTYPE, &S::arcType, [](int v) { return v >= 1 && v <= 5 ? v : 6; },
           [](int button) { return button >= 1 && button <= 6 ? button : static_cast<int>(ArcRadius); }),
    Choice("CUTTYPE", CutNormal, &D::CUTTYPE, &S::cutType, [](int v) { return ItemOrNone(v, 3); }, Same),
    Flag("BINVX", 0, &D::BINVX, &S::invertX, "BinvX", true),
    Flag("BINVY", 0, &D::BINVY, &S::invertY, "BinvY", true),
    Flag("REDUN", 0, &D::REDUN, &S::redundant, "Bred", true),
    Flag("MODALG", 1, &D::MODALG, &S::modalG, "BmodalG", true),
    Flag("SEQOUT", 1, &D::SEQOUT, &S::sequenceNumbers, "Bseq", false),
    Flag("ROTRECT", 1, &D::ROTRECT, &S::rectangular, "Brotrect", false),
    Flag("FEEDDPM", 0, &D::FEEDDPM, &S::feedDegreesPerMinute, "CBfeeddpm", false),
    Flag("B3AXIS", 1, &D::B3AXIS, &S::programmableZ, "CB3axis", false),
    Number("DIGL", 3, &D::DIGL, &S::digitsLeft, "Digl"),
    Number("DIGR", 4, &D::DIGR, &S::digitsRight, "Digr"),
    Number("STARTSEQ", 10, &D::STARTSEQ, &S::startSeq, "StartSeq"),
    Number("FDIGITS", 2, &D::FDIGITS, &S::feedDigitsRight, "FeedDigits"),
    {.key = "FDIGL", .shape = KeyShape::Number, .number = 3, .follows = "DIGL", .setupDefault = "2",
     .control = "EFdigl", .definition = &D::FDIGL, .setup = &S::feedDigitsLeft},
    Number("ROTDIGR", 2, &D::ROTDIGR, &S::rotaryDigits, "Rdigr"),
    Text("RAPCODE", "G00", &D::RAPCODE, &S::rapidCode, "RapCode"),
    Text("LINCODE", "G01", &D::LINCODE, &S::linearCode, "Lincode"),
    Text("CWCODE", "G02", &D::CWCODE, &S::cwCode, "CWcode"),
    Text("CCWCODE", "G03", &D::CCWCODE, &S::ccwCode, "CCwcode"),
    {.key = "ROTROTREG", .shape = KeyShape::Text, .text = "C", .setupDefault = "B", .control = "Rotreg",
     .definition = &D::ROTROTREG, .setup = &S::rotaryRegister},
    Text("ROTLINREG", "X", &D::ROTLINREG, &S::linearRegister, "Linreg"),
    Text("ROTDEEPREG", "Z", &D::ROTDEEPREG, &S::depthRegister, "DeepReg"),
    Text("ROTENTER", "", &D::ROTENTER, &S::rotaryEnter, "Rotenter"),
    Text("ROTLEAVE", "", &D::ROTLEAVE, &S::rotaryLeave, "Rotleave"),
    Text("ROTORDER", "XYZABC", &D::ROTORDER, &S::rotaryOrder, "Rotorder"),
    Text("ZUPSTR", "", &D::ZUPSTR, &S::spindleUp, "EdZupstr"),
    Text("ZDNSTR", "", &D::ZDNSTR, &S::spindleDown, "EdZdnstr"),
};

}  // namespace

std::span<const MachineKey> MachineKeys() { return kKeys; }

}  // namespace quill
