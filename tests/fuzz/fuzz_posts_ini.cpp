// Any bytes as the machine file QPOSTS.INI: its machine list, the definitions and macros of its first
// machines, a post-processor run of a small tool path for each and the NC self-check of what it wrote,
// the NC-code generator as its window starts it, and a write into the file that must read back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_machines.h"
#include "nc/check/nc_check.h"
#include "nc/machine_list.h"
#include "nc/macro_store.h"
#include "nc/nc_generator.h"
#include "nc/translate_cl.h"
#include "project/profile.h"

namespace {

constexpr size_t kMachinesTried = 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quill;
  fuzz::FuzzJob f(true);
  Job& job = f.job;
  job.paths.PostsIniFile = fuzz::InputFile("QPOSTS.INI", data, size);
  const std::string cl = job.paths.CLFileName;
  test::WriteFile(cl, fuzz::SmallToolPath());
  ProfileFile posts(job.paths.PostsIniFile);
  std::vector<std::string> names = ReadMachineList(posts);
  for (size_t i = 0; i < names.size() && i < kMachinesTried; ++i) {
    PostJob post;
    post.machine = ReadMachineDefinition(posts, names[i]);
    for (const std::string& macro : ListMacros(posts, names[i])) {
      std::vector<std::string> lines = FindMacroLines(posts, names[i], macro);
      (post.startup.empty() ? post.startup : post.shutdown) = lines;
    }
    const std::string nc = fuzz::Home().File("JOB.TAP");
    if (TranslateClFile(f.ui, cl, nc, post).ok) CheckNcProgram(nc, post.machine, cl);
  }
  NcGenerator generator(job);
  generator.Load();
  generator.SetNcFileName(fuzz::Home().File("GEN.TAP"));
  generator.Show();
  generator.Start();
  if (posts.WriteString("FUZZ MILL", "RAPCODE", "G00") && posts.ReadString("fuzz mill", "rapcode", "") != "G00") {
    __builtin_trap();
  }
  if (f.ui.busyDepth != 0) __builtin_trap();
  return 0;
}
