#include "project/project_reader.h"

#include <gtest/gtest.h>

#include "project_fixture.h"

namespace quill {
namespace {

using test::FileExists;
using test::ReadFile;
using test::WriteFile;

const std::string kHead = "$QUILLVER\r\n7.0100\r\n";

class ProjectReader : public ProjectFixture {
 protected:
  ProjectRead Read(const std::string& body) { return ReadProject(job, Project(kHead + body)); }
};

TEST_F(ProjectReader, RefusesFilesThatAreNotProjects) {
  job.settings.XSTART = "keep";
  EXPECT_EQ(ReadProject(job, home.File("MISSING.QLM")), ProjectRead::OpenFailed);
  EXPECT_EQ(ReadProject(job, Project("$QUILLVER \r\n7.0100\r\n$XSTART\r\n1\r\n")), ProjectRead::NotAProject);
  EXPECT_EQ(ReadProject(job, Project("")), ProjectRead::NotAProject);
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{"File Open error", "Not a Valid QUILLMARK File", "Not a Valid QUILLMARK File"}));
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Warning);
  EXPECT_EQ(job.settings.XSTART, "keep");
  EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(ProjectReader, LinesEndAtCarriageReturnAndCtrlZEndsTheFile) {
  ASSERT_EQ(Read("$XSTART\r1.5\r\n$SNUMPREFIX\r\nA\nB\r$YSTART\r\n2\x1a\r\n$TANGLE\r\n45\r\n"), ProjectRead::Read);
  EXPECT_EQ(job.settings.XSTART, "1.5");
  EXPECT_EQ(job.settings.SNUMPREFIX, "A\nB");  // a lone line feed stays in the line
  EXPECT_EQ(job.settings.YSTART, "2");
  EXPECT_EQ(job.settings.TANGLE, "0.0");
}

TEST_F(ProjectReader, KeysInAnyOrderUnknownOnesSkippedWithTheirValue) {
  ASSERT_EQ(Read("$TSHAPE\r\n1\r\n$NOSUCHKEY\r\n$XSTART\r\n$xstart\r\n9\r\n$CMACHINE\r\nLATHE\r\n$XSTART\r\n3\r\n"),
            ProjectRead::Read);
  EXPECT_EQ(job.settings.TSHAPE, ShapeBall);
  EXPECT_EQ(job.settings.XSTART, "3");
  EXPECT_EQ(job.paths.MachineName, "LATHE");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProjectReader, TextRunsToTheEndOfTheFile) {
  ASSERT_EQ(Read("$BEGINTEXT\r\nLINE 1\r\n$XSTART\r\n7\r\n"), ProjectRead::Read);
  EXPECT_EQ(job.text, (std::vector<std::string>{"LINE 1", "$XSTART", "7"}));
  EXPECT_EQ(job.settings.XSTART, "0.0");
  EXPECT_EQ(job.settings.CharRows, 6 + 2 + 7 + 2 + 1);

  ASSERT_EQ(Read("$BEGINTEXT\r\n"), ProjectRead::Read);
  EXPECT_EQ(job.text, std::vector<std::string>{""});
  EXPECT_EQ(job.settings.CharRows, 0);
}

TEST_F(ProjectReader, TablesStopAtEndTabOrTheEndOfTheFile) {
  ASSERT_EQ(Read("$ACURVETAB\r\n$ENDTAB\r\n$VSPACETAB\r\n  0.5 66\r\n   1e1    67\r\n$ENDTAB\r\n"
                 "$VHEIGHTTAB\r\n2.5 300\r\n3 68"),
            ProjectRead::Read);
  EXPECT_EQ(job.settings.ACURVEX[0], 0.0f);
  const auto& t = job.settings.CharTable;
  EXPECT_EQ(t[0].spacing, 0.5f);
  EXPECT_EQ(t[1].spacing, 10.0f);
  EXPECT_EQ(t[0].height, 2.5f);
  EXPECT_EQ(t[0].ch, static_cast<char>(300 & 0xFF));
  EXPECT_EQ(t[1].height, 3.0f);
  EXPECT_EQ(t[1].ch, 'D');  // the later table's code wins
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ProjectReader, RowsPastTheTablesAreReadPast) {
  std::string curve = "$ACURVETAB\r\n", chars = "$VSPACETAB\r\n";
  for (int i = 0; i < 200; ++i) curve += std::to_string(i) + " 1\r\n";
  for (int i = 0; i < 3000; ++i) chars += "0.25 66\r\n";
  ASSERT_EQ(Read(curve + "$ENDTAB\r\n" + chars + "$ENDTAB\r\n$XSTART\r\n4\r\n"), ProjectRead::Read);
  EXPECT_EQ(job.settings.ACURVEX[124], 124.0f);
  EXPECT_EQ(job.settings.CharTable[2047].spacing, 0.25f);
  EXPECT_EQ(job.settings.XSTART, "4");
}

