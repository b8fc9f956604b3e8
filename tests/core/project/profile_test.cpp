#include "project/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "test_support.h"

namespace quill {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class ProfileTest : public ::testing::Test {
 protected:
  std::string Ini(const std::string& content) {
    WriteFile(path, content);
    return path;
  }
  TempDir dir;
  std::string path = dir.File("TEST.INI");
};

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
  ProfileFile missing(dir.File("NONE.INI"));
  EXPECT_EQ(missing.ReadString("DEFAULTS", "DEFEXT", "TAP"), "TAP");
  EXPECT_EQ(missing.ReadInt("DEFAULTS", "NUMBER", 20), 20);
  EXPECT_TRUE(missing.SectionNames().empty());

  ProfileFile ini(Ini("[A]\nX=1\n"));
  EXPECT_EQ(ini.ReadString("B", "X", "d"), "d");
  EXPECT_EQ(ini.ReadString("A", "Y", "d"), "d");
  EXPECT_EQ(ini.ReadInt("A", "Y", 7), 7);
}

TEST_F(ProfileTest, NamesMatchWithoutRegardToCaseAndBlanksAreTrimmed) {
  ProfileFile ini(Ini("[defaults]\n  tpcolor =  clBlue  \r\n[Other]\nTPcolor=clRed\n"));
  EXPECT_EQ(ini.ReadString("DEFAULTS", "TPCOLOR", ""), "clBlue");
  EXPECT_EQ(ini.ReadString("other", "tpColor", ""), "clRed");
}

TEST_F(ProfileTest, FirstSectionAndFirstKeyWinCommentsAndStrayLinesAreIgnored) {
  ProfileFile ini(Ini("K=outside\n[S]\n;K=comment\nnot a key\n=novalue\nK=first\nK=second\n[s]\nK=third\n"));
  EXPECT_EQ(ini.ReadString("S", "K", ""), "first");
  EXPECT_EQ(ini.KeyNames("S"), (std::vector<std::string>{"K", "K"}));
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"S", "s"}));
}

TEST_F(ProfileTest, ValuesLoseEnclosingQuotesAndAreCutAt254Characters) {
  std::string longValue(300, 'x');
  ProfileFile ini(Ini("[S]\nQ=\"quoted text\"\nH='a'b\nL=" + longValue + "\nE=\n"));
  EXPECT_EQ(ini.ReadString("S", "Q", ""), "quoted text");
  EXPECT_EQ(ini.ReadString("S", "H", ""), "'a'b");
  EXPECT_EQ(ini.ReadString("S", "L", ""), std::string(254, 'x'));
  EXPECT_EQ(ini.ReadString("S", "E", "def"), "");
}

TEST_F(ProfileTest, IntegersReadTheirLeadingDecimalDigits) {
  ProfileFile ini(Ini("[S]\nA=42abc\nB=-17\nC=abc\nD=0x1F\nE=\nF=99999999999\nG=+5\n"));
  EXPECT_EQ(ini.ReadInt("S", "A", 1), 42);
  EXPECT_EQ(ini.ReadInt("S", "B", 1), -17);
  EXPECT_EQ(ini.ReadInt("S", "C", 1), 0);
  EXPECT_EQ(ini.ReadInt("S", "D", 1), 0);
  EXPECT_EQ(ini.ReadInt("S", "E", 1), 1);
  EXPECT_EQ(ini.ReadInt("S", "F", 1), 2147483647);
  EXPECT_EQ(ini.ReadInt("S", "G", 1), 5);
}

TEST_F(ProfileTest, WritingCreatesFileSectionAndKey) {
  ProfileFile ini(path);
  ASSERT_TRUE(ini.WriteString("DEFAULTS", "DEFEXT", "TAP"));
  ASSERT_TRUE(ini.WriteString("MRU", "0", ""));
  ASSERT_TRUE(ini.WriteString("DEFAULTS", "AXIS", "1"));
  EXPECT_EQ(ReadFile(path), "[DEFAULTS]\nDEFEXT=TAP\nAXIS=1\n\n[MRU]\n0=\n");
}

TEST_F(ProfileTest, WritingReplacesInPlaceAndKeepsEveryOtherLine) {
  Ini("; machines\r\n[Mill]\r\nname = Old\r\n; keep me\r\nfeed=10\r\n\r\n[Other]\r\nx=1\r\n");
  ProfileFile ini(path);
  ASSERT_TRUE(ini.WriteString("MILL", "NAME", "New"));
  ASSERT_TRUE(ini.WriteString("mill", "added", "2"));
  EXPECT_EQ(ReadFile(path),
            "; machines\r\n[Mill]\r\nname=New\r\n; keep me\r\nfeed=10\r\nadded=2\r\n\r\n[Other]\r\nx=1\r\n");
}

