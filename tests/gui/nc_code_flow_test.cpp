// The NC code as the operator makes it from the main window: Generate NC-Code, Start, the note of
// where the code went and how long it is, and Edit NC-Code File on the file just written.
#include <QPlainTextEdit>
#include <QPushButton>

#include "sample_job_fixture.h"
#include "stages/nc_editor.h"
#include "stages/nc_post_form.h"

namespace quill {
namespace {

class NcCodeFlowTest : public SampleJobTest {
 protected:
  NcCodeFlowTest() { RegisterStageWindows(context, main.get()); }
  TNCPOSTForm& Generator() { return *main->findChild<TNCPOSTForm*>("TNCPOSTForm"); }
  TNCEditor& Editor() { return *main->findChild<TNCEditor*>("TNCEditor"); }
};

TEST_F(NcCodeFlowTest, StartSaysWhereTheCodeWentAndTheEditorOpensIt) {
  OpenSample("SAMPLE.QLM");
  std::string nc = home.File("SAMPLE.TAP");
  choosers->answers = {nc};
  Trigger("Generate NC-Code");
  ASSERT_TRUE(Generator().isVisible());
  QTest::mouseClick(Generator().StartButton(), Qt::LeftButton);
  ASSERT_TRUE(test::FileExists(nc));
  size_t blocks = test::ReadLines(nc).size();
  EXPECT_EQ(ui.Console(StatusChannel::General),
            "NC code written to " + nc + ": " + std::to_string(blocks) + " blocks\n");

  Trigger("Edit NC-Code FIle");
  ASSERT_TRUE(Editor().isVisible());
  EXPECT_EQ(Editor().FileName(), nc);
  EXPECT_EQ(static_cast<size_t>(Editor().Editor()->document()->blockCount()), blocks + 1);  // the last line ends
  // Once opened, the editor is the operator's again: a second Edit NC-Code File leaves it as it is.
  Editor().Editor()->setPlainText("G0 X0");
  Trigger("Edit NC-Code FIle");
  EXPECT_EQ(Editor().Editor()->toPlainText(), "G0 X0");
  EXPECT_TRUE(ui.messages.empty()) << testing::PrintToString(ui.Texts());
}

}  // namespace
}  // namespace quill