TEST_F(ProjectReader, BadNumbersWarnAndCountAsZero) {
  ASSERT_EQ(Read("$ACURVETAB\r\n1.5 abc\r\n$ENDTAB\r\n$MIRROR\r\n1\r\n$ARTFILE\r\nx\r\n"), ProjectRead::Read);
  EXPECT_EQ(job.settings.ACURVEX[0], 1.5f);
  EXPECT_EQ(job.settings.ACURVEY[0], 0.0f);
  EXPECT_TRUE(job.settings.MIRROR);
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_FALSE(job.flags.ArtworkPresent);
}

TEST_F(ProjectReader, AToolShapeThatIsNoWholeNumberStopsTheReading) {
  EXPECT_EQ(Read("$XSTART\r\n1\r\n$TSHAPE\r\nCone\r\n$YSTART\r\n2\r\n$BEGINTEXT\r\nT\r\n"), ProjectRead::Stopped);
  EXPECT_EQ(job.settings.XSTART, "1");
  EXPECT_EQ(job.settings.YSTART, "0.0");
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"'Cone' is not a valid integer value"});
  EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(ProjectReader, ArtworkIsCopiedOnlyAfterArtFileOne) {
  WriteFile(job.paths.ArtFileName, "old\r\n");
  ASSERT_EQ(Read("$ARTFILE\r\n0\r\n$ARTTAB\r\n1 2 3 4 5 6\r\n$ENDTAB\r\n$XSTART\r\n5\r\n"), ProjectRead::Read);
  EXPECT_FALSE(job.flags.ArtworkPresent);
  EXPECT_EQ(ReadFile(job.paths.ArtFileName), "old\r\n");
  EXPECT_EQ(job.settings.XSTART, "5");  // the unused block was read past, not taken for keys

  ASSERT_EQ(Read("$ARTFILE\r\n1\r\n$ARTTAB\r\n1 2 3 4 5 6\r\n0 1 1 0 0 0.0\r\n$ENDTAB\r\n$BEGINTEXT\r\nX\r\n"),
            ProjectRead::Read);
  EXPECT_TRUE(job.flags.ArtworkPresent);
  EXPECT_EQ(ReadFile(job.paths.ArtFileName), "1 2 3 4 5 6\r\n0 1 1 0 0 0.0\r\n");
  EXPECT_EQ(job.text, std::vector<std::string>{"X"});
}

TEST_F(ProjectReader, ArtworkWithoutEndTabKeepsItsLastLine) {
  ASSERT_EQ(Read("$ARTFILE\r\n1\r\n$ARTTAB\r\n1 2 3 4 5 6\r\n2 0 0 1 0 1"), ProjectRead::Read);
  EXPECT_EQ(ReadFile(job.paths.ArtFileName), "1 2 3 4 5 6\r\n2 0 0 1 0 1\r\n");
}

TEST_F(ProjectReader, ALineFeedInAnArtworkRowStaysInThatRow) {
  ASSERT_EQ(Read("$ARTFILE\r\n1\r\n$ARTTAB\r\n1 2 3\r4 5 6\n$ENDTAB\r\n$BEGINTEXT\r\nA\r\n"), ProjectRead::Read);
  EXPECT_EQ(ReadFile(job.paths.ArtFileName), "1 2 3\r\n4 5 6 $ENDTAB\r\n$BEGINTEXT\r\nA\r\n");
}

TEST_F(ProjectReader, ATextLargerThanAnyJobIsReadOnlyInPart) {
  const std::string line(1000, 'W');
  std::string text;
  for (size_t held = 0; held <= MostProjectTextBytes; held += line.size() + sizeof(std::string)) text += line + "\r\n";
  ASSERT_EQ(Read("$XSTART\r\n2\r\n$BEGINTEXT\r\n" + text), ProjectRead::Read);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"The project's text is longer than 64 MB: the rest of it is not read"});
  EXPECT_LT(job.text.size() * (line.size() + sizeof(std::string)), MostProjectTextBytes + 1);
  EXPECT_GT(job.text.size(), 60000u);
  EXPECT_EQ(job.settings.XSTART, "2");
  // Empty lines cost their bookkeeping too: millions of them stop at the same bound.
  ui.messages.clear();
  ASSERT_EQ(Read("$BEGINTEXT\r\n" + std::string(4u << 20, '\r')), ProjectRead::Read);
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_LE(job.text.size() * sizeof(std::string), MostProjectTextBytes);
}

TEST_F(ProjectReader, AnyBytesAndLongLinesAreHarmless) {
  std::string junk(1 << 20, 'Z');
  for (size_t i = 0; i < junk.size(); i += 97) junk[i] = static_cast<char>(i);
  EXPECT_EQ(Read("$SNUMSUFFIX\r\n" + junk + "\r\n$ACURVETAB\r\n" + junk), ProjectRead::Read);
  EXPECT_EQ(Read(std::string("$TSHAPE\0\r\n", 10)), ProjectRead::Read);
}

}  // namespace
}  // namespace quill
