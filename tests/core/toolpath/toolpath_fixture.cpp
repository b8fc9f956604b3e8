#include "toolpath_fixture.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "records/cl_record.h"

namespace quill {

std::string Cl(int code, double x, double y, double z, double f, double cx, double cy) {
  return FormatClRecord(code, x, y, z, f, cx, cy);
}

namespace {

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool SameWord(const std::string& a, const std::string& b) {
  if (a == b) return true;
  char* endA = nullptr;
  char* endB = nullptr;
  double x = std::strtod(a.c_str(), &endA), y = std::strtod(b.c_str(), &endB);
  return *endA == '\0' && *endB == '\0' && std::fabs(x - y) < 1e-9;
}

bool SameLine(const std::string& a, const std::string& b) {
  auto wa = Words(a), wb = Words(b);
  if (wa.size() != wb.size()) return false;
  for (size_t i = 0; i < wa.size(); ++i) {
    if (!SameWord(wa[i], wb[i])) return false;
  }
  return true;
}

}  // namespace

void ExpectGolden(const std::string& actualPath, const std::string& goldenName) {
  std::string golden = test::SourceDir() + "/tests/core/toolpath/golden/" + goldenName;
  if (std::getenv("QUILL_UPDATE_GOLDEN")) {
    test::WriteFile(golden, test::ReadFile(actualPath));
    return;
  }
  auto want = test::ReadLines(golden), got = test::ReadLines(actualPath);
  ASSERT_FALSE(want.empty()) << "no golden file " << golden;
  ASSERT_EQ(got.size(), want.size()) << goldenName;
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_TRUE(SameLine(got[i], want[i]))
        << goldenName << " line " << i + 1 << "\n got:  " << got[i] << "\n want: " << want[i];
  }
}

}  // namespace quill
