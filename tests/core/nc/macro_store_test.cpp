#include "nc/macro_store.h"

#include <gtest/gtest.h>

#include "project/profile.h"
#include "test_support.h"

namespace quill {
namespace {

using Lines = std::vector<std::string>;

class MacroStore : public ::testing::Test {
 protected:
  MacroStore() : posts(dir.File("QPOSTS.INI")) {
    test::WriteFile(dir.File("QPOSTS.INI"),
                    "[M]\nM1N=A\nM1L1=a1\nM2N=B\nM2L1=b1\nM2L2=NOMORE\nM2L3=lost\nM3N=C\nM3L1=c1\nM3L2=c2\n");
  }
  test::TempDir dir;
  ProfileFile posts;
};

TEST_F(MacroStore, ListFindAndRead) {
  EXPECT_EQ(ListMacros(posts, "M"), (Lines{"A", "B", "C"}));
  EXPECT_EQ(FindMacroSlot(posts, "M", "C"), 3);
  EXPECT_EQ(FindMacroSlot(posts, "M", "c"), 0);  // names match exactly
  EXPECT_EQ(FindMacroLines(posts, "M", "B"), (Lines{"b1"}));
  EXPECT_EQ(FindMacroLines(posts, "M", "C"), (Lines{"c1", "c2"}));
  EXPECT_TRUE(FindMacroLines(posts, "OTHER", "A").empty());
}

TEST_F(MacroStore, DeletedSlotIsReusedByTheNextNewMacro) {
  ASSERT_TRUE(DeleteMacro(posts, "M", "B"));
  EXPECT_EQ(ListMacros(posts, "M"), (Lines{"A", "C"}));
  EXPECT_EQ(posts.ReadString("M", "M2L3", "gone"), "gone");  // no stale line is left for a later macro
  ASSERT_TRUE(SaveMacro(posts, "M", "D", {"d1", "d2"}));
  EXPECT_EQ(FindMacroSlot(posts, "M", "D"), 2);
  EXPECT_EQ(FindMacroLines(posts, "M", "D"), (Lines{"d1", "d2"}));
}

TEST_F(MacroStore, SavingReplacesTheMacroOfThatName) {
  ASSERT_TRUE(SaveMacro(posts, "M", "C", {"new"}));
  EXPECT_EQ(FindMacroSlot(posts, "M", "C"), 3);
  EXPECT_EQ(FindMacroLines(posts, "M", "C"), (Lines{"new"}));
}

TEST_F(MacroStore, RenamingTakesTheFirstFreeSlot) {
  ASSERT_TRUE(RenameMacro(posts, "M", "C", "Z", {"z1"}));
  EXPECT_EQ(ListMacros(posts, "M"), (Lines{"A", "B", "Z"}));
  ASSERT_TRUE(DeleteMacro(posts, "M", "A"));
  ASSERT_TRUE(RenameMacro(posts, "M", "Z", "Y", {"y1"}));
  EXPECT_EQ(FindMacroSlot(posts, "M", "Y"), 1);
}

TEST_F(MacroStore, AFullMachineRefusesANewMacroWithoutLosingAny) {
  std::vector<std::pair<std::string, std::string>> names;
  for (int i = 4; i <= ListedMacroSlots; ++i)
    names.emplace_back("M" + std::to_string(i) + "N", "X" + std::to_string(i));
  ASSERT_TRUE(posts.WriteStrings("M", names));
  EXPECT_FALSE(SaveMacro(posts, "M", "NEW", {"n"}));
  EXPECT_EQ(ListMacros(posts, "M").size(), 50u);
  EXPECT_TRUE(SaveMacro(posts, "M", "X50", {"kept"}));  // an existing one still saves in place
  EXPECT_EQ(FindMacroLines(posts, "M", "X50"), (Lines{"kept"}));
}

}  // namespace
}  // namespace quill
