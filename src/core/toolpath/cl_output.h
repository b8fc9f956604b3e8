// The cutter-location file while a tool path generator writes it.  Every record goes through
// WriteCLRecord, which also moves the tool path dialog's "Processing Line : " counter.
#pragma once

#include <string>

#include "records/cl_record.h"

namespace quill {

class Ui;

class ClOutput {
 public:
  explicit ClOutput(Ui& ui) : ui_(ui) {}

  // append: add to the end of the file (created when missing); otherwise start it from empty.
  bool Open(const std::string& path, bool append);
  void WriteCLRecord(int code, double x, double y, double z, double f, double cx = 0, double cy = 0);
  void WriteRotaryRadius(double r);
  void WriteEnd();
  // False when a record could not be written.
  bool Close();

 private:
  void Counted();
  Ui& ui_;
  ClWriter file_;
};

// "C/L File access error #" with the system's error number and the file.
void ReportClFileError(Ui& ui, int error, const std::string& path);

}  // namespace quill
