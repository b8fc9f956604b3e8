#include "textpath/line_work.h"

#include <sys/types.h>
#include <unistd.h>

namespace quill {

LineWork::LineWork(const std::string& lineFile, const std::string& line1File) {
  line_ = std::fopen(lineFile.c_str(), "w+b");
  line1_ = std::fopen(line1File.c_str(), "w+b");
}

LineWork::~LineWork() {
  if (line_) std::fclose(line_);
  if (line1_) std::fclose(line1_);
}

bool CutAtPosition(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  long end = std::ftell(file);
  bool ok = end >= 0 && ::ftruncate(::fileno(file), end) == 0;
  std::rewind(file);
  return ok;
}

bool LineWork::Clear() {
  if (!IsOpen()) return false;
  std::rewind(line_);
  return CutAtPosition(line_);
}

bool LineWork::Transform(const Step& step) {
  if (!IsOpen()) return false;
  std::rewind(line_);
  std::rewind(line1_);
  {
    TextPathReader in(line_);
    TextPathWriter out(line1_);
    TextPathRecord r;
    while (in.Next(r)) step(r, out);
    if (!out.Close()) return false;
  }
  if (!CutAtPosition(line1_)) return false;
  // Copy the result back, as the next step reads QMLINE.TMP.
  std::rewind(line_);
  TextPathReader in(line1_);
  TextPathWriter out(line_);
  TextPathRecord r;
  while (in.Next(r)) out.Write(r);
  return out.Close() && CutAtPosition(line_);
}

void LineWork::ForEach(const std::function<void(const TextPathRecord&)>& visit) {
  if (!IsOpen()) return;
  std::rewind(line_);
  TextPathReader in(line_);
  TextPathRecord r;
  while (in.Next(r)) visit(r);
}

void AppendRecords(const std::string& from, TextPathWriter& to) {
  TextPathReader in(from);
  TextPathRecord r;
  while (in.Next(r)) to.Write(r);
}

void LineWork::AppendTo(TextPathWriter& out) {
  ForEach([&out](const TextPathRecord& r) { out.Write(r); });
}

}  // namespace quill
