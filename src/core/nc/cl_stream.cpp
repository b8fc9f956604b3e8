#include "nc/cl_stream.h"

#include <sys/stat.h>

#include <cerrno>

#include "mathlib/number_text.h"

namespace quill {

namespace {

// Why the file cannot be read, as an errno value; 0 when it can.  A folder opens but reads as nothing.
int OpenErrno(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno;
  if (S_ISDIR(st.st_mode)) return EISDIR;
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  int error = f ? 0 : errno;
  if (f) std::fclose(f);
  return error;
}

bool CodeReadable(const std::string& line) {
  std::string_view s(line);
  return ReadInt(s).has_value();
}

}  // namespace

ClStream::ClStream(const std::string& path) : path_(path), openError_(OpenErrno(path)), lines_(path) {}

ClRead ClStream::Next(ClRecord& rec) {
  while (lines_.Next(line_)) {
    if (line_.find_first_not_of(" \t") == std::string::npos) continue;  // blank lines carry nothing
    if (ParseClRecord(line_, rec)) return rec.code == ClEnd ? ClRead::End : ClRead::Record;
    return CodeReadable(line_) ? ClRead::BadNumber : ClRead::End;
  }
  return ClRead::End;
}

std::string ClStream::AccessErrorText() const {
  return "C/L File access error #" + std::to_string(openError_) + " [" + path_ + "]";
}

std::string ClStream::BadNumberText() const {
  return "Invalid number in line " + std::to_string(lines_.LineNumber()) + " of the C/L File [" + path_ + "]";
}

}  // namespace quill