TEST_F(ProfileTest, LineBreaksInAValueCannotAddLines) {
  ProfileFile ini(path);
  ASSERT_TRUE(ini.WriteString("S", "K", "one\nX=two"));
  EXPECT_EQ(ini.ReadString("S", "K", ""), "one");
  EXPECT_EQ(ini.ReadString("S", "X", "none"), "none");
  EXPECT_FALSE(ini.WriteString("S", "a=b", "1"));
  EXPECT_FALSE(ini.WriteString("S]", "a", "1"));
  EXPECT_FALSE(ini.WriteString("S", "", "1"));
}

TEST_F(ProfileTest, ValuesWithOuterBlanksOrQuotesReadBackAsWritten) {
  ProfileFile ini(path);
  for (const std::string value : {" /tmp/nc files/", "tab\t", "\"quoted\"", "'a'", "\"", "plain text", ""}) {
    ASSERT_TRUE(ini.WriteString("S", "K", value));
    EXPECT_EQ(ProfileFile(path).ReadString("S", "K", "none"), value);
  }
  ASSERT_TRUE(ini.WriteString("S", "K", "plain"));
  EXPECT_EQ(ReadFile(path), "[S]\nK=plain\n");  // only values that need them get quotes
}

TEST_F(ProfileTest, DeletingKeysAndSections) {
  ProfileFile ini(Ini("[A]\nx=1\ny=2\n[B]\nz=3\n"));
  ASSERT_TRUE(ini.DeleteKey("a", "X"));
  ASSERT_TRUE(ini.DeleteKey("a", "missing"));
  ASSERT_TRUE(ini.DeleteSection("b"));
  EXPECT_EQ(ReadFile(path), "[A]\ny=2\n");
}

TEST_F(ProfileTest, SeesChangesMadeThroughAnotherObject) {
  ProfileFile reader(Ini("[S]\nK=1\n"));
  EXPECT_EQ(reader.ReadInt("S", "K", 0), 1);
  ProfileFile writer(path);
  ASSERT_TRUE(writer.WriteString("S", "K", "2"));
  EXPECT_EQ(reader.ReadInt("S", "K", 0), 2);
  WriteFile(path, "[S]\nK=3\n");  // same size, written in place by someone else
  EXPECT_EQ(reader.ReadInt("S", "K", 0), 3);
}

// Every start and close of the program saves its settings: a write that changes nothing leaves the file
// as it is (the same file, not a replaced copy), and any change still replaces it.
TEST_F(ProfileTest, AWriteThatChangesNothingLeavesTheFileAlone) {
  auto inode = [this] {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
  };
  ProfileFile ini(Ini("[S]\r\nK=1\r\nL=two\r\n"));
  const auto before = inode();
  EXPECT_TRUE(ini.WriteStrings("s", {{"k", "1"}, {"L", "two"}}));
  EXPECT_TRUE(ini.DeleteKey("S", "missing"));
  EXPECT_EQ(inode(), before);
  EXPECT_TRUE(ini.WriteString("S", "K", "2"));
  EXPECT_NE(inode(), before);
  EXPECT_EQ(ReadFile(path), "[S]\r\nK=2\r\nL=two\r\n");
  EXPECT_EQ(ini.ReadString("S", "L", ""), "two");
}

TEST_F(ProfileTest, AFailedWriteLeavesTheOldFileWhole) {
  ProfileFile folder(dir.path());
  EXPECT_FALSE(folder.WriteString("S", "K", "2"));
  ProfileFile inFile(dir.File("TEST.INI/QUILLMAR.INI"));  // a folder that is a file
  WriteFile(path, "");
  EXPECT_FALSE(inFile.WriteString("S", "K", "2"));

  Ini("[S]\nK=1\n");
  ProfileFile ini(path);
  {
    test::FileSizeLimit full(64);
    EXPECT_FALSE(ini.WriteString("S", "K", std::string(200, '2')));
  }
  EXPECT_EQ(ReadFile(path), "[S]\nK=1\n");
  EXPECT_EQ(ini.ReadInt("S", "K", 0), 1);
  int entries = 0;  // no temporary file is left behind
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

}  // namespace
}  // namespace quill
