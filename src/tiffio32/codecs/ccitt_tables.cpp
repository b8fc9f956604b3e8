// T.4 and T.6 code tables, transcribed from the recommendations.
#include "codecs/ccitt_tables.h"

#include <array>

namespace quill::tiff {

const RunCode kWhiteCodes[kRunCodeCount] = {
    {0, 0x35, 8},     {1, 0x07, 6},     {2, 0x07, 4},     {3, 0x08, 4},     {4, 0x0B, 4},     {5, 0x0C, 4},
    {6, 0x0E, 4},     {7, 0x0F, 4},     {8, 0x13, 5},     {9, 0x14, 5},     {10, 0x07, 5},    {11, 0x08, 5},
    {12, 0x08, 6},    {13, 0x03, 6},    {14, 0x34, 6},    {15, 0x35, 6},    {16, 0x2A, 6},    {17, 0x2B, 6},
    {18, 0x27, 7},    {19, 0x0C, 7},    {20, 0x08, 7},    {21, 0x17, 7},    {22, 0x03, 7},    {23, 0x04, 7},
    {24, 0x28, 7},    {25, 0x2B, 7},    {26, 0x13, 7},    {27, 0x24, 7},    {28, 0x18, 7},    {29, 0x02, 8},
    {30, 0x03, 8},    {31, 0x1A, 8},    {32, 0x1B, 8},    {33, 0x12, 8},    {34, 0x13, 8},    {35, 0x14, 8},
    {36, 0x15, 8},    {37, 0x16, 8},    {38, 0x17, 8},    {39, 0x28, 8},    {40, 0x29, 8},    {41, 0x2A, 8},
    {42, 0x2B, 8},    {43, 0x2C, 8},    {44, 0x2D, 8},    {45, 0x04, 8},    {46, 0x05, 8},    {47, 0x0A, 8},
    {48, 0x0B, 8},    {49, 0x52, 8},    {50, 0x53, 8},    {51, 0x54, 8},    {52, 0x55, 8},    {53, 0x24, 8},
    {54, 0x25, 8},    {55, 0x58, 8},    {56, 0x59, 8},    {57, 0x5A, 8},    {58, 0x5B, 8},    {59, 0x4A, 8},
    {60, 0x4B, 8},    {61, 0x32, 8},    {62, 0x33, 8},    {63, 0x34, 8},    {64, 0x1B, 5},    {128, 0x12, 5},
    {192, 0x17, 6},   {256, 0x37, 7},   {320, 0x36, 8},   {384, 0x37, 8},   {448, 0x64, 8},   {512, 0x65, 8},
    {576, 0x68, 8},   {640, 0x67, 8},   {704, 0xCC, 9},   {768, 0xCD, 9},   {832, 0xD2, 9},   {896, 0xD3, 9},
    {960, 0xD4, 9},   {1024, 0xD5, 9},  {1088, 0xD6, 9},  {1152, 0xD7, 9},  {1216, 0xD8, 9},  {1280, 0xD9, 9},
    {1344, 0xDA, 9},  {1408, 0xDB, 9},  {1472, 0x98, 9},  {1536, 0x99, 9},  {1600, 0x9A, 9},  {1664, 0x18, 6},
    {1728, 0x9B, 9},  {1792, 0x08, 11}, {1856, 0x0C, 11}, {1920, 0x0D, 11}, {1984, 0x12, 12}, {2048, 0x13, 12},
    {2112, 0x14, 12}, {2176, 0x15, 12}, {2240, 0x16, 12}, {2304, 0x17, 12}, {2368, 0x1C, 12}, {2432, 0x1D, 12},
    {2496, 0x1E, 12}, {2560, 0x1F, 12},
};

const RunCode kBlackCodes[kRunCodeCount] = {
    {0, 0x37, 10},    {1, 0x02, 3},     {2, 0x03, 2},     {3, 0x02, 2},     {4, 0x03, 3},     {5, 0x03, 4},
    {6, 0x02, 4},     {7, 0x03, 5},     {8, 0x05, 6},     {9, 0x04, 6},     {10, 0x04, 7},    {11, 0x05, 7},
    {12, 0x07, 7},    {13, 0x04, 8},    {14, 0x07, 8},    {15, 0x18, 9},    {16, 0x17, 10},   {17, 0x18, 10},
    {18, 0x08, 10},   {19, 0x67, 11},   {20, 0x68, 11},   {21, 0x6C, 11},   {22, 0x37, 11},   {23, 0x28, 11},
    {24, 0x17, 11},   {25, 0x18, 11},   {26, 0xCA, 12},   {27, 0xCB, 12},   {28, 0xCC, 12},   {29, 0xCD, 12},
    {30, 0x68, 12},   {31, 0x69, 12},   {32, 0x6A, 12},   {33, 0x6B, 12},   {34, 0xD2, 12},   {35, 0xD3, 12},
    {36, 0xD4, 12},   {37, 0xD5, 12},   {38, 0xD6, 12},   {39, 0xD7, 12},   {40, 0x6C, 12},   {41, 0x6D, 12},
    {42, 0xDA, 12},   {43, 0xDB, 12},   {44, 0x54, 12},   {45, 0x55, 12},   {46, 0x56, 12},   {47, 0x57, 12},
    {48, 0x64, 12},   {49, 0x65, 12},   {50, 0x52, 12},   {51, 0x53, 12},   {52, 0x24, 12},   {53, 0x37, 12},
    {54, 0x38, 12},   {55, 0x27, 12},   {56, 0x28, 12},   {57, 0x58, 12},   {58, 0x59, 12},   {59, 0x2B, 12},
    {60, 0x2C, 12},   {61, 0x5A, 12},   {62, 0x66, 12},   {63, 0x67, 12},   {64, 0x0F, 10},   {128, 0xC8, 12},
    {192, 0xC9, 12},  {256, 0x5B, 12},  {320, 0x33, 12},  {384, 0x34, 12},  {448, 0x35, 12},  {512, 0x6C, 13},
    {576, 0x6D, 13},  {640, 0x4A, 13},  {704, 0x4B, 13},  {768, 0x4C, 13},  {832, 0x4D, 13},  {896, 0x72, 13},
    {960, 0x73, 13},  {1024, 0x74, 13}, {1088, 0x75, 13}, {1152, 0x76, 13}, {1216, 0x77, 13}, {1280, 0x52, 13},
    {1344, 0x53, 13}, {1408, 0x54, 13}, {1472, 0x55, 13}, {1536, 0x5A, 13}, {1600, 0x5B, 13}, {1664, 0x64, 13},
    {1728, 0x65, 13}, {1792, 0x08, 11}, {1856, 0x0C, 11}, {1920, 0x0D, 11}, {1984, 0x12, 12}, {2048, 0x13, 12},
    {2112, 0x14, 12}, {2176, 0x15, 12}, {2240, 0x16, 12}, {2304, 0x17, 12}, {2368, 0x1C, 12}, {2432, 0x1D, 12},
    {2496, 0x1E, 12}, {2560, 0x1F, 12},
};

const RunCode& RunCodeFor(const RunCode* table, uint32_t run) {
  return table[run < 64 ? run : run / 64 + 63];
}

namespace {

template <int Bits>
std::array<RunEntry, 1 << Bits> BuildRunTable(const RunCode* codes) {
  std::array<RunEntry, 1 << Bits> table{};
  auto fill = [&table](uint32_t code, int bits, RunEntry entry) {
    uint32_t first = code << (Bits - bits);
    for (uint32_t i = 0; i < (1u << (Bits - bits)); ++i) table[first + i] = entry;
  };
  for (int i = 0; i < kRunCodeCount; ++i) {
    uint8_t kind = i < 64 ? kRunTerminating : kRunMakeup;
    fill(codes[i].code, codes[i].bits, RunEntry{codes[i].run, codes[i].bits, kind});
  }
  fill(kEolCode, kEolBits, RunEntry{0, kEolBits, kRunEol});
  return table;
}

struct ModeCodeDef {
  Mode mode;
  uint8_t code;
  uint8_t bits;
};
constexpr ModeCodeDef kModeCodes[] = {
    {kPass, 0x1, 4}, {kHorizontal, 0x1, 3}, {kV0, 0x1, 1},  {kVR1, 0x3, 3}, {kVR2, 0x3, 6},
    {kVR3, 0x3, 7},  {kVL1, 0x2, 3},        {kVL2, 0x2, 6}, {kVL3, 0x2, 7}, {kExtension, 0x1, 7},
};

}  // namespace

const RunEntry* WhiteRunTable() {
  static const auto table = BuildRunTable<kWhiteLookupBits>(kWhiteCodes);
  return table.data();
}

const RunEntry* BlackRunTable() {
  static const auto table = BuildRunTable<kBlackLookupBits>(kBlackCodes);
  return table.data();
}

const ModeEntry* ModeTable() {
  static const auto table = [] {
    std::array<ModeEntry, 1 << kModeLookupBits> t{};
    for (const ModeCodeDef& d : kModeCodes) {
      uint32_t first = uint32_t{d.code} << (kModeLookupBits - d.bits);
      for (uint32_t i = 0; i < (1u << (kModeLookupBits - d.bits)); ++i) t[first + i] = ModeEntry{d.mode, d.bits};
    }
    return t;
  }();
  return table.data();
}

ModeCode ModeCodeFor(Mode mode) {
  for (const ModeCodeDef& d : kModeCodes) {
    if (d.mode == mode) return ModeCode{d.code, d.bits};
  }
  return ModeCode{0, 0};
}

}  // namespace quill::tiff
