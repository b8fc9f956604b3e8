#include "records/cl_record.h"

#include <cstdio>
#include <filesystem>

#include "mathlib/number_text.h"
#include "records/record_fields.h"

namespace quill {

namespace {

constexpr int ClDecimals = 16;

bool HasCentre(int code) {
  return code == ClArcCw || code == ClArcCcw;
}
bool IsCycle(int code) {
  return code >= ClCycleFirst && code <= ClCycleLast;
}
bool SkipsRest(int code) {
  return code == ClRotaryRadius || code == ClText || code == ClResetHome;
}

void Field(std::string& out, double v) {
  out += ' ';
  out += FormatFixed(v, ClDecimals);
}

}  // namespace

std::string FormatClRecord(int code, double x, double y, double z, double f, double cx, double cy) {
  std::string s = std::to_string(code);
  Field(s, x);
  Field(s, y);
  Field(s, z);
  Field(s, f);
  if (HasCentre(code)) {
    Field(s, cx);
    Field(s, cy);
  }
  return s;
}

void ClWriter::Write(int code, double x, double y, double z, double f, double cx, double cy) {
  out_.Put(FormatClRecord(code, x, y, z, f, cx, cy));
}

void ClWriter::WriteRotaryRadius(double r) {
  std::string s = std::to_string(static_cast<int>(ClRotaryRadius));
  Field(s, r);
  out_.Put(s);
}

void ClWriter::WriteText(int code, const std::string& text) {
  out_.Put(std::to_string(code) + text);
}

void ClWriter::WriteEnd() {
  out_.Put(std::to_string(static_cast<int>(ClEnd)));
}

bool ParseClRecord(const std::string& line, ClRecord& rec) {
  std::string_view s(line);
  auto code = ReadIntField(s);
  if (!code || *code < -2147483647LL || *code > 2147483647LL) return false;
  rec = ClRecord{};
  rec.code = static_cast<int>(*code);
  if (rec.code == ClEnd) return true;
  if (SkipsRest(rec.code)) {
    rec.text = std::string(s);
    if (rec.code == ClRotaryRadius) {
      std::string_view t = s;
      if (auto r = ReadRealField(t)) rec.R = *r;
    }
    return true;
  }
  double* fields[] = {&rec.X, &rec.Y, &rec.Z, &rec.F, nullptr, nullptr};
  if (IsCycle(rec.code)) {
    fields[4] = &rec.R;
    fields[5] = &rec.Q;
  } else if (HasCentre(rec.code)) {
    fields[4] = &rec.CX;
    fields[5] = &rec.CY;
  }
  for (double* f : fields) {
    if (!f) break;
    auto v = ReadRealField(s);
    if (!v) return false;
    *f = *v;
  }
  return true;
}

bool ClReader::Next(ClRecord& rec) {
  if (done_) return false;
  std::string line;
  while (lines_.Next(line)) {
    if (line.find_first_not_of(" \t") == std::string::npos) continue;  // blank lines carry nothing
    if (!ParseClRecord(line, rec)) {
      damaged_ = true;
      break;
    }
    if (rec.code == ClEnd) break;
    return true;
  }
  done_ = true;
  return false;
}

namespace {

// The last bytes of a file (at most 4 KB), and where they start.
bool ReadTail(const std::string& path, std::uintmax_t size, std::uintmax_t& from, std::string& tail) {
  constexpr std::uintmax_t TailSize = 4096;
  from = size > TailSize ? size - TailSize : 0;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  tail.assign(static_cast<size_t>(size - from), '\0');
  bool read = std::fseek(f, static_cast<long>(from), SEEK_SET) == 0 &&
              std::fread(tail.data(), 1, tail.size(), f) == tail.size();
  std::fclose(f);
  return read;
}

}  // namespace

bool RemoveClEnd(const std::string& path) {
  std::error_code ec;
  auto size = std::filesystem::file_size(path, ec);
  if (ec) return !std::filesystem::exists(path, ec);
  std::uintmax_t from = 0;
  std::string tail;
  if (!ReadTail(path, size, from, tail)) return false;
  // The last line that is not blank; a line that starts the tail is whole only when the tail is the file.
  size_t end = tail.find_last_not_of(" \t\r\n");
  if (end == std::string::npos) return true;
  size_t nl = tail.rfind('\n', end);
  if (nl == std::string::npos && from > 0) return true;
  size_t start = nl == std::string::npos ? 0 : nl + 1;
  ClRecord rec;
  if (!ParseClRecord(tail.substr(start, end + 1 - start), rec) || rec.code != ClEnd) return true;
  std::filesystem::resize_file(path, from + start, ec);
  return !ec;
}

}  // namespace quill
