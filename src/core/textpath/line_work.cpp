#include "textpath/line_work.h"

#include <sys/types.h>
#include <unistd.h>

namespace quill {

LineWork::LineWork(const std::string& lineFile, const std::string& line1File)
    : lineFile_(lineFile), line1File_(line1File) {}

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

bool LineWork::OpenFiles() {
  if (!line_) line_ = std::fopen(lineFile_.c_str(), "w+b");
  if (!line1_) line1_ = std::fopen(line1File_.c_str(), "w+b");
  return line_ && line1_;
}

bool LineWork::Clear(size_t chars) {
  records_.clear();
  inFiles_ = chars > MemoryChars;
  if (!inFiles_) return true;
  if (!OpenFiles()) return false;
  std::rewind(line_);
  return CutAtPosition(line_);
}

TextPathWriter LineWork::Writer() {
  if (inFiles_) return TextPathWriter(line_);
  return TextPathWriter(records_);
}

bool LineWork::Transform(const Step& step) {
  if (inFiles_) return TransformFiles(step);
  next_.clear();
  {
    TextPathWriter out(next_);
    for (const TextPathRecord& r : records_) step(r, out);
  }
  records_.swap(next_);
  return true;
}

bool LineWork::TransformFiles(const Step& step) {
  if (!line_ || !line1_) return false;
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
  if (!inFiles_) {
    for (const TextPathRecord& r : records_) visit(r);
    return;
  }
  if (!line_) return;
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

std::vector<TextPathRecord> LineWork::Records() {
  if (!inFiles_) return records_;
  std::vector<TextPathRecord> all;
  ForEach([&all](const TextPathRecord& r) { all.push_back(r); });
  return all;
}

void LineWork::Assign(const std::vector<TextPathRecord>& records) {
  records_ = records;
  inFiles_ = false;
}

}  // namespace quill
