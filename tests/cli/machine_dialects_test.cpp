// Every bundled machine posts the sample jobs and the program's own self-check reads them back; the
// controllers of today's shops are held to the words they read (a table of each one's word set, every
// other word being one it rejects), and LinuxCNC's interpreter judges the dialects it reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <regex>
#include <set>

#include "nc/check/nc_check.h"
#include "nc/machine_definition.h"
#include "nc/machine_list.h"
#include "nc/macro_store.h"
#include "nc/translate_cl.h"
#include "project/profile.h"
#include "rs274.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill::test {
namespace {

using Lines = std::vector<std::string>;

// The words a controller reads; any other letter, G code or M code it refuses.
struct Controller {
  const char* machine;  // its definition in the bundled QPOSTS.INI
  std::string letters;
  std::set<std::string> gCodes;
  std::set<std::string> mCodes;
  bool lineNumbers;  // N words are welcome
  bool percent;      // a "%" line marks the program's ends
  size_t longest;    // the longest block it takes (0: any)
  bool z;            // a programmable Z: LinuxCNC's moves are compared in Z too
  double rounding;   // of its coordinate words: three decimals of a millimetre, four of an inch
};

const std::set<std::string> GrblG = {"0",    "1",  "2",    "3",    "4",    "10",   "17",   "18",   "19",   "20",
                                     "21",   "28", "28.1", "30",   "30.1", "38.2", "38.3", "38.4", "38.5", "40",
                                     "43.1", "49", "53",   "54",   "55",   "56",   "57",   "58",   "59",   "61",
                                     "80",   "90", "91",   "91.1", "92",   "92.1", "93",   "94"};
const std::set<std::string> GrblM = {"0", "1", "2", "3", "4", "5", "7", "8", "9", "30", "56"};
const std::set<std::string> LinuxCncG = {
    "0",    "1",    "2",    "3",    "4",    "5",    "5.1",  "5.2",  "5.3",  "7",    "8",    "10",   "17",   "17.1",
    "18",   "18.1", "19",   "19.1", "20",   "21",   "28",   "28.1", "30",   "30.1", "33",   "33.1", "38.2", "38.3",
    "38.4", "38.5", "40",   "41",   "41.1", "42",   "42.1", "43",   "43.1", "43.2", "49",   "52",   "53",   "54",
    "55",   "56",   "57",   "58",   "59",   "59.1", "59.2", "59.3", "61",   "61.1", "64",   "73",   "76",   "80",
    "81",   "82",   "83",   "84",   "85",   "86",   "87",   "88",   "89",   "90",   "90.1", "91",   "91.1", "92",
    "92.1", "92.2", "92.3", "93",   "94",   "95",   "96",   "97",   "98",   "99"};
const std::set<std::string> LinuxCncM = {"0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",
                                         "30", "48", "49", "50", "51", "52", "53", "60", "61", "62",
                                         "63", "64", "65", "66", "67", "68", "70", "71", "72", "73"};
const std::set<std::string> MachG = {
    "0",  "1",  "2",  "3",    "4",  "10",   "12", "13",   "15", "16", "17", "18", "19", "20", "21", "28", "28.1",
    "30", "31", "40", "41",   "42", "43",   "44", "49",   "50", "51", "52", "53", "54", "55", "56", "57", "58",
    "59", "60", "61", "64",   "68", "69",   "70", "71",   "73", "80", "81", "82", "83", "84", "85", "86", "87",
    "88", "89", "90", "90.1", "91", "91.1", "92", "92.1", "93", "94", "95", "96", "97", "98", "99"};
const std::set<std::string> MachM = {"0", "1", "2",  "3",  "4",  "5",  "6",  "7",
                                     "8", "9", "30", "47", "48", "49", "98", "99"};

const Controller Controllers[] = {
    {"GRBL 1.1", "FGIJKLMNPRSTXYZ", GrblG, GrblM, false, false, 80, true, 6e-4},
    {"GRBL LASER", "FGIJKLMNPRSTXYZ", GrblG, GrblM, false, false, 80, false, 6e-4},
    {"LINUXCNC INCH", "ABCDFGHIJKLMNPQRSTUVWXYZ", LinuxCncG, LinuxCncM, false, true, 0, true, 1e-4},
    {"LINUXCNC METRIC", "ABCDFGHIJKLMNPQRSTUVWXYZ", LinuxCncG, LinuxCncM, false, true, 0, true, 6e-4},
    {"MACH3 MILL", "ABCDFGHIJKLMNOPQRSTUVWXYZ", MachG, MachM, true, true, 0, true, 1e-4},
};

// "G01" and "G1" are the same code.
std::string CodeNumber(const std::string& body) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", body.empty() ? -1.0 : std::stod(body));
  return text;
}

// The first word of the block the controller would refuse, or "".
std::string Refused(const Controller& c, const std::string& line) {
  std::string text = std::regex_replace(line, std::regex("\\([^)]*\\)|;.*$"), "");
  if (c.longest && line.size() > c.longest) return "a block of " + std::to_string(line.size()) + " characters";
  if (text.find_first_not_of(" \t\r") == std::string::npos) return "";
  if (text.find('%') != std::string::npos) {
    return c.percent && std::regex_match(text, std::regex("\\s*%\\s*")) ? "" : "%";
  }
  static const std::regex word("\\s*([A-Za-z])\\s*([-+]?[0-9]*\\.?[0-9]*)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), word); it != std::sregex_iterator(); ++it) {
    const char letter = static_cast<char>(std::toupper((*it)[1].str()[0]));
    const std::string value = (*it)[2];
    if (c.letters.find(letter) == std::string::npos) return std::string(1, letter) + value;
    if (letter == 'N' && !c.lineNumbers) return "N" + value;
    if (letter == 'G' && !c.gCodes.count(CodeNumber(value))) return "G" + value;
    if (letter == 'M' && !c.mCodes.count(CodeNumber(value))) return "M" + value;
  }
  std::string rest = std::regex_replace(text, word, "");
  return rest.find_first_not_of(" \t\r") == std::string::npos ? "" : "\"" + rest + "\"";
}

