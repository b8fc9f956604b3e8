// Whole runs of the text layout on small hand-made engraving fonts and on an installed TrueType face.
#include "textpath/generate_text_path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "job/job.h"
#include "records/textpath_record.h"
#include "test_support.h"
#include "textpath/text_path_session.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

// A compiled font record: int16 kind, int16 value, five float32, little-endian.
void PutRecord(std::string& f, int16_t kind, int16_t value, float x = 0, float y = 0, float r = 0, float cx = 0,
               float cy = 0) {
  char buf[24];
  std::memcpy(buf, &kind, 2);
  std::memcpy(buf + 2, &value, 2);
  float v[5] = {x, y, r, cx, cy};
  std::memcpy(buf + 4, v, 20);
  f.append(buf, 24);
}

// A font of boxes: every letter is a 0.5 x 1 rectangle; "O" is a counter-clockwise circle arc.
std::string BoxFont() {
  std::string f;
  for (int c : {'H', 'A', 'B', 'I'}) {
    PutRecord(f, 0, static_cast<int16_t>(c));
    PutRecord(f, 1, 0, 0, 0);
    PutRecord(f, 2, 0, 0.5f, 1);
    PutRecord(f, 3, 0, 0, 0);
    PutRecord(f, 4, 0, 0.5f, 0);
    PutRecord(f, 4, 0, 0.5f, 1);
    PutRecord(f, 4, 0, 0, 1);
    PutRecord(f, 4, 0, 0, 0);
    PutRecord(f, 7, 0);
  }
  PutRecord(f, 0, 'O');
  PutRecord(f, 1, 0, 0, 0);
  PutRecord(f, 2, 0, 1, 1);
  PutRecord(f, 3, 0, 1, 0.5f);
  PutRecord(f, 6, 0, 1, 0.5f, 0.5f, 0.5f, 0.5f);
  PutRecord(f, 7, 0);
  return f;
}

class GenerateTest : public testing::Test {
 protected:
  test::TempDir home;
  TestUi ui;
  Job job{ui};

  void SetUp() override {
    BuildWorkFilePaths(job.paths, home.path() + "/", home.path() + "/nodata/");
    test::WriteFile(home.File("BOX.QXF"), BoxFont());
    job.paths.EngraveFontFile = "BOX.QXF";
    job.settings.BFONTTYPE = 0;
    job.settings.OUTARCS = 0;
  }

  std::vector<TextPathRecord> TextPath() {
    std::vector<TextPathRecord> out;
    TextPathReader in(job.paths.TextPathFileName);
    TextPathRecord r;
    while (in.Next(r)) out.push_back(r);
    return out;
  }
  static int Count(const std::vector<TextPathRecord>& recs, int kind) {
    int n = 0;
    for (const auto& r : recs) n += r.kind == kind;
    return n;
  }
  // Extent of the moves and lines of line `index` (0-based).
  struct Extent {
    double xmin = 1e9, ymin = 1e9, xmax = -1e9, ymax = -1e9;
  };
  static Extent LineExtent(const std::vector<TextPathRecord>& recs, int index) {
    Extent e;
    int line = 0;
    for (const auto& r : recs) {
      if (r.kind == TpLineEnd) ++line;
      if (line != index || (r.kind != TpMove && r.kind != TpLine)) continue;
      e.xmin = std::min(e.xmin, r.X);
      e.xmax = std::max(e.xmax, r.X);
      e.ymin = std::min(e.ymin, r.Y);
      e.ymax = std::max(e.ymax, r.Y);
    }
    return e;
  }
};

