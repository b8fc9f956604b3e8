#include "toolpath/merge/merge_template.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(MergeTemplate, FieldsByNameAndNumberFilledOnEveryLine) {
  MergeTemplate t({"{Name} ({2})", "DEPT {Dept}", "{Name}"});
  ASSERT_EQ(t.Fields().size(), 3u);  // {Name} twice is one field
  EXPECT_EQ(t.Fields()[0].name, "Name");
  EXPECT_EQ(t.Fields()[1].column, 2);
  EXPECT_TRUE(t.HasNamedField());
  EXPECT_EQ(t.Fill({"ANN", "7", "IT"}), "ANN (7)\nDEPT IT\nANN");
}

TEST(MergeTemplate, BracesThatOpenNoFieldStayAsTyped) {
  MergeTemplate t({"{{1} {} {open", "a}b {x{1}"});
  ASSERT_EQ(t.Fields().size(), 1u);
  EXPECT_EQ(t.Fields()[0].column, 1);
  EXPECT_FALSE(t.HasNamedField());
  EXPECT_EQ(t.Fill({"V"}), "{1} {} {open\na}b {xV");
  EXPECT_TRUE(MergeTemplate({"PLAIN"}).Fields().empty());
}

}  // namespace
}  // namespace quill
