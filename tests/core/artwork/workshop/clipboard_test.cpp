// Copy, Cut and Paste through the clipboard text and clip.txt.
#include "artwork/workshop/clipboard.h"

#include "workshop_fixture.h"

namespace quill {
namespace {

using ClipboardTest = WorkshopTest;

TEST_F(ClipboardTest, CopyThenPasteAtFiveFive) {
  Fill({Line(0, 0, 2, 0), Line(7, 7, 8, 8)});
  SelectOnly({0});
  std::string text = CopySelection(job, doc);
  EXPECT_EQ(text, "*** QXS Geometry ***\r\nLine   X-1.00000 Y0.00000 Z0.00000 XE1.00000 YE0.00000 ZE0.00000\r\n");
  // The scratch file lives in the program home, whatever the current folder.
  EXPECT_EQ(test::ReadFile(home.File("clip.txt")), text);
  EXPECT_EQ(ReadClipFile(job), text);
  std::vector<tgEntity> items;
  ASSERT_TRUE(ParseClipboard(ui, text, items));
  ASSERT_TRUE(PasteEntities(ui, doc, items, 5, 5));
  ExpectLine(doc.At(2), 4, 5, 6, 5);
  EXPECT_FALSE(doc.At(2).Selected());
}

TEST_F(ClipboardTest, ArcsPointsAndBoxCentre) {
  Fill({Arc(10, 10, 1, 0, HalfPi, false), Point(12, 10)});
  SelectOnly({0, 1});
  std::string text = ClipboardText(ui, doc);
  // The box runs from (9, 9) to (12, 11): its centre (10.5, 10) is the origin of the copy.
  EXPECT_NE(text.find("ArcCw  X-0.50000 Y0.00000 Z0.00000 R1.00000 SA0.00000 FA90.00000"), std::string::npos);
  EXPECT_NE(text.find("Point  X1.50000 Y0.00000 Z0.00000"), std::string::npos);
  std::vector<tgEntity> items;
  ASSERT_TRUE(ParseClipboard(ui, text, items));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_FALSE(items[0].IsCCW());
  EXPECT_NEAR(items[0].FA(), HalfPi, 1e-12);
  EXPECT_TRUE(items[1].IsPoint());
  // Nothing selected: the marker alone.
  SelectOnly({});
  EXPECT_EQ(ClipboardText(ui, doc), "*** QXS Geometry ***\r\n");
}

TEST_F(ClipboardTest, TextWithoutTheMarkerOrWithADamagedLinePastesNothing) {
  std::vector<tgEntity> items{Point(9, 9)};
  EXPECT_FALSE(ParseClipboard(ui, "Line   X0 Y0 Z0 XE1 YE0 ZE0\n", items));
  EXPECT_FALSE(ParseClipboard(ui, "", items));
  EXPECT_FALSE(ParseClipboard(ui, " *** QXS Geometry ***\nLine   X0 Y0 Z0 XE1 YE0 ZE0\n", items));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(
      ParseClipboard(ui, "*** QXS Geometry ***\nLine   X0 Y0 Z0 XE1 YE0 ZE0\nLine   X0 Y0 Z0 XE1.2.3 YE0\n", items));
  ASSERT_EQ(ui.Texts().size(), 1u);
  EXPECT_EQ(ui.Texts()[0], "Damaged Clipboard Line 3, Nothing Pasted:\nLine   X0 Y0 Z0 XE1.2.3 YE0");
  EXPECT_FALSE(ParseClipboard(ui, "*** QXS Geometry ***\nArcCCW X0 Y0 Z0 R-1 SA0 FA90\n", items));
  EXPECT_EQ(items.size(), 1u);  // untouched
}

TEST_F(ClipboardTest, MissingKeysReadAsZeroAndOtherLinesArePassedOver) {
  std::vector<tgEntity> items;
  ASSERT_TRUE(ParseClipboard(ui, "*** QXS Geometry ***\r\nPoint  X1 Y2\r\nhello\r\nArcCCW X1 Y1 R2 FA180\r\n", items));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].Z(), 0);
  EXPECT_TRUE(items[1].IsCCW());
  EXPECT_NEAR(items[1].FA(), Pi, 1e-12);
  EXPECT_EQ(items[1].SA(), 0);
}

TEST_F(ClipboardTest, CutRemovesTheCopiedEntities) {
  Fill({Line(0, 0, 2, 0), Line(7, 7, 8, 8)});
  SelectOnly({1});
  std::string text = CutSelection(job, doc);
  EXPECT_NE(text.find("XE0.50000 YE0.50000"), std::string::npos);
  ASSERT_EQ(doc.Size(), 1u);
  doc.Undo();
  EXPECT_EQ(doc.Size(), 2u);
}

}  // namespace
}  // namespace quill
