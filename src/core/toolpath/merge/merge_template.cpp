#include "toolpath/merge/merge_template.h"

#include <algorithm>

namespace quill {

namespace {

bool AllDigits(const std::string& s) {
  return !s.empty() && s.size() < 10 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The name between the braces that open at `open`; npos when no field opens there.
size_t FieldEnd(const std::string& line, size_t open) {
  size_t close = line.find_first_of("{}", open + 1);
  if (close == std::string::npos || line[close] != '}' || close == open + 1) return std::string::npos;
  return close;
}

}  // namespace

std::string FieldLabel(const MergeField& field) {
  return "{" + field.name + "}";
}

MergeTemplate::MergeTemplate(const std::vector<std::string>& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) pieces_.push_back({"\n", -1});
    ParseLine(lines[i]);
  }
}

bool MergeTemplate::HasNamedField() const {
  return std::any_of(fields_.begin(), fields_.end(), [](const MergeField& f) { return f.column == 0; });
}

int MergeTemplate::FieldIndex(const std::string& name) {
  for (size_t i = 0; i < fields_.size(); ++i) {
    if (fields_[i].name == name) return static_cast<int>(i);
  }
  MergeField f{name, AllDigits(name) ? std::stoi(name) : 0};
  // "{0}" names no column: it stays a named field, which no header can match.
  fields_.push_back(f);
  return static_cast<int>(fields_.size() - 1);
}

void MergeTemplate::ParseLine(const std::string& line) {
  std::string plain;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '{' && i + 1 < line.size() && line[i + 1] == '{') {
      plain += '{';
      ++i;
      continue;
    }
    size_t close = line[i] == '{' ? FieldEnd(line, i) : std::string::npos;
    if (close == std::string::npos) {
      plain += line[i];
      continue;
    }
    if (!plain.empty()) pieces_.push_back({plain, -1});
    plain.clear();
    pieces_.push_back({"", FieldIndex(line.substr(i + 1, close - i - 1))});
    i = close;
  }
  if (!plain.empty()) pieces_.push_back({plain, -1});
}

std::string MergeTemplate::Fill(const std::vector<std::string>& values) const {
  std::string out;
  for (const Piece& p : pieces_) {
    if (p.field < 0) {
      out += p.text;
    } else if (static_cast<size_t>(p.field) < values.size()) {
      out += values[static_cast<size_t>(p.field)];
    }
  }
  return out;
}

}  // namespace quill
