#include "textpath/line_work.h"

#include <filesystem>

namespace quill {

bool LineWork::Clear() const {
  TextPathWriter w(lineFile_);
  return w.Close();
}

bool LineWork::Transform(const Step& step) const {
  {
    TextPathReader in(lineFile_);
    TextPathWriter out(line1File_);
    if (!out.IsOpen()) return false;
    TextPathRecord r;
    while (in.Next(r)) step(r, out);
    if (!out.Close()) return false;
  }
  std::error_code ec;
  std::filesystem::copy_file(line1File_, lineFile_, std::filesystem::copy_options::overwrite_existing, ec);
  return !ec;
}

void LineWork::ForEach(const std::function<void(const TextPathRecord&)>& visit) const {
  TextPathReader in(lineFile_);
  TextPathRecord r;
  while (in.Next(r)) visit(r);
}

bool AppendRecords(const std::string& from, TextPathWriter& to) {
  TextPathReader in(from);
  TextPathRecord r;
  while (in.Next(r)) to.Write(r);
  return to.IsOpen();
}

}  // namespace quill
