#include "project/engraving_font_choice.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "job/job.h"
#include "project_fixture.h"

namespace quill {
namespace {

class EngravingFontChoice : public ProjectFixture {
 protected:
  EngravingFontChoice() {
    std::filesystem::create_directories(home.File("data/fonts"));
    std::filesystem::create_directories(home.File("elsewhere"));
    test::WriteFile(home.File("data/fonts/SIMPLEX.QXF"), "installed");
  }
};

TEST_F(EngravingFontChoice, FontsTheJobFindsAreTakenByName) {
  EXPECT_EQ(EngravingFontFolder(job.paths), home.File("data/fonts") + "/");
  ASSERT_TRUE(ChooseEngravingFont(job, home.File("data/fonts/SIMPLEX.QXF")));
  EXPECT_EQ(job.paths.EngraveFontFile, "SIMPLEX.QXF");
  EXPECT_FALSE(test::FileExists(home.File("SIMPLEX.QXF")));
}

TEST_F(EngravingFontChoice, AFontFromElsewhereIsCopiedHome) {
  test::WriteFile(home.File("elsewhere/SCRIPT.QXF"), "script");
  ASSERT_TRUE(ChooseEngravingFont(job, home.File("elsewhere/SCRIPT.QXF")));
  EXPECT_EQ(job.paths.EngraveFontFile, "SCRIPT.QXF");
  EXPECT_EQ(test::ReadFile(home.File("SCRIPT.QXF")), "script");
  EXPECT_EQ(EngravingFontFolder(job.paths), home.path() + "/");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EngravingFontChoice, AnotherFontOfTheSameNameIsNotOverwritten) {
  test::WriteFile(home.File("SCRIPT.QXF"), "mine");
  test::WriteFile(home.File("elsewhere/SCRIPT.QXF"), "theirs");
  EXPECT_FALSE(ChooseEngravingFont(job, home.File("elsewhere/SCRIPT.QXF")));
  EXPECT_EQ(test::ReadFile(home.File("SCRIPT.QXF")), "mine");
  EXPECT_EQ(job.paths.EngraveFontFile, "SIMPLEX.QXF");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Warning);
}

}  // namespace
}  // namespace quill
