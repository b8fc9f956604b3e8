#include "app/file_names.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(ForceExtension, ReplacesOnlyTheLastComponentsExtension) {
  EXPECT_EQ(ForceExtension("job.qlm", "TAP"), "job.TAP");
  EXPECT_EQ(ForceExtension("/shop/jobs/job.QLM", "TAP"), "/shop/jobs/job.TAP");
  EXPECT_EQ(ForceExtension("job.", "TAP"), "job.TAP");
  EXPECT_EQ(ForceExtension("job", "TAP"), "job.TAP");
  EXPECT_EQ(ForceExtension("/shop/v1.2/job", "TAP"), "/shop/v1.2/job.TAP");  // a dotted folder
  EXPECT_EQ(ForceExtension("a.b.c", "TAP"), "a.b.TAP");
  EXPECT_EQ(ForceExtension("", "TAP"), "");
  EXPECT_EQ(ForceExtension(std::string(300, 'x') + ".qlm", "TAP"), std::string(300, 'x') + ".TAP");
}

TEST(UpperExtension, ComparesInUpperCase) {
  EXPECT_EQ(UpperExtension("a/job.qlm"), ".QLM");
  EXPECT_EQ(UpperExtension("drawing.Dxf"), ".DXF");
  EXPECT_EQ(UpperExtension("v1.2/job"), "");
  EXPECT_EQ(UpperExtension("job."), ".");
}

}  // namespace
}  // namespace quill
