#include <gtest/gtest.h>

#include "job/settings_checks.h"
#include "job/settings_keys.h"
#include "project/project_reader.h"
#include "project/project_writer.h"
#include "project_fixture.h"

namespace quill {
namespace {

using test::ReadFile;
using test::WriteFile;

class ProjectFile : public ProjectFixture {
 protected:
  // Every setting away from its default, the tables filled, artwork and text present.
  void FillJob() {
    EngravingSettings& s = job.settings;
    s.TTYPE = ModeCcwArc;
    s.TJUST = JustFull;
    s.XSTART = "1.5";
    s.YSTART = "-2";
    s.TANGLE = "30.00000";
    s.XEND = "4";
    s.YEND = "5";
    s.MIRROR = s.VERTICAL = s.FONTBOLD = s.FONTITALICS = s.SPECWIDE = s.ACPERP = true;
    s.TEXTHIGH = "0.25";
    s.TWFACT = "80";
    s.TILTANG = "-12.5";
    s.BFONTTYPE = 0;
    s.FONTNAME = "Liberation Serif";
    s.TEXTWIDE = "0.3";
    s.OUTARCS = 0;
    s.FCTOL = "0.002";
    s.ACNPTS = "6";
    s.CurvePoints = 6;
    s.BCTNOFIT = 1;
    for (int i = 0; i < 6; ++i) {
      s.ACURVEX[i] = 0.1f * static_cast<float>(i);
      s.ACURVEY[i] = -1234.5678f / static_cast<float>(i + 1);
    }
    s.CHRSPACE = "0.1";
    s.WSPACE = "0.3";
    s.LSPACE = "0.9";
    s.BCSPACE = 0;
    s.ZDEPTH = "-0.02";
    s.ZCLEAR = "0.2";
    s.ZPERPASS = "-0.01";
    s.ZTOP = "0.5";
    s.CFEED = "10";
    s.ZFEED = "3";
    s.TOOLDIA = "0.0625";
    s.ROTRAD = "1.25";
    s.TSHAPE = ShapeBall;
    s.TLCR = "90";
    s.SNUMSTART = "-5";
    s.SNUMEND = "500";
    s.SNUMINC = "5";
    s.SNUMDIG = "6";
    s.SNUMIPAD = PadSpaces;
    s.SNUMPREFIX = "SN ";
    s.SNUMSUFFIX = "-X";
    for (int i = 0; i < 9; ++i) s.PSEDIT[i] = std::to_string(i + 1) + ".5";
    s.PSPROJECTNORM = 1;
    s.PSTOPBOT = 1;
    s.PSSURFTYPE = 3;
    s.RFX = "1.0000";
    s.RFY = "-2.5000";
    s.RFXX = "7.0000";
    s.RFYY = "8.0000";
    job.flags.RefFrameOn = true;
    job.paths.EngraveFontFile = "ROMAN.QXF";
    job.text = {"Hi there", "", "\xE9t\xE9 \x01"};
    TakeCharacterCount(job);
    for (int i = 0; i < s.CharRows; ++i)
      s.CharTable[i] = {static_cast<char>('a' + i), static_cast<float>(0.01 * i), static_cast<float>(1 + 0.1 * i)};
    job.flags.ArtworkPresent = true;
    WriteFile(job.paths.ArtFileName, "1 0.0 0.0 1.0 1.0 0.0\r\n2 1.0 1.0 0.5 0.0 3.14\r\n");
  }

