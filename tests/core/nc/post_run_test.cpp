#include <gtest/gtest.h>

#include "nc/macro_expand.h"
#include "nc/nc_output.h"
#include "post_test_util.h"

namespace quill::test {
namespace {

TEST(PostRun, MacrosFrameTheProgram) {
  PostJob job;
  job.startup = {"|%", "G20", "", "T1M6"};
  job.shutdown = {"M30", "|%"};
  PostRun run;
  EXPECT_EQ(run.Post(job, {Rec(1, 1, 0, 0, 5)}),
            (Lines{"%", "N10G20", "N20", "N30T1M6", "N40G90", "N50G01X1.0Y0Z0F5.0", "N60M30", "%"}));
}

TEST(PostRun, ReadingStopsAtAnUnreadableCode) {
  PostRun run;
  EXPECT_EQ(run.Post(PlainMill(), {Rec(1, 1, 0, 0, 5), "garbage", Rec(1, 2, 0, 0, 5)}),
            (Lines{"G90", "G01X1.0Y0Z0F5.0"}));
  EXPECT_TRUE(run.ui.messages.empty());
}

TEST(PostRun, BadNumberStopsTheRunAndKeepsTheOldProgram) {
  PostRun run;
  test::WriteFile(run.dir.File("OUT.TAP"), "OLD PROGRAM\r\n");
  PostJob job;
  job.machine = PlainMill();
  run.Post(job, {Rec(1, 1, 0, 0, 5), "1 2.0 oops 0 5"});
  EXPECT_FALSE(run.result.ok);
  ASSERT_EQ(run.ui.messages.size(), 1u);
  EXPECT_EQ(run.ui.messages[0].text, "Invalid number in line 2 of the C/L File [" + run.dir.File("QUILLMAR.CL") + "]");
  EXPECT_EQ(test::ReadFile(run.dir.File("OUT.TAP")), "OLD PROGRAM\r\n");
}

// Programs run to millions of blocks and go to the file a large piece at a time: the pieces must join
// without a lost or doubled line, and a run that fails after some pieces went out still keeps the old file.
TEST(PostRun, AProgramLongerThanTheOutputBufferComesOutWhole) {
  constexpr int Moves = 60000;
  std::vector<std::string> records;
  for (int i = 0; i < Moves; ++i) records.push_back(Rec(1, i * 0.001, (i % 7) * 0.5, -0.01, 8));
  MachineDefinition m = PlainMill();
  m.SEQOUT = true;
  m.STARTSEQ = 5;
  PostRun run;
  Lines lines = run.Post(m, records);
  ASSERT_EQ(lines.size(), static_cast<size_t>(Moves + 1));
  EXPECT_EQ(run.result.blocks, Moves + 1);
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string number = "N" + std::to_string(5 * (i + 1));
    ASSERT_EQ(lines[i].compare(0, number.size(), number), 0) << lines[i];
    ASSERT_TRUE(lines[i][number.size()] == 'G' || lines[i][number.size()] == 'X') << lines[i];
  }
  EXPECT_EQ(lines.back(), "N300005X59.999Y1.0");

  test::WriteFile(run.dir.File("OUT.TAP"), "OLD PROGRAM\r\n");
  records.push_back("1 2.0 oops 0 5");
  run.Post(m, records);
  EXPECT_FALSE(run.result.ok);
  EXPECT_EQ(test::ReadFile(run.dir.File("OUT.TAP")), "OLD PROGRAM\r\n");
}

TEST(PostRun, FilesThatCannotBeOpened) {
  test::TempDir dir;
  TestUi ui;
  PostJob job;
  PostResult r = TranslateClFile(ui, dir.File("NONE.CL"), dir.File("OUT.TAP"), job);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(ui.Texts(), (Lines{"C/L File access error #2 [" + dir.File("NONE.CL") + "]"}));
  EXPECT_FALSE(test::FileExists(dir.File("OUT.TAP")));

  test::WriteFile(dir.File("A.CL"), "-999\r\n");
  for (const std::string& nc : {std::string(), dir.File("missing/OUT.TAP")}) {
    ui.messages.clear();
    EXPECT_FALSE(TranslateClFile(ui, dir.File("A.CL"), nc, job).ok);
    EXPECT_EQ(ui.Texts(), (Lines{"NC File creation error [" + nc + "]"}));
  }
}

TEST(PostRun, TheRotaryRadiusCarriesToTheNextRun) {
  PostRun run;
  run.Post(PlainMill(), {"5 2.5", "-999"});
  EXPECT_DOUBLE_EQ(run.result.rotaryRadius, 2.5);
  EXPECT_EQ(run.result.records, 1);
}

TEST(Macros, RegisterPromptsNameTheCharacterBefore) {
  TestUi ui;
  ui.inputs = {"1", "2"};
  RegisterPrompts prompts(ui);
  EXPECT_EQ(prompts.Fill("G0X#Y#"), "G0X1Y2");
  EXPECT_EQ(ui.inputPrompts, (Lines{"Enter Setting for Register -X-", "Enter Setting for Register -Y-"}));
  // The answer before a "#" names the next register, also across lines.
  ui.inputs = {"7", TestUi::CancelInput};
  EXPECT_EQ(prompts.Fill("#"), "7");
  EXPECT_EQ(prompts.Fill("#"), "0");
  EXPECT_EQ(ui.inputPrompts.back(), "Enter Setting for Register -7-");
}

TEST(Macros, UnattendedRunsTakeZeroWithoutAsking) {
  TestUi ui;
  ui.unattended = true;
  EXPECT_EQ(RegisterPrompts(ui).Fill("S#M3"), "S0M3");
  EXPECT_TRUE(ui.inputPrompts.empty());
}

TEST(Macros, InsertTextKeepsBarsAndEndsEveryLine) {
  TestUi ui;
  ui.inputs = {"5"};
  EXPECT_EQ(MacroInsertText(ui, {"|M30", "T#"}), "|M30\r\nT5\r\n");
}

}  // namespace
}  // namespace quill::test
