// quill run with a data merge and with serial numbers: name tags into one program, a program per tag,
// a sheet of tags, rows that cannot be engraved, and what the options will not take.
#include <gtest/gtest.h>

#include <algorithm>

#include "records/cl_record.h"
#include "test_support.h"

namespace quill::test {
namespace {

using Lines = std::vector<std::string>;

struct Merge {
  Merge() {
    WriteFile(cwd.File("TAGS.QLM"), ReadFile(SourceDir() + "/data/samples/TAGS.QLM"));
    WriteFile(cwd.File("TAGS.CSV"), ReadFile(SourceDir() + "/data/samples/TAGS.CSV"));
  }
  RunResult Run(const Lines& args, const std::string& project = "TAGS.QLM") const {
    Lines argv{BinaryDir() + "/quill", "run", project, "--home", home.path()};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv, cwd.path(), {"QUILLMARK_HOME=", "XDG_CONFIG_HOME=" + cwd.File("config")});
  }
  long Count(const std::string& file, const std::string& line) const {
    Lines lines = ReadLines(cwd.File(file));
    return std::count(lines.begin(), lines.end(), line);
  }
  TempDir cwd, home;
};

TEST(MergeRun, TagsOneAfterTheOtherIntoOneProgram) {
  Merge m;
  RunResult r = m.Run({"--data", "TAGS.CSV", "--check"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.err.find("follows the tool path"), std::string::npos) << r.err;
  EXPECT_EQ(m.Count("TAGS.TAP", " (ANN SMITH / SALES)"), 1);
  EXPECT_EQ(m.Count("TAGS.TAP", " (BO, JR. / IT / HELP DESK)"), 1);  // a cell with a line break: three lines
  EXPECT_EQ(m.Count("TAGS.TAP", " M00"), 4);
  EXPECT_TRUE(FileExists(m.cwd.File("QP2008.EMF")));
}

TEST(MergeRun, AProgramPerTagNamedFromAColumn) {
  Merge m;
  RunResult r = m.Run({"--data", "TAGS.CSV", "--per-row-nc", "Name", "--check"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  for (const char* tag : {"ANN SMITH.TAP", "BO, JR..TAP", "CARLA DIAZ.TAP", "DEV PATEL.TAP"}) {
    EXPECT_TRUE(FileExists(m.cwd.File(tag))) << tag;
  }
  EXPECT_EQ(m.Count("DEV PATEL.TAP", " (DEV PATEL / R & D)"), 1);
  EXPECT_EQ(m.Count("DEV PATEL.TAP", " (ANN SMITH / SALES)"), 0);
  EXPECT_FALSE(FileExists(m.cwd.File("TAGS.TAP")));
}

TEST(MergeRun, ASheetOfTagsInOneRun) {
  Merge m;
  RunResult r = m.Run({"--data", "TAGS.CSV", "--array", "2", "2", "3.5", "1.25", "--between", "", "--check"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(m.Count("TAGS.TAP", " M00"), 0);
  // Each tag's first rapid, after its rotary radius record: the cells of a 2 by 2 sheet.
  std::vector<std::pair<double, double>> starts;
  Lines cl = ReadLines(m.home.File("QUILLMAR.CL"));
  for (size_t i = 1; i < cl.size(); ++i) {
    ClRecord rec;
    if (cl[i - 1].rfind("5 ", 0) == 0 && ParseClRecord(cl[i], rec)) starts.push_back({rec.X, rec.Y});
  }
  ASSERT_EQ(starts.size(), 4u);
  EXPECT_NEAR(starts[1].first - starts[0].first, 3.5, 0.5);  // the second name starts its own way
  EXPECT_LT(starts[2].second, starts[0].second - 1.0);       // the second row of the sheet lies below
  EXPECT_NEAR(starts[3].first - starts[2].first, 3.5, 0.5);
}

TEST(MergeRun, RowsThatCannotBeEngravedAreNamedAndTheRestCut) {
  Merge m;
  WriteFile(m.cwd.File("BAD.CSV"),
            "Name,Dept\nANN,SALES\n,IT\n\xD0\x96"
            "ANNA,IT\nBO,IT\n");
  RunResult r = m.Run({"--data", "BAD.CSV"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Row 3: the field {Name} is empty"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Row 4: the character U+0416 is not in the fonts' character set"), std::string::npos);
  EXPECT_NE(r.err.find("2 of 4 rows were not engraved: rows 3, 4"), std::string::npos);
  EXPECT_EQ(m.Count("TAGS.TAP", " (BO / IT)"), 1);
  r = m.Run({"--data", "NONE.CSV"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Cannot open the data file [NONE.CSV]"), std::string::npos) << r.err;
}

TEST(MergeRun, SerialNumbersFromTheToolbox) {
  Merge m;
  WriteFile(m.cwd.File("SAMPLE.QLM"), ReadFile(SourceDir() + "/data/samples/SAMPLE.QLM"));
  RunResult r = m.Run({"--serial", "8", "10", "--check"}, "SAMPLE.QLM");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  for (const char* number : {" (0008)", " (0009)", " (0010)"}) EXPECT_EQ(m.Count("SAMPLE.TAP", number), 1) << number;
  r = m.Run({"--serial", "1", "9", "4", "--no-comment"}, "SAMPLE.QLM");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(m.Count("SAMPLE.TAP", " M00"), 3);  // 1, 5 and 9
}

TEST(MergeRun, OptionsThatCannotBeTakenAreBadUsage) {
  Merge m;
  const std::pair<Lines, std::string> cases[] = {
      {{"--data", "TAGS.CSV", "--array", "2", "2", "1"}, "--array needs 4 values"},
      {{"--data", "TAGS.CSV", "--array", "2", "x", "1", "1"}, "--array needs COLS ROWS"},
      {{"--data", "TAGS.CSV", "--serial", "1", "2"}, "--data and --serial cannot be used together"},
      {{"--per-row-nc", "Name"}, "belong to --data"},
      {{"--no-comment"}, "belong to --data or --serial"},
      {{"--serial", "a", "b"}, "--serial needs START END [INC] as whole numbers"},
      {{"--data", "TAGS.CSV", "--per-row-nc", "Name", "--array", "2", "2", "1", "1"}, "cannot be asked for together"},
      {{"--data", "TAGS.CSV", "--separator", "|"}, "separator must be"},
  };
  for (const auto& [args, message] : cases) {
    RunResult r = m.Run(args);
    EXPECT_EQ(r.exitCode, 2) << message;
    EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("usage: quill run"), std::string::npos);
  }
  EXPECT_FALSE(FileExists(m.cwd.File("TAGS.TAP")));
}

TEST(CheckCommand, ReadsAProgramBackAndNamesTheFirstBlockOffThePath) {
  Merge m;
  WriteFile(m.cwd.File("SAMPLE.QLM"), ReadFile(SourceDir() + "/data/samples/SAMPLE.QLM"));
  ASSERT_EQ(m.Run({"--check"}, "SAMPLE.QLM").exitCode, 0);
  const Lines base{BinaryDir() + "/quill", "check", "SAMPLE.TAP", "--machine", "dmill"};
  auto check = [&](Lines extra) {
    Lines argv = base;
    argv.insert(argv.end(), extra.begin(), extra.end());
    return RunProgram(argv, m.cwd.path(), {"XDG_CONFIG_HOME=" + m.cwd.File("config")});
  };
  RunResult r = check({"--cl", m.home.File("QUILLMAR.CL")});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.err.find("follows the tool path"), std::string::npos);
  EXPECT_EQ(check({}).exitCode, 0);  // the program alone
  Lines nc = ReadLines(m.cwd.File("SAMPLE.TAP"));
  nc[12] += "X9.0";
  std::string text;
  for (const auto& line : nc) text += line + "\r\n";
  WriteFile(m.cwd.File("SAMPLE.TAP"), text);
  r = check({"--cl", m.home.File("QUILLMAR.CL")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("line 13 (" + nc[12] + "): leaves the tool path"), std::string::npos) << r.err;
}

TEST(CheckCommand, UsageAndRefusals) {
  TempDir cwd;
  auto quill = [&](const Lines& args) {
    Lines argv{BinaryDir() + "/quill"};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv, cwd.path(), {"XDG_CONFIG_HOME=" + cwd.File("config")});
  };
  EXPECT_EQ(quill({"check"}).exitCode, 2);
  EXPECT_EQ(quill({"check", "A.TAP"}).exitCode, 2);
  RunResult r = quill({"check", "A.TAP", "--machine", "NOSUCH"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("machine \"NOSUCH\" is not set up"), std::string::npos);
  r = quill({"check", "A.TAP", "--machine", "DMILL"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Cannot open the NC file [A.TAP]"), std::string::npos) << r.err;
  EXPECT_NE(quill({"--help"}).out.find("quill check NCFILE --machine NAME [--cl CLFILE]"), std::string::npos);
}

}  // namespace
}  // namespace quill::test
