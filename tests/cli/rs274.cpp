#include "rs274.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "records/cl_record.h"

namespace quill::test {

namespace {

bool Same(const Point3& a, const Point3& b, bool withZ = true, double tol = 1e-4) {
  return std::fabs(a.x - b.x) < tol && std::fabs(a.y - b.y) < tol && (!withZ || std::fabs(a.z - b.z) < tol);
}

void AddPoint(std::vector<Point3>& points, const Point3& p) {
  if (points.empty() || !Same(points.back(), p)) points.push_back(p);
}

}  // namespace

std::string Rs274Root() {
  const char* env = std::getenv("QUILL_RS274_DIR");
  return env ? env : SourceDir() + "/build/rs274";
}

std::string Rs274Missing() {
  if (FileExists(Rs274Root() + "/usr/bin/rs274")) return {};
  return "LinuxCNC's rs274 is not in " + Rs274Root() + ": run scripts/get-rs274.sh";
}

RunResult Interpret(const std::string& program, const TempDir& dir) {
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

// STRAIGHT_TRAVERSE and STRAIGHT_FEED start with X, Y, Z; ARC_FEED (in the XY plane) with the end's X
// and Y, and has Z after the centre and the turn count.
std::vector<Point3> CanonicalMoves(const std::string& output) {
  std::vector<Point3> points;
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
    AddPoint(points, arc ? Point3{v.at(0), v.at(1), v.at(5)} : Point3{v.at(0), v.at(1), v.at(2)});
  }
  return points;
}

// The points as a program of four decimals holds them, so that two moves the program tells apart stay
// apart here too.
std::vector<Point3> ClPoints(const std::string& clFile) {
  auto held = [](double v) { return std::round(v * 1e4) / 1e4; };
  std::vector<Point3> points;
  for (const std::string& line : ReadLines(clFile)) {
    ClRecord r;
    if (ParseClRecord(line, r) && r.code >= ClRapid && r.code <= ClArcCcw) {
      AddPoint(points, {held(r.X), held(r.Y), held(r.Z)});
    }
  }
  return points;
}

bool Follows(const std::vector<Point3>& moves, const std::vector<Point3>& path, bool withZ, double tolerance) {
  std::vector<Point3> wanted;
  for (const Point3& p : path) {
    if (wanted.empty() || !Same(wanted.back(), p, withZ, tolerance)) wanted.push_back(p);
  }
  for (size_t start = 0; start + wanted.size() <= moves.size(); ++start) {
    size_t i = 0;
    while (i < wanted.size() && Same(moves[start + i], wanted[i], withZ, tolerance)) ++i;
    if (i == wanted.size()) return true;
  }
  return false;
}

void Interpreter::ExpectAcceptedAndFollowing(const std::string& program, const std::string& clFile) {
  RunResult r = Interpret(program, dir);
  ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
  std::vector<Point3> path = ClPoints(clFile);
  ASSERT_GT(path.size(), 2u);
  EXPECT_TRUE(Follows(CanonicalMoves(r.out), path)) << r.out;
}

}  // namespace quill::test
