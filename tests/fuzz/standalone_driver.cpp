// Runs a fuzz harness without libFuzzer: every file of the seed corpus, then mutations of them and
// random inputs from a fixed seed, so a test run is repeatable.  Arguments: the corpus folder and,
// optionally, how many inputs to generate (3000; fewer for the harnesses that run a whole stage).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::string> LoadCorpus(const char* dir) {
  std::vector<std::string> seeds;
  std::error_code ec;
  if (!dir || !std::filesystem::is_directory(dir, ec)) return seeds;
  for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
    std::ifstream in(e.path(), std::ios::binary);
    seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return seeds;
}

std::string Mutate(std::string s, std::mt19937& rng) {
  int edits = 1 + static_cast<int>(rng() % 8);
  for (int i = 0; i < edits; ++i) {
    size_t at = s.empty() ? 0 : rng() % s.size();
    switch (rng() % 4) {
      case 0: if (!s.empty()) s[at] = static_cast<char>(rng()); break;
      case 1: s.insert(s.begin() + static_cast<long>(at), static_cast<char>(rng())); break;
      case 2: if (!s.empty()) s.erase(at, 1 + rng() % 16); break;
      default: if (!s.empty()) s.insert(at, s.substr(rng() % s.size(), 1 + rng() % 32)); break;
    }
  }
  return s;
}

void RunOne(const std::string& s) { LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(s.data()), s.size()); }

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> seeds = LoadCorpus(argc > 1 ? argv[1] : nullptr);
  for (const auto& s : seeds) RunOne(s);
  std::mt19937 rng(20081);
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 3000;
  for (int i = 0; i < rounds; ++i) {
    if (!seeds.empty() && i % 4 != 3) {
      RunOne(Mutate(seeds[rng() % seeds.size()], rng));
    } else {
      std::string s(rng() % 256, '\0');
      for (char& c : s) c = static_cast<char>(rng());
      RunOne(s);
    }
  }
  std::printf("%zu seeds, %d generated inputs: no fault\n", seeds.size(), rounds);
  return 0;
}
