// The run-length codes of ITU-T T.4 (white and black terminating and make-up codes, the extended make-up
// codes both colours share) and the two-dimensional mode codes of T.4/T.6, with the lookup tables the
// decoders use, built once from them.
#pragma once

#include <cstdint>

namespace quill::tiff {

struct RunCode {
  uint16_t run;
  uint16_t code;  // right-aligned bits
  uint8_t bits;
};

// Terminating codes (run 0 to 63) and make-up codes (64 to 1728 step 64, then 1792 to 2560 step 64),
// indexed by run for terminating codes and by run / 64 + 63 for make-up codes.
constexpr int kRunCodeCount = 64 + 40;
extern const RunCode kWhiteCodes[kRunCodeCount];
extern const RunCode kBlackCodes[kRunCodeCount];
const RunCode& RunCodeFor(const RunCode* table, uint32_t run);  // run < 64 or a multiple of 64 up to 2560

constexpr uint32_t kEolCode = 1;  // 000000000001
constexpr int kEolBits = 12;

// Decoding: a run table is indexed by the next kWhiteLookupBits / kBlackLookupBits bits.
enum RunKind : uint8_t { kRunInvalid = 0, kRunTerminating, kRunMakeup, kRunEol };
struct RunEntry {
  uint16_t run;
  uint8_t bits;
  uint8_t kind;
};
constexpr int kWhiteLookupBits = 12;
constexpr int kBlackLookupBits = 13;
const RunEntry* WhiteRunTable();
const RunEntry* BlackRunTable();

// Two-dimensional modes, looked up by the next 7 bits.
enum Mode : uint8_t { kModeInvalid = 0, kPass, kHorizontal, kV0, kVR1, kVR2, kVR3, kVL1, kVL2, kVL3, kExtension };
struct ModeEntry {
  uint8_t mode;
  uint8_t bits;
};
constexpr int kModeLookupBits = 7;
const ModeEntry* ModeTable();

struct ModeCode {
  uint8_t code;
  uint8_t bits;
};
ModeCode ModeCodeFor(Mode mode);

}  // namespace quill::tiff
