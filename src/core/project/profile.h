// An INI file read and written the way the Windows profile functions do it, so QUILLMAR.INI and QPOSTS.INI
// behave as operators and machine files expect: names match without regard to case, anything missing reads
// as the caller's default, and a write changes only the line it concerns.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "project/profile_text.h"

namespace quill {

class ProfileFile {
 public:
  explicit ProfileFile(std::string path);
  const std::string& Path() const { return path_; }

  // Missing file/section/key gives def; sections and keys match without regard to case; one pair of
  // enclosing quotes is removed and values are cut at 254 characters. The first matching section and
  // the first matching key in it count.
  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  // The value's leading decimal digits (with an optional sign); def when the key is missing or its value
  // is empty; a value without leading digits reads as 0, as the Windows function gives it.
  int ReadInt(const std::string& section, const std::string& key, int def) const;

  // Creates the file, section and key as needed; replaces a value in place; keeps every other line and
  // comment. A value is cut at its first line break. False when the file cannot be written or the names
  // cannot be stored (the old file is then untouched).
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  // Several keys of one section in one write, in the order given.
  bool WriteStrings(const std::string& section, const std::vector<std::pair<std::string, std::string>>& values);
  bool DeleteKey(const std::string& section, const std::string& key);
  bool DeleteSection(const std::string& section);

  std::vector<std::string> SectionNames() const;
  std::vector<std::string> KeyNames(const std::string& section) const;

 private:
  // What identifies one state of the file on disk; the parsed lines are reused while it stays the same.
  struct Stamp {
    bool exists = false, regular = false;
    uint64_t device = 0, inode = 0, size = 0;
    int64_t mtimeSec = 0, mtimeNsec = 0;
    bool operator==(const Stamp&) const = default;
  };

  // The value as stored (trimmed, not cut, quotes kept); nothing when the key is missing.
  std::optional<std::string> Lookup(const std::string& section, const std::string& key) const;
  static Stamp StampOf(const std::string& path);
  void Refresh() const;
  void Classify() const;  // parsed_ from lines_
  bool Store(std::vector<std::string> lines);
  size_t FindSection(const std::string& section) const;  // index of its header line, or npos
  size_t SectionEnd(size_t header) const;                // one past its last line
  size_t FindKey(size_t header, const std::string& key) const;

  std::string path_;
  mutable bool loaded_ = false;
  mutable bool readable_ = true;  // false: the file exists but could not be read, so writes are refused
  mutable Stamp stamp_;
  mutable std::vector<std::string> lines_;
  // lines_ classified once per state of the file (views into lines_), so a lookup compares names only.
  mutable std::vector<ProfileLine> parsed_;
  mutable std::string eol_ = "\n";
};

}  // namespace quill
