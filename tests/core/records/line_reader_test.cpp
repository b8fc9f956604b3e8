// Work files read line by line: endings, the cap on a line's length, and lines that straddle the
// reader's buffer, checked against the plain definition on random files.
#include "records/line_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "test_support.h"

namespace quill {
namespace {

// The definition: lines end at a line feed, a last line may lack one, each keeps its first `cap`
// characters and then loses one carriage return at its end.
std::vector<std::string> Lines(const std::string& text, size_t cap) {
  std::vector<std::string> out;
  size_t at = 0;
  while (at < text.size()) {
    size_t feed = text.find('\n', at);
    if (feed == std::string::npos) feed = text.size();
    std::string line = text.substr(at, std::min(feed - at, cap));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
    at = feed + 1;
  }
  return out;
}

std::vector<std::string> Read(const std::string& path, size_t cap) {
  LineReader in(path, cap);
  std::vector<std::string> out;
  for (std::string line; in.Next(line);) out.push_back(line);
  EXPECT_EQ(in.LineNumber(), static_cast<long>(out.size()));
  return out;
}

TEST(LineReader, EndingsCapsAndLinesAcrossTheBuffer) {
  test::TempDir dir;
  const std::string path = dir.File("WORK.TMP");
  test::WriteFile(path, std::string("a\r\nb\rc\n\n\r\nlast\r", 15));
  EXPECT_EQ(Read(path, 64), (std::vector<std::string>{"a", "b\rc", "", "", "last"}));
  EXPECT_EQ(Read(path, 1), (std::vector<std::string>{"a", "b", "", "", "l"}));
  test::WriteFile(path, std::string("x\0y\n", 4));
  EXPECT_EQ(Read(path, 64), std::vector<std::string>{std::string("x\0y", 3)});

  std::mt19937 random(2008);
  for (int round = 0; round < 6; ++round) {
    std::string text;
    while (text.size() < 300000) {
      // Mostly short lines, now and then one longer than the buffer.
      const size_t length = random() % 50 == 0 ? 70000 + random() % 70000 : random() % 120;
      for (size_t i = 0; i < length; ++i) text += "ab\r0 9.5-"[random() % 9];
      text += random() % 3 ? "\r\n" : "\n";
    }
    if (round % 2) text.pop_back();  // no ending on the last line
    test::WriteFile(path, text);
    for (size_t cap : {size_t{5}, size_t{100}, LineReader::DefaultCap}) ASSERT_EQ(Read(path, cap), Lines(text, cap));
  }
  EXPECT_TRUE(Read(dir.File("MISSING.TMP"), 64).empty());
}

}  // namespace
}  // namespace quill
