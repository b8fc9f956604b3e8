// LinuxCNC's standalone interpreter reads the DMILL programs back: it must accept them, and its
// canonical moves must follow the points of the tool path.  scripts/get-rs274.sh provides it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "records/cl_record.h"
#include "test_support.h"

namespace quill::test {
namespace {

struct Point {
  double x, y, z;
};

std::string Rs274Root() {
  const char* env = std::getenv("QUILL_RS274_DIR");
  return env ? env : SourceDir() + "/build/rs274";
}

bool Same(const Point& a, const Point& b) {
  return std::fabs(a.x - b.x) < 1e-4 && std::fabs(a.y - b.y) < 1e-4 && std::fabs(a.z - b.z) < 1e-4;
}

void AddPoint(std::vector<Point>& points, const Point& p) {
  if (points.empty() || !Same(points.back(), p)) points.push_back(p);
}

// The end points of the interpreter's moves: STRAIGHT_TRAVERSE and STRAIGHT_FEED start with X, Y, Z;
// ARC_FEED (in the XY plane) with the end's X and Y, and has Z after the centre and the turn count.
std::vector<Point> CanonicalMoves(const std::string& output) {
  std::vector<Point> points;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) {
    size_t open = line.find('(');
    if (open == std::string::npos) continue;
    bool arc = line.find("ARC_FEED(") != std::string::npos;
    if (!arc && line.find("STRAIGHT_TRAVERSE(") == std::string::npos &&
        line.find("STRAIGHT_FEED(") == std::string::npos)
      continue;
    std::vector<double> v;
    std::istringstream args(line.substr(open + 1));
    for (std::string field; std::getline(args, field, ',');) v.push_back(std::atof(field.c_str()));
    AddPoint(points, arc ? Point{v.at(0), v.at(1), v.at(5)} : Point{v.at(0), v.at(1), v.at(2)});
  }
  return points;
}

std::vector<Point> ClPoints(const std::string& clFile) {
  std::vector<Point> points;
  for (const std::string& line : ReadLines(clFile)) {
    ClRecord r;
    if (ParseClRecord(line, r) && r.code >= ClRapid && r.code <= ClArcCcw) AddPoint(points, {r.X, r.Y, r.Z});
  }
  return points;
}

// True when the tool path's points are one run of the interpreter's moves (the macros add their own
// moves before and after).
bool Follows(const std::vector<Point>& moves, const std::vector<Point>& path) {
  for (size_t start = 0; start + path.size() <= moves.size(); ++start) {
    size_t i = 0;
    while (i < path.size() && Same(moves[start + i], path[i])) ++i;
    if (i == path.size()) return true;
  }
  return false;
}

class Interpreter : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!FileExists(Rs274Root() + "/usr/bin/rs274")) {
      FAIL() << "LinuxCNC's rs274 is not in " << Rs274Root() << ": run scripts/get-rs274.sh";
    }
  }
  RunResult Interpret(const std::string& program) {
    WriteFile(dir.File("tool.tbl"), "T1 P1 D0.125 Z0\n");
    WriteFile(dir.File("empty.var"), "");
    const std::string root = Rs274Root();
    // Two interpreters at once can bring one down (bus error, no output): the tests take turns.
    int lock = open((std::filesystem::temp_directory_path() / "quill-rs274.lock").c_str(), O_CREAT | O_RDWR, 0666);
    if (lock >= 0) flock(lock, LOCK_EX);
    struct Unlock {
      int fd;
      ~Unlock() {
        if (fd >= 0) close(fd);
      }
    } unlock{lock};
    return RunProgram({root + "/usr/bin/rs274", "-t", dir.File("tool.tbl"), "-v", dir.File("empty.var"), "-g", program},
                      dir.path(), {"LD_LIBRARY_PATH=" + root + "/usr/lib:" + root + "/usr/lib/x86_64-linux-gnu"});
  }
  void ExpectAcceptedAndFollowing(const std::string& program, const std::string& clFile) {
    RunResult r = Interpret(program);
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    std::vector<Point> path = ClPoints(clFile);
    ASSERT_GT(path.size(), 2u);
    EXPECT_TRUE(Follows(CanonicalMoves(r.out), path)) << r.out;
  }
  TempDir dir;
};

TEST_F(Interpreter, SampleProjectRun) {
  TempDir home, outside;
  WriteFile(dir.File("SAMPLE.QLM"), ReadFile(SourceDir() + "/data/samples/SAMPLE.QLM"));
  RunResult r = RunProgram({BinaryDir() + "/quillpro2008", "--home", home.path(), "SAMPLE.QLM", "-r"}, dir.path(),
                           {"QUILLMARK_HOME=", "XDG_CONFIG_HOME=" + outside.path()});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  ExpectAcceptedAndFollowing(dir.File("SAMPLE.TAP"), home.File("QUILLMAR.CL"));
}

TEST_F(Interpreter, ArcsOfEveryKind) {
  const std::vector<std::string> records = {
      "5 0.0",
      FormatClRecord(0, 1, 0, 0.1, 0),
      FormatClRecord(1, 1, 0, -0.01, 4),
      FormatClRecord(3, 0, 1, -0.01, 8, 0, 0),            // a quarter counter-clockwise
      FormatClRecord(2, 1, 0, -0.01, 8, 0, 0),            // three quarters clockwise: negative R
      FormatClRecord(3, 1, 0, -0.01, 8, 0.5, 0),          // a full circle
      FormatClRecord(2, 0, 0, -0.01, 8, 0.5, 0),          // half a turn
      FormatClRecord(3, 0.0004, 0, -0.01, 8, 0.0002, 0),  // too small for an arc
      "900 (NEXT)",
      "901 Reset Home",
      FormatClRecord(0, 0.0004, 0, 0.1, 0),
      "-999"};
  std::string cl;
  for (const auto& r : records) cl += r + "\r\n";
  WriteFile(dir.File("ARCS.CL"), cl);
  RunResult r = RunProgram(
      {BinaryDir() + "/quill", "post", "--home", dir.File("home"), "ARCS.CL", "ARCS.ngc", "--machine", "DMILL"},
      dir.path(), {"QUILLMARK_HOME=", "XDG_CONFIG_HOME=" + dir.File("config")});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  ExpectAcceptedAndFollowing(dir.File("ARCS.ngc"), dir.File("ARCS.CL"));
}

}  // namespace
}  // namespace quill::test
