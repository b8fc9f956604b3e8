// Every bundled machine against its golden NC file.  QUILL_UPDATE_GOLDEN=1 writes them anew.
#include <gtest/gtest.h>

#include <cstdlib>

#include "nc/machine_list.h"
#include "nc/macro_store.h"
#include "post_test_util.h"
#include "project/profile.h"

namespace quill::test {
namespace {

std::string GoldenDir() {
  return test::SourceDir() + "/tests/core/nc/golden/";
}

std::string GoldenName(std::string machine) {
  for (char& c : machine) {
    if (c == ' ') c = '_';
  }
  return GoldenDir() + machine + ".nc";
}

TEST(PostGolden, EveryBundledMachine) {
  const ProfileFile posts(test::SourceDir() + "/data/machines/QPOSTS.INI");
  const std::vector<std::string> machines = ReadMachineList(posts);
  ASSERT_EQ(machines.size(), 12u);
  const bool update = std::getenv("QUILL_UPDATE_GOLDEN") != nullptr;
  test::TempDir dir;
  for (const std::string& name : machines) {
    TestUi ui;
    ui.unattended = true;
    PostJob job{ReadMachineDefinition(posts, name),
                {},
                FindMacroLines(posts, name, "Startup"),
                FindMacroLines(posts, name, "Shutdown")};
    PostResult r = TranslateClFile(ui, GoldenDir() + "JOB.CL", dir.File("OUT.NC"), job);
    ASSERT_TRUE(r.ok) << name;
    std::string actual = test::ReadFile(dir.File("OUT.NC"));
    if (update) test::WriteFile(GoldenName(name), actual);
    EXPECT_EQ(actual, test::ReadFile(GoldenName(name))) << name << ": differs from " << GoldenName(name);
    EXPECT_EQ(static_cast<size_t>(r.blocks), test::ReadLines(dir.File("OUT.NC")).size()) << name;
  }
}

}  // namespace
}  // namespace quill::test
