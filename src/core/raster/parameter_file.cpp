#include "raster/parameter_file.h"

#include <sstream>

#include "mathlib/number_text.h"
#include "records/line_reader.h"

namespace quill {

namespace {

std::string Trimmed(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return {};
  size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

// "-name value ..." split at blanks.
std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  std::string w;
  while (in >> w) out.push_back(w);
  return out;
}

class OptionReader {
 public:
  explicit OptionReader(VectorizerParameters& p) : p_(p) {}

  void Read(const std::vector<std::string>& w) {
    const std::string& name = w[0];
    std::string value = w.size() > 1 ? w[1] : "";
    if (name == "-format") {
      if (value != "dxf") Fail("the vectorizer writes DXF only, not \"" + value + "\"");
    } else if (name == "-dxfopt") {
      p_.dosLines = w.size() > 2 && value == "form" && w[2] == "dos";
    } else if (name == "-monitor") {
      p_.monitor = true;
    } else if (name == "-bezier") {
      p_.settings.bezier = true;
    } else if (name == "-centerline") {
      ReadCentreline(value);
    } else if (name == "-voblack") {
      ReadColourChoice(value);
    } else if (!ReadNumberOption(name, value)) {
      p_.ignored.push_back(Trimmed(Join(w)));
    }
  }

 private:
  static std::string Join(const std::vector<std::string>& w) {
    std::string s;
    for (const auto& x : w) s += x + " ";
    return s;
  }
  void Fail(const std::string& why) {
    if (p_.error.empty()) p_.error = why;
  }
  void ReadCentreline(const std::string& value) {
    if (value == "lines" || value == "mix") {
      p_.settings.centerlines = value == "lines";
    } else {
      Fail("-centerline takes \"lines\" or \"mix\", not \"" + value + "\"");
    }
  }
  void ReadColourChoice(const std::string& value) {
    if (value == "dark") {
      p_.settings.darkestOnly = true;
    } else if (value == "nwhite") {
      p_.settings.omitBrightest = true;
    } else {
      Fail("-voblack takes \"dark\" or \"nwhite\", not \"" + value + "\"");
    }
  }
  bool ReadNumberOption(const std::string& name, const std::string& value) {
    int* target = name == "-lwidth"    ? &p_.settings.lineWidth
                  : name == "-gapfill" ? &p_.gapFill
                  : name == "-grit"    ? &p_.settings.noise
                  : name == "-quant"   ? &p_.settings.colours
                                       : nullptr;
    if (!target) return false;
    std::optional<double> v = StrictToDouble(value);
    if (!v || *v < 0 || *v > 1e6 || *v != static_cast<int>(*v)) {
      Fail(name + " needs a whole number from 0, not \"" + value + "\"");
      return true;
    }
    *target = static_cast<int>(*v);
    if (target == &p_.gapFill) p_.settings.thinGaps = *target > 0;
    return true;
  }

  VectorizerParameters& p_;
};

}  // namespace

VectorizerParameters ParseParameterLines(const std::vector<std::string>& lines) {
  VectorizerParameters p;
  p.settings.darkestOnly = false;
  OptionReader options(p);
  int names = 0;
  for (const std::string& raw : lines) {
    std::string line = Trimmed(raw);
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '-') {
      options.Read(Words(line));
    } else if (names == 0) {
      p.picture = line, ++names;
    } else if (names == 1) {
      p.drawing = line, ++names;
    } else {
      p.ignored.push_back(line);
    }
  }
  if (p.Ok() && p.picture.empty()) p.error = "the parameter file names no picture";
  if (p.Ok() && p.drawing.empty()) p.error = "the parameter file names no drawing";
  return p;
}

VectorizerParameters ReadParameterFile(const std::string& path) {
  LineReader in(path);
  if (!in.IsOpen()) {
    VectorizerParameters p;
    p.error = "cannot read the parameter file " + path;
    return p;
  }
  std::vector<std::string> lines;
  std::string line;
  while (in.Next(line) && lines.size() < 10000) lines.push_back(line);
  return ParseParameterLines(lines);
}

}  // namespace quill
