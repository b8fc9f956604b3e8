// LinuxCNC's standalone interpreter reads the DMILL programs back: it must accept them, and its
// canonical moves must follow the points of the tool path.  scripts/get-rs274.sh provides it.
#include <gtest/gtest.h>

#include "records/cl_record.h"
#include "rs274.h"
#include "test_support.h"

namespace quill::test {
namespace {

TEST_F(Interpreter, SampleProjectRun) {
  TempDir home, outside;
  WriteFile(dir.File("SAMPLE.QLM"), ReadFile(SourceDir() + "/data/samples/SAMPLE.QLM"));
  RunResult r = RunProgram({BinaryDir() + "/quillpro2008", "--home", home.path(), "SAMPLE.QLM", "-r"}, dir.path(),
                           {"QUILLMARK_HOME=", "XDG_CONFIG_HOME=" + outside.path()});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  ExpectAcceptedAndFollowing(dir.File("SAMPLE.TAP"), home.File("QUILLMAR.CL"));
}

TEST_F(Interpreter, ArcsOfEveryKind) {
  const std::vector<std::string> records = {
      "5 0.0",
      FormatClRecord(0, 1, 0, 0.1, 0),
      FormatClRecord(1, 1, 0, -0.01, 4),
      FormatClRecord(3, 0, 1, -0.01, 8, 0, 0),            // a quarter counter-clockwise
      FormatClRecord(2, 1, 0, -0.01, 8, 0, 0),            // three quarters clockwise: negative R
      FormatClRecord(3, 1, 0, -0.01, 8, 0.5, 0),          // a full circle
      FormatClRecord(2, 0, 0, -0.01, 8, 0.5, 0),          // half a turn
      FormatClRecord(3, 0.0004, 0, -0.01, 8, 0.0002, 0),  // too small for an arc
      "900 (NEXT)",
      "901 Reset Home",
      FormatClRecord(0, 0.0004, 0, 0.1, 0),
      "-999"};
  std::string cl;
  for (const auto& r : records) cl += r + "\r\n";
  WriteFile(dir.File("ARCS.CL"), cl);
  RunResult r = RunProgram(
      {BinaryDir() + "/quill", "post", "--home", dir.File("home"), "ARCS.CL", "ARCS.ngc", "--machine", "DMILL"},
      dir.path(), {"QUILLMARK_HOME=", "XDG_CONFIG_HOME=" + dir.File("config")});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  ExpectAcceptedAndFollowing(dir.File("ARCS.ngc"), dir.File("ARCS.CL"));
}

}  // namespace
}  // namespace quill::test
