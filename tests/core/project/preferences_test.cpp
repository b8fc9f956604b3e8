#include <gtest/gtest.h>

#include "project/preference_values.h"
#include "project/preferences_dialog.h"
#include "project/preferences_file.h"
#include "project_fixture.h"

namespace quill {
namespace {

using test::ReadFile;
using test::WriteFile;

class PreferencesFile : public ProjectFixture {};

TEST_F(PreferencesFile, FirstRunWritesEighteenKeysAndFourRecentEntries) {
  job.paths.TapeDir = "/nc/";
  ReadPreferences(job);
  EXPECT_EQ(job.paths.TapeDir, job.paths.ExeDir);
  job.prefs.RecentProjects[0] = "/jobs/A.QLM";
  WritePreferences(job);
  WriteRecentSection(job);
  EXPECT_EQ(ReadFile(job.paths.IniFileName),
            "[DEFAULTS]\nTAPEDIR=" + job.paths.ExeDir +
                "\nDEFEXT=TAP\nAwcolor=clAqua\nTlcolor=clGreen\nTacolor=clPurple\nTPcolor=clGray\n"
                "RAPcolor=clRed\nTPDISPLAY=1\nTPWIDE=1\nTPIMAGE=1\nTPMOVES=1\nPRNLNWIDTH=1\nPRNCOLOR=0\n"
                "PRNTOSCALE=0\nAXIS=1\nRULER=0\nBLACKBACK=0\nPROJTOL=0.02500\n\n[MRU]\n0=/jobs/A.QLM\n1=\n2=\n3=\n");
}

TEST_F(PreferencesFile, ValuesReadBackAndNamesMatchInAnyCase) {
  WriteFile(job.paths.IniFileName,
            "[defaults]\ntpcolor=clBlue\nawcolor=$00123456\nRAPCOLOR=255\nTPimage=0\nAXIS=0x0\n"
            "PRNLNWIDTH=$A\nPROJTOL=0.5\nDEFEXT=NC\n[mru]\n1=/b.QLM\n");
  ReadPreferences(job);
  ReadRecentSection(job);
  const Preferences& p = job.prefs;
  EXPECT_EQ(p.ToolPathColor, clBlue);
  EXPECT_EQ(p.ArtColor, 0x00123456u);
  EXPECT_EQ(p.RapidColor, clRed);
  EXPECT_FALSE(p.ShowToolImage);
  EXPECT_FALSE(p.ShowAxes);
  EXPECT_EQ(p.PrintLineWidth, 10);
  EXPECT_DOUBLE_EQ(p.ProjectionTolerance, 0.5);
  EXPECT_EQ(p.ProjectionToleranceText, "0.50000");
  EXPECT_EQ(p.DefaultExt, "NC");
  EXPECT_EQ(p.RecentProjects, (std::array<std::string, 4>{"", "/b.QLM", "", ""}));

  WritePreferences(job);
  EXPECT_NE(ReadFile(job.paths.IniFileName).find("awcolor=$00123456\n"), std::string::npos);
}

TEST_F(PreferencesFile, UnreadableValuesGiveTheDefaults) {
  job.prefs.ProjectionTolerance = 0.1;
  WriteFile(job.paths.IniFileName,
            "[DEFAULTS]\nTPcolor=blue\nTPDISPLAY=yes\nAXIS=\nPRNLNWIDTH=abc\nPROJTOL=0,5\nRULER=1x\n");
  ReadPreferences(job);
  const Preferences& p = job.prefs;
  EXPECT_EQ(p.ToolPathColor, clGray);
  EXPECT_TRUE(p.ShowToolPath);
  EXPECT_TRUE(p.ShowAxes);
  EXPECT_EQ(p.PrintLineWidth, 1);
  EXPECT_DOUBLE_EQ(p.ProjectionTolerance, 0.1);  // the value in force stays
  EXPECT_FALSE(p.ShowRuler);
}

TEST_F(PreferencesFile, SolidViewerPathOnlyWhenSwitchedOn) {
  WriteFile(job.paths.IniFileName, "[DEFAULTS]\nSOLIDPATH=/opt/viewer/\n");
  ReadSolidViewer(job);
  EXPECT_FALSE(job.prefs.SolidView);
  EXPECT_EQ(job.paths.SolidPath, "");
  WriteFile(job.paths.IniFileName, "[DEFAULTS]\nSOLIDV=1\nSOLIDPATH=/opt/viewer/\n");
  ReadSolidViewer(job);
  EXPECT_TRUE(job.prefs.SolidView);
  EXPECT_EQ(job.paths.SolidPath, "/opt/viewer/");
}

TEST_F(PreferencesFile, DialogFieldsGoBackOnOk) {
  PreferencesFields f = FillPreferencesFields(job);
  EXPECT_EQ(f.tolerance, "0.02500");
  EXPECT_EQ(f.lineWidth, "1");
  EXPECT_EQ(StepLineWidth("1", -1), "1");
  EXPECT_EQ(StepLineWidth("abc", 1), "2");
  EXPECT_EQ(StepLineWidth("4", -1), "3");
  f.lineWidth = "abc";
  f.defaultExt = "NCFILE";
  f.tolerance = "0.01000";
  f.showToolPath = false;
  EXPECT_FALSE(ToolWidthEnabled(f));
  f.rapidColor = clLime;
  ApplyPreferencesFields(job, f);
  EXPECT_EQ(job.prefs.PrintLineWidth, 1);
  EXPECT_EQ(job.prefs.DefaultExt, "NCF");
  EXPECT_DOUBLE_EQ(job.prefs.ProjectionTolerance, 0.01);
  EXPECT_FALSE(job.prefs.ShowToolPath);
  EXPECT_EQ(job.prefs.RapidColor, clLime);
  f.tolerance = "Error";
  ApplyPreferencesFields(job, f);
  EXPECT_DOUBLE_EQ(job.prefs.ProjectionTolerance, 0.01);
}

TEST(PreferenceValues, IntegersColoursAndFloats) {
  EXPECT_EQ(PreferenceInt("42"), 42);
  EXPECT_EQ(PreferenceInt("-7"), -7);
  EXPECT_EQ(PreferenceInt("$ff"), 255);
  EXPECT_EQ(PreferenceInt("0X10"), 16);
  EXPECT_EQ(PreferenceInt("$FFFFFFFF"), -1);
  EXPECT_EQ(PreferenceInt("-2147483648"), INT_MIN);
  EXPECT_FALSE(PreferenceInt("2147483648"));
  EXPECT_FALSE(PreferenceInt("$123456789"));
  EXPECT_FALSE(PreferenceInt("12 "));
  EXPECT_FALSE(PreferenceInt("$"));
  EXPECT_EQ(PreferenceColor("CLWHITE"), clWhite);
  EXPECT_EQ(ColorText(0x00123456), "$00123456");
  EXPECT_EQ(ColorText(clFuchsia), "clFuchsia");
  EXPECT_EQ(PreferenceColor(ColorText(0xFF00000F)), 0xFF00000Fu);
  EXPECT_FALSE(PreferenceFloat("1e999"));
  EXPECT_EQ(PreferenceFloat("0.025"), 0.025);
}

}  // namespace
}  // namespace quill