TEST_F(GenerateTest, TwoLinesOnAStraightLine) {
  job.text = {"AB", "I"};
  job.settings.TEXTHIGH = "2";
  job.settings.CHRSPACE = "0.25";
  job.settings.XSTART = "1";
  job.settings.YSTART = "3";
  ASSERT_EQ(GenerateTextPath(job, false), TextPathOutcome::Generated);
  auto recs = TextPath();
  EXPECT_EQ(Count(recs, TpLineEnd), 2);
  EXPECT_EQ(Count(recs, TpCharStart), 3);
  Extent first = LineExtent(recs, 0), second = LineExtent(recs, 1);
  EXPECT_DOUBLE_EQ(first.xmin, 1);
  EXPECT_DOUBLE_EQ(first.xmax, 1 + 1 + 0.25 + 1);  // two letters 2 x 0.5 wide and one gap
  EXPECT_DOUBLE_EQ(first.ymin, 3);
  EXPECT_DOUBLE_EQ(first.ymax, 5);
  EXPECT_DOUBLE_EQ(second.ymin, 3 - 1.375);  // one line space below
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_NE(ui.Console(StatusChannel::TextPathConsole).find("AB\n"), std::string::npos);
  EXPECT_NE(ui.Console(StatusChannel::TextPathConsole).find("Scaling and Spacing Text ...\n"), std::string::npos);
}

TEST_F(GenerateTest, SpacesAreBuiltFromTheWidthOfH) {
  job.text = {"A A"};
  job.settings.WSPACE = "0.1";
  job.settings.CHRSPACE = "0.2";
  ASSERT_EQ(GenerateTextPath(job, false), TextPathOutcome::Generated);
  Extent e = LineExtent(TextPath(), 0);
  // A (0.5) + word gap before the space + space (half of H: 0.25) + letter gap + A (0.5).
  EXPECT_NEAR(e.xmax, 0.5 + 0.1 + 0.25 + 0.2 + 0.5, 1e-9);
}

TEST_F(GenerateTest, MissingFontEmptyTextAndMissingCharacters) {
  job.text = {"AB"};
  job.paths.EngraveFontFile = "NOPE.QXF";
  EXPECT_EQ(GenerateTextPath(job, false), TextPathOutcome::Stopped);
  EXPECT_EQ(ui.Texts().back(), "Font File [NOPE.QXF] Does not exist");

  job.paths.EngraveFontFile = "BOX.QXF";
  job.text = {"", ""};
  EXPECT_EQ(GenerateTextPath(job, false), TextPathOutcome::Stopped);
  EXPECT_EQ(ui.Texts().back(), "No text specified");

  size_t before = ui.messages.size();
  job.text = {"AB", "AZ", "B"};
  EXPECT_EQ(GenerateTextPath(job, false), TextPathOutcome::Stopped);
  EXPECT_EQ(ui.messages.size(), before);  // a missing character stops without a word
  EXPECT_EQ(Count(TextPath(), TpLineEnd), 1);  // the lines before it stay
}

TEST_F(GenerateTest, FontWithoutAnHIsReported) {
  std::string f;
  PutRecord(f, 0, 'A');
  PutRecord(f, 1, 0);
  PutRecord(f, 2, 0, 1, 1);
  PutRecord(f, 3, 0);
  PutRecord(f, 4, 0, 1, 1);
  PutRecord(f, 7, 0);
  test::WriteFile(home.File("NOH.QXF"), f);
  job.paths.EngraveFontFile = "NOH.QXF";
  job.text = {"A"};
  EXPECT_EQ(GenerateTextPath(job, false), TextPathOutcome::Stopped);
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back().kind, MsgKind::Error);
  EXPECT_EQ(Count(TextPath(), TpLineEnd), 0);
}

TEST_F(GenerateTest, KeepExistingPutsTheOldTextFirst) {
  job.text = {"A"};
  ASSERT_EQ(GenerateTextPath(job, true), TextPathOutcome::Generated);  // nothing to keep: a fresh run
  job.text = {"B", "I"};
  ASSERT_EQ(GenerateTextPath(job, true), TextPathOutcome::Generated);
  auto both = TextPath();
  EXPECT_EQ(Count(both, TpLineEnd), 3);
  EXPECT_EQ(both[0].kind, TpCharStart);
  EXPECT_EQ(both[0].value, 'A');
  EXPECT_FALSE(test::FileExists(home.File("frtemp.tmp")));

  // A run that stops early still keeps what was there.
  job.text = {"Z"};
  EXPECT_EQ(GenerateTextPath(job, true), TextPathOutcome::Stopped);
  EXPECT_EQ(Count(TextPath(), TpLineEnd), 3);
}

