// The cutter-location file as the post-processor and the APT output read it: records up to "-999" or
// the end, a code that cannot be read ending the data like "-999", a field that cannot be read stopping
// the reader with an error.
#pragma once

#include <string>

#include "records/cl_record.h"
#include "records/line_reader.h"

namespace quill {

enum class ClRead { Record, End, BadNumber };

class ClStream {
 public:
  explicit ClStream(const std::string& path);
  bool IsOpen() const { return openError_ == 0 && lines_.IsOpen(); }
  ClRead Next(ClRecord& rec);

  // "C/L File access error #<n> [<file>]" for a file that did not open.
  std::string AccessErrorText() const;
  // The message for a record whose code was read but one of its numbers was not.
  std::string BadNumberText() const;

 private:
  std::string path_;
  int openError_ = 0;
  LineReader lines_;
  std::string line_;  // kept, so that reading a record allocates nothing
};

}  // namespace quill
