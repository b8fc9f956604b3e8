// The self-check reads back what the post-processor writes for every kind of machine and finds nothing,
// and finds each fault put into a program by hand: a block off the path, an arc turned the wrong way or
// at another radius, a feed of 0, a cut too deep, a program cut short, a block no control could read.
#include "nc/check/nc_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "../post_test_util.h"
#include "nc/format_number.h"

namespace quill {
namespace {

using test::Lines;
using test::Rec;

// Straight cuts, every kind of arc (a quarter, three quarters, a full circle, a half, one too small
// to be an arc), a deeper cut, a machine-code line between two strokes and a reset of the position.
Lines Records(const std::string& rotaryRadius = "0.0") {
  return {"5 " + rotaryRadius,
          Rec(0, 1, 0, 0.1, 0),
          Rec(1, 1, 0, -0.01, 4),
          Rec(3, 0, 1, -0.01, 8, 0, 0),
          Rec(2, 1, 0, -0.01, 8, 0, 0),
          Rec(3, 1, 0, -0.01, 8, 0.5, 0),
          Rec(2, 0, 0, -0.01, 8, 0.5, 0),
          Rec(3, 0.0004, 0, -0.01, 8, 0.0002, 0),
          Rec(1, 0.5, 0.3, -0.02, 8),
          Rec(0, 0.5, 0.3, 0.1, 0),
          "900 (NEXT)",
          "901 Reset Home",
          Rec(0, 2, 2, 0.1, 0),
          Rec(1, 2, 2, -0.01, 4),
          Rec(1, 3, 2.5, -0.01, 8),
          Rec(2, 3.5, 2, -0.01, 8, 3, 2),
          Rec(0, 3.5, 2, 0.1, 0),
          "-999"};
}

Lines Without(Lines records, const std::string& record) {
  records.erase(std::remove(records.begin(), records.end(), record), records.end());
  return records;
}

const std::string FullCircle = Rec(3, 1, 0, -0.01, 8, 0.5, 0);

class NcCheckTest : public ::testing::Test {
 protected:
  // Posted between a start-up macro that lifts the tool and a shutdown that sends it home; an
  // incremental program starts at the origin, as it assumes, and is never told to forget its position.
  CheckReport PostAndCheck(const MachineDefinition& m, Lines records = Records()) {
    PostJob job;
    job.machine = m;
    job.startup = {"G00 Z0.5"};
    job.shutdown = {"G00 Z0.5", "G00 X0 Y0"};
    const bool gcode = m.MTYPE == MachMill || m.MTYPE == MachLathe;
    if (!gcode || !m.Absolute()) job.startup = job.shutdown = {};
    if (!m.Absolute()) records = Without(records, "901 Reset Home");
    // Neither a radius nor unsigned offsets name a full circle.
    if (m.MTYPE == MachEzTrack || m.ARCTYPE == ArcUnsigned) records = Without(records, FullCircle);
    program = run.Post(job, records);
    EXPECT_FALSE(program.empty()) << m.name;
    return Check(m);
  }
  CheckReport Check(const MachineDefinition& m) {
    std::string text;
    for (const auto& line : program) text += line + "\r\n";
    test::WriteFile(run.dir.File("CHECK.TAP"), text);
    return CheckNcProgram(run.dir.File("CHECK.TAP"), m, run.dir.File("QUILLMAR.CL"));
  }
  static std::string Describe(const CheckReport& r) {
    std::string s = r.error;
    for (const auto& f : r.findings) s += f.Describe() + "\n";
    return s;
  }
  // The line of the program that holds text.
  size_t Find(const std::string& text) const {
    for (size_t i = 0; i < program.size(); ++i) {
      if (program[i].find(text) != std::string::npos) return i;
    }
    ADD_FAILURE() << "no line holds " << text;
    return 0;
  }

