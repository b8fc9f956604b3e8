#include "project/profile.h"

#include <sys/stat.h>

#include <cstdio>
#include <utility>

#include "records/atomic_file.h"

namespace quill {
namespace {

constexpr size_t npos = std::string::npos;
// Profile files are a few kilobytes; anything far larger is not one, and is neither parsed nor overwritten.
constexpr uint64_t kMaxProfileBytes = 16u << 20;

bool ReadWhole(const std::string& path, std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  char buffer[8192];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

std::string DetectLineEnd(const std::string& text) {
  size_t at = text.find_first_of("\r\n");
  if (at != npos && text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') return "\r\n";
  return "\n";
}

bool StorableName(const std::string& name, const char* forbidden) {
  return !name.empty() && name.find_first_of(forbidden) == npos && name.front() != ';' && name.front() != '[' &&
         name.front() != ' ' && name.back() != ' ';
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

ProfileFile::Stamp ProfileFile::StampOf(const std::string& path) {
  Stamp s;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return s;
  s.exists = true;
  s.regular = S_ISREG(st.st_mode);
  s.device = st.st_dev;
  s.inode = st.st_ino;
  s.size = static_cast<uint64_t>(st.st_size);
  s.mtimeSec = st.st_mtim.tv_sec;
  s.mtimeNsec = st.st_mtim.tv_nsec;
  return s;
}

void ProfileFile::Refresh() const {
  Stamp now = StampOf(path_);
  if (loaded_ && now == stamp_) return;
  loaded_ = true;
  stamp_ = now;
  lines_.clear();
  parsed_.clear();
  readable_ = true;
  if (!now.exists) return;
  std::string text;
  if (!now.regular || now.size > kMaxProfileBytes || !ReadWhole(path_, text)) {
    readable_ = false;
    return;
  }
  eol_ = DetectLineEnd(text);
  lines_ = SplitProfileLines(text);
  Classify();
}

void ProfileFile::Classify() const {
  parsed_.clear();
  parsed_.reserve(lines_.size());
  for (const std::string& line : lines_) parsed_.push_back(ParseProfileLine(line));
}

std::optional<std::string> ProfileFile::Lookup(const std::string& section, const std::string& key) const {
  Refresh();
  bool inSection = false;  // in the first section of that name
  for (const ProfileLine& line : parsed_) {
    if (line.kind == ProfileLineKind::Section) {
      if (inSection) break;
      inSection = ProfileNamesEqual(line.name, section);
    } else if (inSection && line.kind == ProfileLineKind::Key && ProfileNamesEqual(line.name, key)) {
      return std::string(line.value);
    }
  }
  return std::nullopt;
}

std::string ProfileFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
  std::optional<std::string> raw = Lookup(section, key);
  return raw ? ProfileValue(*raw) : def;
}

int ProfileFile::ReadInt(const std::string& section, const std::string& key, int def) const {
  std::string value = ReadString(section, key, "");
  return value.empty() ? def : ProfileInt(value);
}

bool ProfileFile::Store(std::vector<std::string> lines) {
  // A write that changes nothing leaves the file alone: the program saves its settings at every start
  // and close, and an unchanged file needs no replacing (nor its trips to the disk).
  if (stamp_.exists && lines == lines_) return true;
  std::string text;
  for (const std::string& line : lines) text += line + eol_;
  if (!WriteFileAtomically(path_, text)) return false;
  lines_ = std::move(lines);
  Classify();
  stamp_ = StampOf(path_);
  return true;
}

bool ProfileFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  return WriteStrings(section, {{key, value}});
}

bool ProfileFile::WriteStrings(const std::string& section,
                               const std::vector<std::pair<std::string, std::string>>& values) {
  if (!StorableName(section, "]\r\n")) return false;
  for (const auto& [key, value] : values) {
    if (!StorableName(key, "=\r\n")) return false;
  }
  Refresh();
  if (!readable_) return false;
  std::vector<std::string> lines = lines_;
  for (const auto& [key, value] : values)
    SetProfileValue(lines, section, key, ProfileStoredValue(value.substr(0, value.find_first_of("\r\n"))));
  return Store(std::move(lines));
}

bool ProfileFile::DeleteKey(const std::string& section, const std::string& key) {
  Refresh();
  if (!readable_) return false;
  size_t header = FindProfileSection(lines_, section);
  size_t at = header == NoLine ? NoLine : FindProfileKey(lines_, header, key);
  if (at == NoLine) return true;
  std::vector<std::string> lines = lines_;
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
  return Store(std::move(lines));
}

bool ProfileFile::DeleteSection(const std::string& section) {
  Refresh();
  if (!readable_) return false;
  size_t header = FindProfileSection(lines_, section);
  if (header == NoLine) return true;
  std::vector<std::string> lines = lines_;
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(header),
              lines.begin() + static_cast<std::ptrdiff_t>(ProfileSectionEnd(lines_, header)));
  return Store(std::move(lines));
}

std::vector<std::string> ProfileFile::SectionNames() const {
  Refresh();
  std::vector<std::string> names;
  for (const std::string& text : lines_) {
    ProfileLine line = ParseProfileLine(text);
    if (line.kind == ProfileLineKind::Section) names.emplace_back(line.name);
  }
  return names;
}

std::vector<std::string> ProfileFile::KeyNames(const std::string& section) const {
  Refresh();
  std::vector<std::string> names;
  size_t header = FindProfileSection(lines_, section);
  if (header == NoLine) return names;
  size_t end = ProfileSectionEnd(lines_, header);
  for (size_t i = header + 1; i < end; ++i) {
    ProfileLine line = ParseProfileLine(lines_[i]);
    if (line.kind == ProfileLineKind::Key) names.emplace_back(line.name);
  }
  return names;
}

}  // namespace quill