  std::string Settings(Job& j) {
    std::string out;
    for (const SettingKey& k : WrittenSettingKeys()) out += std::string(k.key) + "=" + k.get(j) + "\n";
    return out;
  }
};

TEST_F(ProjectFile, WrittenAndReadBackRestoresEverything) {
  FillJob();
  std::string path = home.File("ALL.QLM");
  ASSERT_TRUE(WriteProject(job, path));
  std::string art = ReadFile(job.paths.ArtFileName);
  WriteFile(job.paths.ArtFileName, "stale");

  Other next(*this);
  ASSERT_EQ(ReadProject(next.job, path), ProjectRead::Read);
  EXPECT_TRUE(next.ui.messages.empty());
  EXPECT_EQ(Settings(next.job), Settings(job));
  const EngravingSettings& a = job.settings;
  const EngravingSettings& b = next.job.settings;
  EXPECT_EQ(b.TTYPE, ModeCcwArc);
  EXPECT_EQ(b.FONTNAME, "Liberation Serif");
  EXPECT_EQ(b.CurvePoints, 6);
  EXPECT_EQ(b.ACURVEX, a.ACURVEX);  // single precision survives 8 decimals
  EXPECT_EQ(b.ACURVEY, a.ACURVEY);
  EXPECT_EQ(b.CharRows, a.CharRows);
  for (int i = 0; i < a.CharRows; ++i) {
    EXPECT_EQ(b.CharTable[i].ch, a.CharTable[i].ch) << i;
    EXPECT_EQ(b.CharTable[i].spacing, a.CharTable[i].spacing) << i;
    EXPECT_EQ(b.CharTable[i].height, a.CharTable[i].height) << i;
  }
  EXPECT_TRUE(next.job.flags.ArtworkPresent);
  EXPECT_TRUE(next.job.flags.RefFrameOn);
  EXPECT_EQ(next.job.paths.EngraveFontFile, "ROMAN.QXF");
  EXPECT_EQ(ReadFile(next.job.paths.ArtFileName), art);
  EXPECT_EQ(next.job.text, job.text);
}

TEST_F(ProjectFile, LoadsAndSavesByteIdentically) {
  FillJob();
  std::string first = home.File("FIRST.QLM"), second = home.File("SECOND.QLM");
  ASSERT_TRUE(WriteProject(job, first));
  Other next(*this);
  ASSERT_EQ(ReadProject(next.job, first), ProjectRead::Read);
  ASSERT_TRUE(WriteProject(next.job, second));
  EXPECT_EQ(ReadFile(second), ReadFile(first));
}

TEST_F(ProjectFile, WrittenFormMatchesTheGoldenFile) {
  job.text = {"QUILLMARK", "ENGRAVING"};
  TakeCharacterCount(job);
  job.settings.CharTable[0] = {'Q', 0.1f, 0.5f};
  job.settings.ACURVEX[1] = -12345.678f;
  job.flags.ArtworkPresent = true;
  WriteFile(job.paths.ArtFileName, "0 0.0000000000 0.0000000000 0.0000000000 0.0000000000 0.0\r\n");
  std::string path = home.File("GOLD.QLM");
  ASSERT_TRUE(WriteProject(job, path));
  std::string golden = test::SourceDir() + "/tests/core/project/golden/default_job.QLM";
  if (std::getenv("QUILL_REGENERATE_GOLDEN")) WriteFile(golden, ReadFile(path));
  EXPECT_EQ(ReadFile(path), ReadFile(golden));
}

TEST_F(ProjectFile, TheSampleProjectLoadsAndSavesByteIdentically) {
  std::string sample = test::SourceDir() + "/data/samples/SAMPLE.QLM";
  ASSERT_EQ(ReadProject(job, sample), ProjectRead::Read);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(job.settings.BFONTTYPE, 0);
  EXPECT_EQ(job.text.size(), 2u);
  std::string path = home.File("SAMPLE.QLM");
  ASSERT_TRUE(WriteProject(job, path));
  EXPECT_EQ(ReadFile(path), ReadFile(sample));
}

TEST_F(ProjectFile, AFailedSaveLeavesTheOldFileWhole) {
  std::string path = Project("$QUILLVER\r\n7.0100\r\n");
  std::string blocked = home.File("NO_SUCH_FOLDER/JOB.QLM");
  EXPECT_FALSE(WriteProject(job, blocked));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"File Creation error"});
  EXPECT_EQ(ui.messages.back().kind, MsgKind::Warning);
  EXPECT_FALSE(test::FileExists(blocked));
  EXPECT_EQ(ReadFile(path), "$QUILLVER\r\n7.0100\r\n");
}

TEST_F(ProjectFile, TablesNeverGoPastTheirSize) {
  job.text = {std::string(3000, 'w')};
  TakeCharacterCount(job);
  job.settings.CurvePoints = 400;
  std::string path = home.File("BIG.QLM");
  ASSERT_TRUE(WriteProject(job, path));
  std::vector<std::string> lines = test::ReadLines(path);
  auto rowsAfter = [&](const std::string& key) {
    auto at = std::find(lines.begin(), lines.end(), key);
    return std::find(at, lines.end(), "$ENDTAB") - at - 1;
  };
  EXPECT_EQ(rowsAfter("$ACURVETAB"), CurvePointCount);
  EXPECT_EQ(rowsAfter("$VSPACETAB"), CharTableSize);
  EXPECT_EQ(rowsAfter("$VHEIGHTTAB"), CharTableSize);
}

}  // namespace
}  // namespace quill