const ProfileFile& Bundled() {
  static const ProfileFile posts(SourceDir() + "/data/machines/QPOSTS.INI");
  return posts;
}

// The sample jobs' tool paths, made once per test by the unattended run: the four layouts and the
// data merge of name tags.
class MachineDialects : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const std::string sample : {"SAMPLE", "ARC", "CURVE", "TRUETYPE", "TAGS"}) {
      TempDir& home = homes[sample];
      WriteFile(dir.File(sample + ".QLM"), ReadFile(SourceDir() + "/data/samples/" + sample + ".QLM"));
      Lines args = {BinaryDir() + "/quill", "run", sample + ".QLM", "--home", home.path()};
      if (sample == "TAGS") args.insert(args.end(), {"--data", SourceDir() + "/data/samples/TAGS.CSV", "--no-comment"});
      RunResult r = RunProgram(args, dir.path(), {"QUILLMARK_HOME=", "XDG_CONFIG_HOME=" + dir.File("config")});
      ASSERT_EQ(r.exitCode, 0) << sample << ": " << r.err;
      tools[sample] = home.File("QUILLMAR.CL");
    }
  }

  // The sample's tool path posted for a machine of the bundled file with its own macros.
  std::string Post(const std::string& machine, const std::string& sample) {
    PostJob job{ReadMachineDefinition(Bundled(), machine),
                {},
                FindMacroLines(Bundled(), machine, "Startup"),
                FindMacroLines(Bundled(), machine, "Shutdown")};
    std::string cl = tools[sample];
    if (job.machine.Rotary()) {
      // Wrapped round a work of radius 1, or nothing would turn.
      Lines records = ReadLines(cl);
      std::replace(records.begin(), records.end(), std::string("5 0.0000000000000000"), std::string("5 1.0"));
      cl = dir.File("ROTARY.CL");
      std::string text;
      for (const auto& r : records) text += r + "\r\n";
      WriteFile(cl, text);
    }
    std::string out = dir.File(sample + ".nc");
    TestUi ui;
    ui.unattended = true;
    EXPECT_TRUE(TranslateClFile(ui, cl, out, job).ok) << machine << " " << sample;
    lastCl = cl;
    return out;
  }

  TempDir dir;
  std::map<std::string, TempDir> homes;
  std::map<std::string, std::string> tools;
  std::string lastCl;
};

TEST_F(MachineDialects, EveryBundledMachineFollowsEverySample) {
  const Lines machines = ReadMachineList(Bundled());
  ASSERT_EQ(machines.size(), 12u);
  for (const std::string& machine : machines) {
    for (const auto& [sample, cl] : tools) {
      std::string nc = Post(machine, sample);
      CheckReport r = CheckNcProgram(nc, ReadMachineDefinition(Bundled(), machine), lastCl);
      std::string found = r.error;
      for (const auto& f : r.findings) found += f.Describe() + "\n";
      EXPECT_TRUE(r.compared && found.empty()) << machine << ", " << sample << ":\n" << found;
    }
  }
}

TEST_F(MachineDialects, TodaysControllersReadEveryWord) {
  for (const Controller& c : Controllers) {
    for (const auto& [sample, cl] : tools) {
      Lines program = ReadLines(Post(c.machine, sample));
      for (size_t i = 0; i < program.size(); ++i) {
        EXPECT_EQ(Refused(c, program[i]), "") << c.machine << ", " << sample << " line " << i + 1 << ": " << program[i];
      }
    }
  }
  // The table itself: words these controls are known to refuse.
  EXPECT_EQ(Refused(Controllers[0], "T1 M6"), "M6");
  EXPECT_EQ(Refused(Controllers[0], "N10 G0 X1"), "N10");
  EXPECT_EQ(Refused(Controllers[0], "G43 H1"), "G43");
  EXPECT_EQ(Refused(Controllers[0], "G0 A10"), "A10");
  EXPECT_EQ(Refused(Controllers[2], "G0X1$"), "\"$\"");
  EXPECT_EQ(Refused(Controllers[2], "O1000"), "O1000");
  EXPECT_EQ(Refused(Controllers[4], "N10G01X1.0"), "");
}

TEST_F(MachineDialects, LinuxCncReadsTheDialectsItKnows) {
  ASSERT_EQ(Rs274Missing(), "");
  for (const Controller& c : Controllers) {
    for (const auto& [sample, cl] : tools) {
      std::string nc = Post(c.machine, sample);
      RunResult r = Interpret(nc, dir);
      ASSERT_EQ(r.exitCode, 0) << c.machine << ", " << sample << ": " << r.err;
      EXPECT_TRUE(Follows(CanonicalMoves(r.out), ClPoints(cl), c.z, c.rounding)) << c.machine << ", " << sample;
    }
  }
}

}  // namespace
}  // namespace quill::test
