#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <variant>

#include "nc/format_number.h"
#include "nc/machine_definition.h"
#include "nc/machine_keys.h"
#include "nc/machine_list.h"
#include "nc/machine_setup.h"
#include "project/profile.h"
#include "test_support.h"

namespace quill {
namespace {

using Lines = std::vector<std::string>;

class Machines : public ::testing::Test {
 protected:
  ProfileFile Posts(const std::string& text) {
    test::WriteFile(dir.File("QPOSTS.INI"), text);
    return ProfileFile(dir.File("QPOSTS.INI"));
  }
  test::TempDir dir;
};

TEST_F(Machines, ListSkipsUnusedSlotsInAnyCase) {
  ProfileFile posts = Posts(
      "[machine names]\nnumber=5\nMachine1=ZETA\nMachine2=not used here\nMachine3=\nMachine4=alpha\n"
      "Machine5=NOT USED\nMachine6=BEYOND\n");
  EXPECT_EQ(ReadMachineList(posts), (Lines{"ZETA", "alpha"}));
  EXPECT_EQ(SortedMachineNames(ReadMachineList(posts)), (Lines{"alpha", "ZETA"}));
  EXPECT_EQ(FindMachine(Lines{"alpha", "ZETA"}, "Zeta"), 1);
  EXPECT_EQ(FindMachine(Lines{"alpha"}, "BETA"), -1);
  EXPECT_TRUE(ReadMachineList(Posts("")).empty());
  EXPECT_TRUE(ReadMachineList(Posts("[Machine Names]\nNUMBER=2000000000\n")).empty());
}

TEST_F(Machines, SectionWithoutKeysIsADefaultMill) {
  MachineDefinition m = ReadMachineDefinition(Posts("[EMPTY]\n"), "EMPTY");
  EXPECT_EQ(m.MTYPE, MachMill);
  EXPECT_TRUE(m.Absolute());
  EXPECT_EQ(m.FORMAT, FmtDecimal);
  EXPECT_EQ((Lines{m.RAPCODE, m.LINCODE, m.CWCODE, m.CCWCODE}), (Lines{"G00", "G01", "G02", "G03"}));
  EXPECT_EQ(m.ARCTYPE, ArcRadius);
  EXPECT_TRUE(m.SEQOUT);
  EXPECT_EQ(m.STARTSEQ, 10);
  EXPECT_EQ(m.ROTROTREG, "C");
}

TEST_F(Machines, PostDefaultsFollowTheirKeysAndFlagsAreOnlyOne) {
  MachineDefinition m = ReadMachineDefinition(
      Posts("[M]\nFORMAT=3\nDIGL=5\nSEQOUT=2\nBINVX=1\nMODALG=0\nCWCODE=G2\nMTYPE=2\nLXFORMAT=3\n"), "m");
  EXPECT_EQ(m.FFORMAT, 3);
  EXPECT_EQ(m.FDIGL, 5);
  EXPECT_FALSE(m.SEQOUT);
  EXPECT_FALSE(m.MODALG);
  EXPECT_EQ(m.CWCODE, "G2");
  AxisScales s = ComputeAxisScales(m);
  EXPECT_EQ(s.x, 2.0);  // -2 for the lathe format, inverted
  EXPECT_EQ(s.y, 1.0);
  EXPECT_EQ(LatheXFactor(7), 1.0);
}

TEST_F(Machines, SetupShowsItsOwnDefaultsAndSavesAsTyped) {
  ProfileFile posts = Posts("[NEW]\nBINVY=5\nSEQOUT=5\nARCTYPE=9\nFORMAT=7\nMTYPE=9\n");
  MachineSetup s = LoadMachineSetup(posts, "NEW");
  EXPECT_EQ(s.rotaryRegister, "B");
  EXPECT_EQ(s.feedDigitsLeft, "2");
  EXPECT_TRUE(s.invertY);           // any value but 0 checks it
  EXPECT_FALSE(s.sequenceNumbers);  // only 1 does
  EXPECT_EQ(s.arcType, ArcLinear);
  EXPECT_EQ(s.format, FmtDecimal);
  EXPECT_EQ(s.machineType, -1);
  s.machineType = 1;
  s.digitsLeft = "abc";
  ASSERT_TRUE(SaveMachineSetup(posts, "NEW", s, {"A", "NEW"}));
  EXPECT_EQ(posts.ReadString("NEW", "DIGL", ""), "abc");
  EXPECT_EQ(posts.ReadInt("NEW", "MTYPE", 0), 2);
  EXPECT_EQ(posts.ReadString("NEW", "ROTROTREG", ""), "B");
  EXPECT_EQ(ReadMachineList(posts), (Lines{"A", "NEW"}));
  MachineDefinition m = ReadMachineDefinition(posts, "NEW");
  EXPECT_EQ(m.DIGL, 0);  // a non-numeric text reads as 0
  EXPECT_EQ(m.ROTROTREG, "B");
}

// The setup window writes every key of the table; what it writes for a new machine reads back in the
// post-processor as the post-processor's own defaults, except where the two differ on purpose.
TEST_F(Machines, ANewMachineSavedWithItsDefaultsReadsBackAsThePostDefaults) {
  ProfileFile posts = Posts("");
  ASSERT_TRUE(SaveMachineSetup(posts, "NEW", MachineSetup{}, {"NEW"}));
  std::vector<std::string> written;
  for (const MachineKey& k : MachineKeys()) {
    if (posts.ReadString("NEW", k.key, "absent") != "absent") written.push_back(k.key);
  }
  EXPECT_EQ(written.size(), MachineKeys().size());
  EXPECT_EQ(std::set<std::string>(written.begin(), written.end()).size(), written.size()) << "a key listed twice";

  MachineDefinition saved = ReadMachineDefinition(posts, "NEW"), post;
  EXPECT_EQ(saved.ROTROTREG, "B");
  EXPECT_EQ(post.ROTROTREG, "C");
  EXPECT_EQ(saved.FDIGL, 2);
  EXPECT_EQ(post.FDIGL, post.DIGL);
  saved.ROTROTREG = post.ROTROTREG;
  saved.FDIGL = post.FDIGL;
  saved.name.clear();
  for (const MachineKey& k : MachineKeys()) {
    std::visit([&](auto field) { EXPECT_EQ(saved.*field, post.*field) << k.key; }, k.definition);
  }
}

TEST_F(Machines, ControlsEnabledByMachineType) {
  MachineSetup s;
  s.machineType = 1;
  EXPECT_TRUE(SetupEnablesFor(s).latheXFormat);
  s.machineType = 3;
  EXPECT_FALSE(SetupEnablesFor(s).formatControls);
  s.machineType = 2;
  s.programmableZ = false;
  SetupEnables e = SetupEnablesFor(s);
  EXPECT_EQ((Lines{e.coordinateCaption, e.absCaption, e.incCaption, e.redundantCaption}),
            (Lines{"DXF File Mode", "Mill", "Lathe", "Output 3D Dxf File"}));
  EXPECT_FALSE(e.modalG);
  EXPECT_TRUE(e.spindleCodes);
}

TEST_F(Machines, PrintedListing) {
  MachineSetup s;
  s.latheXFormat = 0;
  s.machineType = 3;
  EXPECT_EQ(MachineListingLines("P", s),
            (Lines{"****** Settings for Machine [P] *******", " ", "Machine Type                   : Print File",
                   "  -- No Additional Settings --"}));
  s.machineType = 1;
  s.cutType = 2;
  s.rectangular = false;
  s.programmableZ = false;
  s.spindleUp = "M51";
  Lines l = MachineListingLines("L", s);
  EXPECT_EQ(l[2], "Machine Type                   : Lathe");
  EXPECT_EQ(l[7], "Lathe -X- Format               : Out 2\" Dia as X2.0");
  EXPECT_EQ(l[14], "Arc Center Type                : Radius of Arc \"R\" Values ");
  EXPECT_EQ(l[15], "Output Redundant Positions     : FALSE");
  EXPECT_NE(std::find(l.begin(), l.end(), "Cutting in Polar Coordinates"), l.end());
  EXPECT_EQ(l[l.size() - 3], "Machine Has Programmable -Z-   : No");
  EXPECT_EQ(l[l.size() - 2], "Codes For Spindle -Up-         : M51");
}

}  // namespace
}  // namespace quill
