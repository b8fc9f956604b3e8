// The unattended runs' progress bar: drawn in place on a terminal, never in a log or a pipe, and out of
// the way of the messages.
#include "ui/terminal_progress.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ui/batch_ui.h"

namespace quill {
namespace {

// What was written to a stream.
std::string Written(std::FILE* f) {
  std::string out;
  std::rewind(f);
  for (int c; (c = std::fgetc(f)) != EOF;) out += static_cast<char>(c);
  return out;
}

TEST(TerminalProgress, ABarRedrawnAsTheShareGrows) {
  std::FILE* f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  TerminalProgress bar(f, true);
  bar.Begin("Processing Entities ...", 1000);
  for (long p : {0L, 1L, 2L, 500L, 505L, 2000L}) bar.Step(p);  // beyond the end counts as the end
  bar.End();
  bar.End();
  const std::string dots(30, '.'), half = std::string(15, '#') + std::string(15, '.');
  EXPECT_EQ(Written(f), "\rProcessing Entities ... [" + dots + "]   0%" + "\rProcessing Entities ... [" + half +
                            "]  50%" + "\rProcessing Entities ... [" + std::string(30, '#') + "] 100%\n");
  std::fclose(f);
}

TEST(TerminalProgress, NothingWhereNoTerminalOrNoMaximum) {
  std::FILE* f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  TerminalProgress log(f, false);
  log.Begin("Scan", 100);
  log.Step(50);
  log.End();
  EXPECT_EQ(Written(f), "");
  TerminalProgress bar(f, true);
  bar.Begin("Scan", 0);
  bar.Step(-5);
  bar.Step(3);
  EXPECT_TRUE(bar.MidLine());
  EXPECT_EQ(Written(f), "\rScan [" + std::string(30, '.') + "]   0%\rScan [" + std::string(30, '#') + "] 100%");
  std::fclose(f);
}

// The unattended Ui writes to a log here: its messages come out as before, without a bar.
TEST(TerminalProgress, BatchMessagesInALogHaveNoBar) {
  std::FILE* f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  {
    BatchUi ui(f);
    ui.ProgressBegin("Unix File Translation", 100);
    ui.ProgressStep(40);
    ui.Error("Font File [X.QXF] Does not exist");
    ui.ProgressEnd();
  }
  EXPECT_EQ(Written(f), "QUILLMARK: Font File [X.QXF] Does not exist\n");
  std::fclose(f);
}

}  // namespace
}  // namespace quill
