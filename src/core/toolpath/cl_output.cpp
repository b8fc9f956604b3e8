#include "toolpath/cl_output.h"

#include "ui/ui.h"

namespace quill {

bool ClOutput::Open(const std::string& path, bool append) {
  return file_.Open(path, append);
}

void ClOutput::Counted() {
  ui_.Counter(StatusChannel::ToolPathCounter, file_.Count());
}

void ClOutput::WriteCLRecord(int code, double x, double y, double z, double f, double cx, double cy) {
  file_.Write(code, x, y, z, f, cx, cy);
  Counted();
}

void ClOutput::WriteRotaryRadius(double r) {
  file_.WriteRotaryRadius(r);
  Counted();
}

void ClOutput::WriteEnd() {
  file_.WriteEnd();
  Counted();
}

bool ClOutput::Close() {
  return file_.Close();
}

void ReportClFileError(Ui& ui, int error, const std::string& path) {
  ui.Warn("C/L File access error #" + std::to_string(error) + " [" + path + "]");
}

}  // namespace quill