// When the earlier text cannot be joined to the new one (a full disk), it stays whole in the kept
// file, the run says where, and the text path does not count as generated.
TEST_F(GenerateTest, KeptTextThatCannotBeJoinedIsReportedAndStaysWhole) {
  job.text = {"ABBA"};
  ASSERT_EQ(GenerateTextPath(job, false), TextPathOutcome::Generated);
  const std::string earlier = test::ReadFile(job.paths.TextPathFileName);
  {
    test::FileSizeLimit full(earlier.size() + earlier.size() / 2);
    EXPECT_EQ(GenerateTextPath(job, true), TextPathOutcome::Stopped);
  }
  const std::string kept = home.File("frtemp.tmp");
  EXPECT_EQ(ui.Texts().back(), "Text Path File write error [" + kept + "]");
  EXPECT_EQ(test::ReadFile(kept).substr(0, earlier.size()), earlier);
}

TEST_F(GenerateTest, ATextPathThatCannotBeWrittenIsNotGenerated) {
  job.text = {"AB"};
  for (std::string file : {home.File("no/folder/QMBF.TMP"), std::string("/dev/full")}) {
    job.paths.TextPathFileName = file;
    EXPECT_EQ(GenerateTextPath(job, false), TextPathOutcome::Stopped) << file;
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().kind, MsgKind::Error);
    EXPECT_EQ(ui.messages.back().text, "Text Path File write error [" + file + "]");
  }
}

TEST_F(GenerateTest, ArcsAreFittedOrKeptAndVerticalTextStacks) {
  job.text = {"O"};
  job.settings.OUTARCS = 1;
  ASSERT_EQ(GenerateTextPath(job, false), TextPathOutcome::Generated);
  auto recs = TextPath();
  EXPECT_EQ(Count(recs, TpArcCcw), 1);
  EXPECT_EQ(Count(recs, TpCurveStart), 0);

  job.text = {"AB"};
  job.settings.VERTICAL = true;
  ASSERT_EQ(GenerateTextPath(job, false), TextPathOutcome::Generated);
  Extent e = LineExtent(TextPath(), 0);
  EXPECT_NEAR(e.ymax - e.ymin, 0.5, 1e-9);  // each letter lies across the line
  EXPECT_NEAR(e.xmax, 1 + 0.125 + 1, 1e-9);  // and advances by its former height
}

TEST_F(GenerateTest, TiltTurnsArcsIntoLinesFirst) {
  job.text = {"O"};
  job.settings.TILTANG = "15";
  ASSERT_EQ(GenerateTextPath(job, false), TextPathOutcome::Generated);
  auto recs = TextPath();
  EXPECT_EQ(Count(recs, TpArcCcw) + Count(recs, TpArcCw), 0);
  EXPECT_GT(Count(recs, TpLine), 10);
}

TEST_F(GenerateTest, TrueTypeTextIsOneUnitPerTextHeight) {
  job.settings.BFONTTYPE = 1;
  job.settings.FONTNAME = "Liberation Sans";
  job.settings.OUTARCS = 1;
  job.text = {"HO"};
  ASSERT_EQ(GenerateTextPath(job, false), TextPathOutcome::Generated);
  auto recs = TextPath();
  ASSERT_FALSE(recs.empty()) << "no outlines for Liberation Sans: install fonts-liberation2 (scripts/deps.sh)";
  Extent e = LineExtent(recs, 0);
  EXPECT_NEAR(e.ymax - e.ymin, 1.0, 0.05);  // the O overshoots the H a little
  EXPECT_EQ(Count(recs, TpCurveStart), 0);  // fitted
  EXPECT_GT(Count(recs, TpArcCw) + Count(recs, TpArcCcw), 4);
  EXPECT_TRUE(ui.messages.empty());
}

