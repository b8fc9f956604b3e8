// The Modify menu, Delete and the Properties window.
#include "artwork/workshop/edit_commands.h"

#include "artwork/workshop/properties.h"
#include "workshop_fixture.h"

namespace quill {
namespace {

using EditTest = WorkshopTest;

TEST_F(EditTest, TransformsTouchOnlyTheSelection) {
  Fill({Line(1, 0, 2, 0), Line(0, 0, 0, 1)});
  EXPECT_FALSE(MoveSelected(ui, doc, 1, 1));
  EXPECT_FALSE(DeleteSelected(doc));
  SelectOnly({0});
  ASSERT_TRUE(RotateSelected(ui, doc, 0, 0, 90));
  ExpectLine(doc.At(0), 0, 1, 0, 2);
  ASSERT_TRUE(MoveSelected(ui, doc, -1, 0.5));
  ExpectLine(doc.At(0), -1, 1.5, -1, 2.5);
  ASSERT_TRUE(ScaleSelected(ui, doc, -1, 1.5, 2));
  ExpectLine(doc.At(0), -1, 1.5, -1, 3.5);
  ExpectLine(doc.At(1), 0, 0, 0, 1);
  ASSERT_TRUE(DeleteSelected(doc));
  EXPECT_EQ(doc.Size(), 1u);
}

TEST_F(EditTest, NegativeScaleTurnsHalfATurnAndZeroDoesNothing) {
  Fill({Arc(2, 0, 1, 0, HalfPi), Line(1, 1, 2, 1)});
  SelectOnly({0, 1});
  EXPECT_FALSE(ScaleSelected(ui, doc, 0, 0, 0));
  ASSERT_TRUE(ScaleSelected(ui, doc, 0, 0, -2));
  const tgEntity& a = doc.At(0);
  EXPECT_NEAR(a.X(), -4, 1e-12);
  EXPECT_DOUBLE_EQ(a.R(), 2);  // never negative
  EXPECT_NEAR(a.SA(), Pi, 1e-12);
  EXPECT_NEAR(a.FA(), Pi + HalfPi, 1e-12);
  ExpectLine(doc.At(1), -2, -2, -4, -2);
}

TEST_F(EditTest, MirrorAboutThePickedLine) {
  Fill({Line(0, 0, 0, 1), Line(1, 0, 2, 1), Arc(3, 1, 1, 0, HalfPi)});
  SelectOnly({0, 1, 2});
  ASSERT_TRUE(MirrorSelected(ui, doc, 0));  // the picked line is unselected and stays
  ExpectLine(doc.At(0), 0, 0, 0, 1);
  EXPECT_FALSE(doc.At(0).Selected());
  ExpectLine(doc.At(1), -1, 0, -2, 1);
  EXPECT_NEAR(doc.At(2).X(), -3, 1e-12);
  // A picked arc is no mirror line: one report, nothing mirrored.
  const auto before = doc.Items();
  EXPECT_FALSE(MirrorSelected(ui, doc, 2));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"MirrorLine,line is an called with Arc"});
  EXPECT_EQ(doc.At(1).X(), before[1].X());
  EXPECT_FALSE(MirrorSelected(ui, doc, -1));  // nothing picked
}

TEST_F(EditTest, ArcsCounterClockwiseAndNewOriginTakeEveryEntity) {
  Fill({Arc(0, 0, 1, 0, HalfPi, false), Arc(0, 0, 1, 1, 2, true), Line(1, 1, 2, 2)});
  ASSERT_TRUE(SetAllArcsCCW(doc));
  EXPECT_TRUE(doc.At(0).IsCCW());
  EXPECT_DOUBLE_EQ(doc.At(0).SA(), HalfPi);  // the same points on the arc
  EXPECT_DOUBLE_EQ(doc.At(0).FA(), 0);
  EXPECT_FALSE(SetAllArcsCCW(doc));
  ASSERT_TRUE(MoveOrigin(ui, doc, 1, 1));
  ExpectLine(doc.At(2), 0, 0, 1, 1);
  EXPECT_DOUBLE_EQ(doc.At(1).X(), -1);
}

TEST_F(EditTest, PropertiesShowAndTakeTheFirstSelected) {
  Fill({Point(1, 2), Line(0, 0, 3, 4), Arc(0, 0, 2, 0, HalfPi, false)});
  EntityProperties p;
  EXPECT_FALSE(SelectedProperties(ui, doc, p));
  SelectOnly({0});
  ASSERT_TRUE(SelectedProperties(ui, doc, p));
  EXPECT_EQ(p.fields.size(), 2u);
  EXPECT_EQ(p.information[0], "Length    :  0.000000000000000");
  EXPECT_TRUE(ui.messages.empty());  // a point's length is no error
  SelectOnly({1, 2});
  ASSERT_TRUE(SelectedProperties(ui, doc, p));
  EXPECT_EQ(p.fields[2].caption, "-X- End");
  EXPECT_EQ(p.fields[2].text, "3.000000000000000");
  EXPECT_EQ(p.information[1].substr(0, 13), "Angle     :  ");
  p.fields[0].text = "-1.5";
  ASSERT_TRUE(ApplyProperties(ui, doc, p));
  ExpectLine(doc.At(1), -1.5, 0, 3, 4);

  SelectOnly({2});
  ASSERT_TRUE(SelectedProperties(ui, doc, p));
  EXPECT_EQ(p.fields[3].text, "0.000000000000000");
  EXPECT_EQ(p.fields[4].text, "90.000000000000000");
  EXPECT_FALSE(p.ccw);
  EXPECT_EQ(p.information[1], "Arc Angle :  270.000000000000000");
  p.fields[3].text = "45";
  p.ccw = true;
  ASSERT_TRUE(ApplyProperties(ui, doc, p));
  EXPECT_NEAR(doc.At(2).SA(), Pi / 4, 1e-15);
  EXPECT_TRUE(doc.At(2).IsCCW());
}

TEST_F(EditTest, BadPropertiesChangeNothing) {
  Fill({Arc(0, 0, 2, 0, HalfPi)});
  SelectOnly({0});
  EntityProperties p;
  SelectedProperties(ui, doc, p);
  p.fields[0].text = "1..5";
  EXPECT_FALSE(ApplyProperties(ui, doc, p));
  EXPECT_EQ(ui.Texts()[0].substr(0, 38), "Integer/Double String Conversion Error");
  p.fields[0].text = "1";
  p.fields[2].text = "0";
  EXPECT_FALSE(ApplyProperties(ui, doc, p));
  EXPECT_EQ(ui.Texts()[1], "The Radius of an Arc Must be Greater than 0");
  EXPECT_DOUBLE_EQ(doc.At(0).X(), 0);
  EXPECT_FALSE(doc.CanUndo());
}

}  // namespace
}  // namespace quill
