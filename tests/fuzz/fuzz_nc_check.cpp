// Any bytes as an NC program for a machine of the bundled file (every dialect in turn): the NC
// self-check reads it alone and against a small tool path; it must end with a report.
#include <cstddef>
#include <cstdint>

#include "fuzz_machines.h"
#include "nc/check/nc_check.h"
#include "test_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quill;
  const std::string nc = fuzz::InputFile("JOB.TAP", data, size);
  static const std::string cl = [] {
    std::string path = fuzz::Home().File("SMALL.CL");
    test::WriteFile(path, fuzz::SmallToolPath());
    return path;
  }();
  MachineDefinition machine = ReadMachineDefinition(fuzz::BundledMachines(), fuzz::PickMachine(data, size));
  CheckNcProgram(nc, machine, "");
  CheckNcProgram(nc, machine, cl);
  return 0;
}
