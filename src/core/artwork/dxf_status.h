// What the DXF import shows while it runs: the "DXF Import Status" window with the file name, the
// version, the current operation, the diagnostic messages and the statistics counters.  The window
// implements this; without a window UiDxfStatus passes the messages to the Ui and keeps the rest.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace quill {

class Ui;

enum class DxfCounter { Points, Lines, Arcs, Text, Faces, PolyLines, Splines };
inline constexpr int DxfCounterCount = 7;

class DxfStatus {
 public:
  virtual ~DxfStatus() = default;
  virtual void Begin(const std::string& fileName) = 0;  // "File Name :"
  virtual void Version(const std::string& shown) = 0;   // "DXF Version :"
  virtual void Operation(const std::string& text) = 0;  // "Current Operation: "
  virtual void Message(const std::string& text) = 0;    // a line of "Diagnostic Messages"
  virtual void Counter(DxfCounter which, long value) = 0;
  virtual void Finished() = 0;  // the import has ended: "&Close" is enabled
};

class UiDxfStatus : public DxfStatus {
 public:
  explicit UiDxfStatus(Ui& ui) : ui_(ui) {}
  void Begin(const std::string& fileName) override;
  void Version(const std::string& shown) override { version = shown; }
  void Operation(const std::string& text) override { operation = text; }
  void Message(const std::string& text) override;
  void Counter(DxfCounter which, long value) override { counters[static_cast<int>(which)] = value; }
  void Finished() override { finished = true; }

  std::string version = "Unknown";
  std::string operation;
  std::vector<std::string> messages;  // each text once, in the order first shown
  std::array<long, DxfCounterCount> counters{};
  bool finished = false;

 private:
  Ui& ui_;
};

}  // namespace quill