// Texts laid out one after another, as a drawing's texts are: repeats of one text and size (laid out
// once, placed again), changes of size, shape, spacing, font and placement, a line too long to be held
// in memory and a text that stops.
std::vector<std::function<void(Job&)>> TextsOfADrawing() {
  auto text = [](std::string t, std::function<void(EngravingSettings&)> set = nullptr) {
    return [t, set](Job& job) {
      job.text = {t};
      if (set) set(job.settings);
    };
  };
  return {
      text("AB", [](EngravingSettings& s) { s.TEXTHIGH = "2"; }),
      text("AB", [](EngravingSettings& s) { s.XSTART = "5"; }),
      text("AB", [](EngravingSettings& s) { s.TEXTHIGH = "3"; }),
      text("O", [](EngravingSettings& s) { s.OUTARCS = 1; }),
      text("O", [](EngravingSettings& s) { s.TILTANG = "15"; }),
      text("O", [](EngravingSettings& s) { s.TILTANG = "0"; }),
      text("AB I", [](EngravingSettings& s) { s.VERTICAL = true; }),
      text("AB I", [](EngravingSettings& s) { s.VERTICAL = false, s.MIRROR = true; }),
      text("AB I", [](EngravingSettings& s) { s.MIRROR = false, s.TJUST = JustRight, s.TANGLE = "30"; }),
      text("AZ"),  // no Z in the font: this text stops
      text("BA", [](EngravingSettings& s) { s.TTYPE = ModeCwArc, s.TJUST = JustCenter, s.XEND = "20"; }),
      text("BA", [](EngravingSettings& s) { s.TTYPE = ModeLinear, s.BCSPACE = 0; }),
      text("BA", [](EngravingSettings& s) { s.BCSPACE = 1, s.WSPACE = "0.3"; }),
      text(std::string(LineWork::MemoryChars + 10, 'I')),
      text("HOB", [](EngravingSettings& s) { s.BFONTTYPE = 1, s.FONTNAME = "Liberation Sans"; }),
      text("HOB", [](EngravingSettings& s) { s.YSTART = "-4"; }),
      text("AB", [](EngravingSettings& s) { s.BFONTTYPE = 0; }),
  };
}

// A session writes the text path, the console and the messages that a run per text writes after the
// text path there was.
TEST_F(GenerateTest, ASessionWritesWhatARunPerTextWrites) {
  const EngravingSettings start = job.settings;
  struct Result {
    std::string textPath, console;
    std::vector<std::string> messages;
    std::vector<TextPathOutcome> outcomes;
  };
  auto run = [&](const std::function<TextPathOutcome()>& generate) {
    job.settings = start;
    job.text = {"BIB"};
    EXPECT_EQ(GenerateTextPath(job, false), TextPathOutcome::Generated);
    ui.status.clear();
    ui.messages.clear();
    Result r;
    for (const auto& set : TextsOfADrawing()) {
      set(job);
      r.outcomes.push_back(generate());
    }
    return r;
  };
  Result separate = run([&] { return GenerateTextPath(job, true); });
  separate.textPath = test::ReadFile(job.paths.TextPathFileName);
  separate.console = ui.Console(StatusChannel::TextPathConsole);
  separate.messages = ui.Texts();

  Result session;
  {
    TextPathSession texts(job);
    session = run([&] { return texts.Generate(); });
    EXPECT_TRUE(texts.Finish());
  }
  session.textPath = test::ReadFile(job.paths.TextPathFileName);
  session.console = ui.Console(StatusChannel::TextPathConsole);
  session.messages = ui.Texts();

  ASSERT_EQ(Count(TextPath(), TpLineEnd), 17) << "no outlines for Liberation Sans: install fonts-liberation2";
  EXPECT_EQ(session.outcomes, separate.outcomes);
  EXPECT_EQ(session.outcomes[9], TextPathOutcome::Stopped);
  EXPECT_TRUE(session.textPath == separate.textPath);
  EXPECT_EQ(session.console, separate.console);
  EXPECT_EQ(session.messages, separate.messages);
}

// A session over a text path that cannot be written says so once and generates nothing more.
TEST_F(GenerateTest, ASessionThatCannotWriteSaysSoOnce) {
  job.paths.TextPathFileName = "/dev/full";
  TextPathSession texts(job);
  for (const std::string& t : {std::string("AB"), std::string("BA"), std::string(20000, 'A')}) {
    job.text = {t};
    texts.Generate();
  }
  EXPECT_FALSE(texts.Finish());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Text Path File write error [/dev/full]"});
}

}  // namespace
}  // namespace quill