  test::PostRun run;
  Lines program;
};

struct Variant {
  const char* name;
  std::function<void(MachineDefinition&)> set;
};

MachineDefinition Machine(const Variant& v) {
  MachineDefinition m = test::PlainMill();
  m.name = v.name;
  v.set(m);
  return m;
}

const Variant Dialects[] = {
    {"R arcs", [](MachineDefinition&) {}},
    {"I J from the tool", [](MachineDefinition& m) { m.ARCTYPE = ArcToolToCenter; }},
    {"I J from the centre", [](MachineDefinition& m) { m.ARCTYPE = ArcCenterToTool; }},
    {"unsigned I J", [](MachineDefinition& m) { m.ARCTYPE = ArcUnsigned; }},
    {"absolute centres", [](MachineDefinition& m) { m.ARCTYPE = ArcAbsoluteCenter; }},
    {"arcs as lines", [](MachineDefinition& m) { m.ARCTYPE = ArcLinear; }},
    {"incremental", [](MachineDefinition& m) { m.ABSINC = 2, m.ARCTYPE = ArcToolToCenter; }},
    {"incremental R", [](MachineDefinition& m) { m.ABSINC = 2; }},
    {"incremental lines", [](MachineDefinition& m) { m.ABSINC = 2, m.ARCTYPE = ArcLinear; }},
    {"leading zeros", [](MachineDefinition& m) { m.FORMAT = m.FFORMAT = FmtLeadingZeros; }},
    {"trailing zeros", [](MachineDefinition& m) { m.FORMAT = FmtTrailingZeros, m.ARCTYPE = ArcToolToCenter; }},
    {"both zeros", [](MachineDefinition& m) { m.FORMAT = m.FFORMAT = FmtLeadingTrailing; }},
    {"numbered, redundant, not modal", [](MachineDefinition& m) { m.SEQOUT = m.REDUN = true, m.MODALG = false; }},
    {"three decimals", [](MachineDefinition& m) { m.DIGR = 3, m.ARCTYPE = ArcToolToCenter; }},
    {"no programmable Z", [](MachineDefinition& m) { m.B3AXIS = false, m.ZUPSTR = "S0", m.ZDNSTR = "S1000"; }},
    {"lathe in diameters",
     [](MachineDefinition& m) { m.MTYPE = MachLathe, m.LXFORMAT = 0, m.ARCTYPE = ArcToolToCenter; }},
    {"lathe in radii, R", [](MachineDefinition& m) { m.MTYPE = MachLathe, m.LXFORMAT = 1; }},
    {"lathe, absolute centres", [](MachineDefinition& m) { m.MTYPE = MachLathe, m.LXFORMAT = 0, m.ARCTYPE = 4; }},
    {"Bendix",
     [](MachineDefinition& m) {
       m.MTYPE = MachBendix, m.FORMAT = FmtTrailingZeros, m.FFORMAT = FmtLeadingZeros, m.DIGL = 2;
       m.ARCTYPE = ArcUnsigned, m.SEQOUT = true, m.STARTSEQ = 1, m.FDIGITS = 0;
     }},
    {"EZ-Track", [](MachineDefinition& m) { m.MTYPE = MachEzTrack; }},
    {"listing", [](MachineDefinition& m) { m.MTYPE = MachPrint; }},
    {"incremental listing", [](MachineDefinition& m) { m.MTYPE = MachPrint, m.ABSINC = 2; }},
    {"DXF", [](MachineDefinition& m) { m.MTYPE = MachDxf; }},
    {"3D DXF", [](MachineDefinition& m) { m.MTYPE = MachDxf, m.REDUN = true; }},
};

TEST_F(NcCheckTest, EveryDialectFollowsItsToolPath) {
  for (const Variant& v : Dialects) {
    MachineDefinition m = Machine(v);
    CheckReport r = PostAndCheck(m);
    EXPECT_TRUE(r.error.empty() && r.findings.empty()) << v.name << "\n" << Describe(r);
    EXPECT_TRUE(r.compared) << v.name;
    EXPECT_GE(r.moves, 8) << v.name;
  }
}

// Rotary cutting: the tool path's Y wrapped round the work, or turned on the face, with a radius of 1.
TEST_F(NcCheckTest, RotaryAxesFollowTheToolPath) {
  const Variant rotary[] = {
      {"wrapped on the diameter",
       [](MachineDefinition& m) {
         m.CUTTYPE = CutRotaryDiameter, m.ROTRECT = false, m.ARCTYPE = ArcLinear, m.ROTROTREG = "A", m.ROTORDER = "XZA";
       }},
      {"on the diameter, rectangular",
       [](MachineDefinition& m) {
         m.CUTTYPE = CutRotaryDiameter, m.ARCTYPE = ArcLinear, m.ROTROTREG = "A", m.ROTORDER = "XAZ";
       }},
      {"polar on the face",
       [](MachineDefinition& m) {
         m.CUTTYPE = CutRotaryFace, m.ROTRECT = false, m.ARCTYPE = ArcLinear, m.ROTORDER = "XCZ";
       }},
      {"wrapped, arcs with I J",
       [](MachineDefinition& m) {
         m.CUTTYPE = CutRotaryDiameter, m.ROTRECT = false, m.ARCTYPE = ArcToolToCenter, m.ROTROTREG = "A";
         m.ROTORDER = "XZA";
       }},
  };
  // A point within a thousandth of the face's centre is written at the centre: no tiny arc there.
  const Lines records = Without(Records("1.0"), Rec(3, 0.0004, 0, -0.01, 8, 0.0002, 0));
  for (const Variant& v : rotary) {
    CheckReport r = PostAndCheck(Machine(v), records);
    EXPECT_TRUE(r.error.empty() && r.findings.empty()) << v.name << "\n" << Describe(r);
  }
}

TEST_F(NcCheckTest, FaultsPutInByHandAreFound) {
  MachineDefinition m = test::PlainMill();
  m.ARCTYPE = ArcToolToCenter;
  struct Fault {
    const char* what;
    std::function<void(Lines&)> make;
    FindingKind kind;
  };
  auto at = [this](const std::string& text) { return Find(text); };
  const Fault faults[] = {
      {"a point moved", [&](Lines& p) { p[at("X3.0Y2.5")] = "X3.0Y2.6"; }, FindingKind::LeavesPath},
      {"an arc turned the other way", [&](Lines& p) { p[at("G02X1.0Y0")].replace(0, 3, "G03"); },
       FindingKind::LeavesPath},
      {"an arc at another radius", [&](Lines& p) { p[at("G02X1.0Y0")] += "I-1.1J0.0"; }, FindingKind::ArcRadius},
      {"a feed of 0", [&](Lines& p) { p[at("Z-.01F4.0")].replace(p[at("Z-.01F4.0")].find("F4.0"), 4, "F0"); },
       FindingKind::ZeroFeed},
      {"a cut too deep", [&](Lines& p) { p[at("Z-.02")].replace(p[at("Z-.02")].find("Z-.02"), 5, "Z-.2"); },
       FindingKind::BelowDeepest},
      {"a rapid where it cuts", [&](Lines& p) { p[at("X3.0Y2.5")] = "G00X3.0Y2.5"; }, FindingKind::LeavesPath},
      {"the last strokes lost", [&](Lines& p) { p.resize(at("(NEXT)")); }, FindingKind::EndsEarly},
      {"a block no control reads", [&](Lines& p) { p.insert(p.begin() + 3, "G01 X"); }, FindingKind::Unreadable},
  };
  for (const Fault& f : faults) {
    PostAndCheck(m);
    f.make(program);
    CheckReport r = Check(m);
    bool found = false;
    for (const auto& finding : r.findings) found = found || finding.kind == f.kind;
    EXPECT_TRUE(found) << f.what << "\n" << Describe(r);
  }
}

TEST_F(NcCheckTest, FirstBlockOffThePathIsNamedWithWhereThePathGoes) {
  MachineDefinition m = test::PlainMill();
  PostAndCheck(m);
  const size_t line = Find("X3.0Y2.5");
  program[line] = "X3.0Y2.6";
  CheckReport r = Check(m);
  ASSERT_EQ(r.findings.size(), 1u) << Describe(r);
  EXPECT_EQ(r.findings[0].line, static_cast<long>(line + 1));
  EXPECT_EQ(r.findings[0].Describe(),
            "line " + std::to_string(line + 1) +
                " (X3.0Y2.6): leaves the tool path: it goes to X3.0000 Y2.6000 Z-0.0100 where the tool path runs "
                "from X2.0000 Y2.0000 Z-0.0100 to X3.0000 Y2.5000 Z-0.0100 (its line 15)");
}

TEST_F(NcCheckTest, ProgramAloneAndProgramsThatCannotBeRead) {
  MachineDefinition m = test::PlainMill();
  PostAndCheck(m);
  CheckReport alone = CheckNcProgram(run.dir.File("CHECK.TAP"), m, "");
  EXPECT_FALSE(alone.compared);
  EXPECT_TRUE(alone.findings.empty());
  EXPECT_EQ(CheckNcProgram(run.dir.File("NONE.TAP"), m, "").error,
            "Cannot open the NC file [" + run.dir.File("NONE.TAP") + "]");
  test::WriteFile(run.dir.File("BAD.CL"), "5 0\r\n1 1 2\r\n");
  EXPECT_EQ(CheckNcProgram(run.dir.File("CHECK.TAP"), m, run.dir.File("BAD.CL")).error,
            "The tool path [" + run.dir.File("BAD.CL") + "] cannot be read at its line 2");
  // Another job's tool path: the program never gets to its start.
  test::WriteFile(run.dir.File("OTHER.CL"), Rec(0, 9, 9, 0.1, 0) + "\r\n" + Rec(1, 9, 9, -0.01, 4) + "\r\n-999\r\n");
  CheckReport other = CheckNcProgram(run.dir.File("CHECK.TAP"), m, run.dir.File("OTHER.CL"));
  ASSERT_FALSE(other.findings.empty());
  EXPECT_EQ(other.findings.back().kind, FindingKind::NeverReaches) << Describe(other);
}

// Numbers far out of any range in the words a reader turns into codes: read past or named, never a fault.
TEST_F(NcCheckTest, CodesOutOfEveryRangeAreReadWithoutHarm) {
  const std::string path = run.dir.File("HAND.TAP");
  MachineDefinition m = test::PlainMill();
  test::WriteFile(path, "N21G20 G06666666666666666666666666666666666666666666668 G40\r\nG1e300X1.0\r\nG-99999999999Y1\r\n");
  EXPECT_TRUE(CheckNcProgram(path, m, "").error.empty());
  m.MTYPE = MachDxf;
  test::WriteFile(path, "0\r\nSECTION\r\n2\r\nENTITIES\r\n1e300\r\nLINE\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n");
  CheckReport r = CheckNcProgram(path, m, "");
  ASSERT_FALSE(r.findings.empty());
  EXPECT_EQ(r.findings[0].Describe(), "line 5 (1e300): cannot be read: no group code");
}

// Programs no post-processor of this program writes, but a hand or another program might.
TEST_F(NcCheckTest, ProgramsThatCannotKeepTheirPathAreFoundOut) {
  test::WriteFile(run.dir.File("QUILLMAR.CL"), Rec(0, 1, 0, 0.1, 0) + "\r\n" + Rec(1, 1, 0, -0.01, 4) + "\r\n" +
                                                   Rec(3, 1, 0, -0.01, 8, 0.5, 0) + "\r\n-999\r\n");
  MachineDefinition m = test::PlainMill();
  // Incremental words after a start-up that lifted the tool: every point lies half an inch too high.
  m.ABSINC = 2;
  program = {"G00 Z0.5", "G91", "G00X1.0Z.1", "G01Z-.11F4.0", "G03I-.5J0F8.0"};
  CheckReport r = Check(m);
  ASSERT_FALSE(r.findings.empty());
  EXPECT_EQ(r.findings.back().kind, FindingKind::NeverReaches) << Describe(r);
  // Unsigned offsets cannot say which way round a full circle lies.
  m = test::PlainMill();
  m.ARCTYPE = ArcUnsigned;
  program = {"G90", "G00X1.0Y0Z.1", "G01Z-.01F4.0", "G03I.5J0F8.0"};
  r = Check(m);
  ASSERT_FALSE(r.findings.empty());
  EXPECT_EQ(r.findings[0].Describe(),
            "line 4 (G03I.5J0F8.0): an arc by unsigned offsets whose ends coincide names no single circle");
}

}  // namespace
}  // namespace quill
