#include "fonts/font_commands.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

TEST(FontCommands, ProposedNames) {
  EXPECT_EQ(ProposedFontName("/home/shop/fonts/BLOCK.QXS"), "BLOCK.QXF");
  EXPECT_EQ(ProposedSourceName("/home/shop/fonts/BLOCK.QXF"), "BLOCK.QXS");
  EXPECT_EQ(ProposedFontName("C:\\FONTS\\script.qxs"), "script.qxF");
  EXPECT_EQ(ProposedFontName("NOEXT"), "NOEXF");
  EXPECT_EQ(ProposedFontName("/home/shop/"), "");
  EXPECT_EQ(ProposedSourceName(""), "");
}

}  // namespace
}  // namespace quill
