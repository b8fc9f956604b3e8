// The built executables, run as an operator or a script would run them.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace quill {
namespace {

using test::RunProgram;
using test::TempDir;

std::string Exe(const char* name) { return test::BinaryDir() + "/" + name; }

// Every folder the program might touch outside its home and the current folder points into this one.
std::vector<std::string> Confined(const TempDir& outside, const std::string& home = "") {
  return {"HOME=" + outside.path(), "XDG_CONFIG_HOME=" + outside.path() + "/config",
          "XDG_DATA_HOME=" + outside.path() + "/data", "QUILLMARK_HOME=" + home};
}

bool IsEmptyFolder(const std::string& dir) {
  std::error_code ec;
  return std::filesystem::is_empty(dir, ec);
}

TEST(Quillpro2008, UnattendedRunWithoutAProjectStaysInItsFolders) {
  TempDir cwd, home, outside;
  auto r = RunProgram({Exe("quillpro2008"), "--home", home.path(), "-r"}, cwd.path(), Confined(outside));
  // With no text there is nothing to engrave: the run says so, finishes and reports the failure.
  EXPECT_EQ(r.exitCode, 1) << r.err;
  EXPECT_NE(r.err.find("QUILLMARK: No text specified"), std::string::npos) << r.err;
  EXPECT_TRUE(IsEmptyFolder(outside.path())) << "wrote outside its home and the current folder";
  EXPECT_FALSE(test::FileExists(home.File("QUILLDEF.TXT")));  // an unattended run keeps the editor text
}

TEST(Quillpro2008, UnattendedRunOfTheSampleProject) {
  TempDir cwd, home, outside;
  std::filesystem::copy_file(test::SourceDir() + "/data/samples/SAMPLE.QLM", cwd.File("SAMPLE.QLM"));
  for (const char* sw : {"-r", "-R"}) {
    auto r = RunProgram({Exe("quillpro2008"), sw, "--home", home.path(), "SAMPLE.QLM"}, cwd.path(), Confined(outside));
    EXPECT_EQ(r.exitCode, 0) << sw << ": " << r.err;
  }
  EXPECT_TRUE(IsEmptyFolder(outside.path()));
  EXPECT_FALSE(test::FileExists(home.File("QMBF.TMP")));  // work files go at the close
}

// A project or drawing named that is not there is skipped, and the run says so.
TEST(Quillpro2008, UnattendedRunSaysWhichNamedFilesItSkipped) {
  TempDir cwd, home, outside;
  std::filesystem::copy_file(test::SourceDir() + "/data/samples/SAMPLE.QLM", cwd.File("SAMPLE.QLM"));
  auto r = RunProgram({Exe("quillpro2008"), "--home", home.path(), "SAMPLE.QLM", "MISSING.QLM", "gone.dxf", "-r"},
                      cwd.path(), Confined(outside));
  EXPECT_EQ(r.exitCode, 0) << r.err;  // the sample still runs through
  EXPECT_NE(r.err.find("File not found, skipped [MISSING.QLM]"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("File not found, skipped [gone.dxf]"), std::string::npos) << r.err;
}

TEST(QuillRun, EveryBundledSampleGoesThroughToNcCode) {
  for (const char* name : {"SAMPLE", "ARC", "CURVE", "TRUETYPE"}) {
    TempDir cwd, home, outside;
    std::string project = std::string(name) + ".QLM";
    std::filesystem::copy_file(test::SourceDir() + "/data/samples/" + project, cwd.File(project));
    auto r = RunProgram({Exe("quill"), "run", project, "--home", home.path()}, cwd.path(), Confined(outside));
    EXPECT_EQ(r.exitCode, 0) << name << ": " << r.err;
    std::string nc = test::ReadFile(cwd.File(std::string(name) + ".TAP"));
    EXPECT_NE(nc.find("G01"), std::string::npos) << name;  // the text was laid out and cut
    EXPECT_TRUE(test::FileExists(cwd.File("QP2008.EMF"))) << name;
  }
}

TEST(Quillpro2008, AHomeThatCannotBeMadeIsAClearError) {
  TempDir cwd, outside;
  test::WriteFile(cwd.File("plainfile"), "x");
  auto r = RunProgram({Exe("quillpro2008"), "--home", cwd.File("plainfile") + "/home", "-r"}, cwd.path(), Confined(outside));
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("QUILLMARK: Cannot create the program folder"), std::string::npos) << r.err;
}

TEST(Quillpro2008, HomeFromTheEnvironment) {
  TempDir cwd, home, outside;
  auto r = RunProgram({Exe("quillpro2008"), "-r"}, cwd.path(), Confined(outside, home.path()));
  EXPECT_LE(r.exitCode, 1) << r.err;
  EXPECT_TRUE(test::FileExists(home.File("QUILLMAR.INI")));
  EXPECT_TRUE(IsEmptyFolder(outside.path()));
}

TEST(QuillEval, PrintsTheFieldOrTheWarning) {
  struct Case {
    const char* text;
    int exit;
    const char* out;
  };
  const Case cases[] = {{"25.4%", 0, "1.00000\n"}, {"", 0, "0.00000\n"}, {"2PI", 0, "6.28319\n"},
                        {"1/3", 0, "0.33333\n"},   {"SQR 3!", 0, "362880.00000\n"}};
  for (const auto& c : cases) {
    auto r = RunProgram({Exe("quill"), "eval", c.text});
    EXPECT_EQ(r.exitCode, c.exit) << c.text;
    EXPECT_EQ(r.out, c.out) << c.text;
  }
  auto bad = RunProgram({Exe("quill"), "eval", "1,5"});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_NE(bad.err.find("Illegal character"), std::string::npos);
  EXPECT_NE(bad.err.find("1 >>,5"), std::string::npos);
}

TEST(Quill, BadUsageExitsTwo) {
  EXPECT_EQ(RunProgram({Exe("quill")}).exitCode, 2);
  EXPECT_EQ(RunProgram({Exe("quill"), "frobnicate"}).exitCode, 2);
  EXPECT_EQ(RunProgram({Exe("quill"), "eval"}).exitCode, 2);
  EXPECT_EQ(RunProgram({Exe("quill"), "run"}).exitCode, 2);
  EXPECT_EQ(RunProgram({Exe("quill"), "--help"}).exitCode, 0);
}

}  // namespace
}  // namespace quill
