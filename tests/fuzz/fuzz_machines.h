// The bundled machine file and a small tool path of every kind of record, for the NC harnesses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_job.h"
#include "nc/machine_list.h"
#include "project/profile.h"
#include "records/cl_record.h"

namespace quill::fuzz {

inline const ProfileFile& BundledMachines() {
  static const ProfileFile posts(DataDir() + "machines/QPOSTS.INI");
  return posts;
}

// A machine of the bundled file picked by the input's last byte, so that every dialect gets its turn.
inline std::string PickMachine(const uint8_t* data, size_t size) {
  static const std::vector<std::string> names = ReadMachineList(BundledMachines());
  if (names.empty()) __builtin_trap();
  return names[size == 0 ? 0 : data[size - 1] % names.size()];
}

// Rotary radius, rapid, feed, both arcs, a drilling cycle and its end, text, reset, end of data.
inline const std::string& SmallToolPath() {
  static const std::string cl = [] {
    std::string text = "5 0.5\r\n";
    for (const std::string& r :
         {FormatClRecord(0, 0, 0, 0.1, 0), FormatClRecord(1, 0, 0, -0.01, 5), FormatClRecord(1, 1, 0, -0.01, 10),
          FormatClRecord(3, 1, 1, -0.01, 10, 1, 0.5), FormatClRecord(2, 0, 1, -0.01, 10, 0.5, 1),
          std::string("81 1.0 1.0 -0.05 5.0 0.1 0.02"), FormatClRecord(80, 1, 1, 0.1, 0),
          std::string("900 (NOTE)"), std::string("901 Reset Home"), FormatClRecord(0, 0, 0, 0.1, 0)}) {
      text += r + "\r\n";
    }
    return text + "-999\r\n";
  }();
  return cl;
}

}  // namespace quill::fuzz
