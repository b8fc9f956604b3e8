#include "records/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <random>

#include "child_process.h"
#include "records/artwork_record.h"
#include "test_support.h"

namespace quill {
namespace {

using test::ChildProcess;
using test::FilesStartingWith;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

class AtomicFileTest : public testing::Test {
 protected:
  TempDir dir;
  std::string path = dir.File("JOB.TAP");
};

TEST_F(AtomicFileTest, TheOldFileStaysUntilTheNewOneIsCommitted) {
  WriteFile(path, "old");
  {
    AtomicFile f(path);
    f.Write("new");
    EXPECT_EQ(ReadFile(path), "old");
  }  // never committed: the temporary goes, the old file stays
  EXPECT_EQ(ReadFile(path), "old");
  EXPECT_TRUE(FilesStartingWith(dir.path(), "JOB.TAP.").empty());
  AtomicFile f(path);
  f.Write("new");
  ASSERT_TRUE(f.Commit());
  EXPECT_EQ(ReadFile(path), "new");
  EXPECT_TRUE(FilesStartingWith(dir.path(), "JOB.TAP.").empty());
}

TEST_F(AtomicFileTest, StartingFromTheOldContentAppendsToACopy) {
  AtomicFile first(path, AtomicFile::Start::OldContent);  // no old file: starts empty
  first.Write("one\n");
  ASSERT_TRUE(first.Commit());
  AtomicFile second(path, AtomicFile::Start::OldContent);
  second.Write("two\n");
  EXPECT_EQ(ReadFile(path), "one\n");
  ASSERT_TRUE(second.Commit());
  EXPECT_EQ(ReadFile(path), "one\ntwo\n");
}

TEST_F(AtomicFileTest, TheNewFileKeepsTheOldOnesPermissions) {
  WriteFile(path, "old");
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(WriteFileAtomically(path, "new"));
  EXPECT_EQ(ModeOf(path), 0640u);
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(WriteFileAtomically(dir.File("NEW.TAP"), "new"));
  ::umask(mask);
  EXPECT_EQ(ModeOf(dir.File("NEW.TAP")), 0644u);  // not the temporary's private 0600
}

TEST_F(AtomicFileTest, AFullDiskLeavesTheOldFileWhole) {
  WriteFile(path, "old program");
  {
    test::FileSizeLimit full(64 * 1024);
    EXPECT_FALSE(WriteFileAtomically(path, std::string(200 * 1024, 'x')));
    ArtWriter art(dir.File("QUILLART.TMP"), true);
    for (int i = 0; i < 5000; ++i) art.Line(i, 0, i, 1);
    EXPECT_FALSE(art.Close());
  }
  EXPECT_EQ(ReadFile(path), "old program");
  EXPECT_FALSE(test::FileExists(dir.File("QUILLART.TMP")));
  EXPECT_TRUE(FilesStartingWith(dir.path(), "JOB.TAP.").empty());
}

// A writer killed at any moment, again and again: every time the file is one of the two whole texts.
TEST_F(AtomicFileTest, AKillAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
  const std::string a(3 << 20, 'a'), b(2 << 20, 'b');
  ASSERT_TRUE(WriteFileAtomically(path, a));
  std::mt19937 random(22);
  for (int round = 0; round < 12; ++round) {
    ChildProcess child = ChildProcess::Fork([&] {
      for (int i = 0;; ++i) WriteFileAtomically(path, i % 2 ? a : b);
    });
    usleep(2000 + random() % 40000);
    child.Kill(SIGKILL);
    EXPECT_EQ(child.Wait().signal, SIGKILL);
    std::string now = ReadFile(path);
    EXPECT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
  }
}

// An append that dies at the write crossing the limit: the artwork file is still the old one, byte for byte.
TEST_F(AtomicFileTest, AnArtworkAppendKilledHalfWayLeavesTheOldArtwork) {
  const std::string art = dir.File("QUILLART.TMP");
  {
    ArtWriter old(art, false);
    for (int i = 0; i < 2000; ++i) old.Line(i, 0, i, 1);
  }
  const std::string before = ReadFile(art);
  ChildProcess child = ChildProcess::Fork(
      [&] {
        ArtWriter more(art, true);
        for (int i = 0; i < 200000; ++i) more.Arc(ArtArcCcw, i, i, 1, 0, 1);
        more.Close();
      },
      {before.size() + (1 << 20), false});
  EXPECT_EQ(child.Wait().signal, SIGXFSZ);
  EXPECT_EQ(ReadFile(art), before);
}

}  // namespace
}  // namespace quill
