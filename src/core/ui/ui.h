// The one door between the program's logic and whoever is at the screen.
//
// Every message box, question, input box, progress display, busy cursor, "let the windows breathe" and
// Cancel goes through a Ui.  The windows implement it with real dialogs, the unattended run with BatchUi
// and the tests with TestUi.  Texts passed in are the program's own, word for word.
#pragma once

#include <cstdint>
#include <string>

namespace quill {

// The four kinds of message box the program shows.
enum class MsgKind { Warning, Error, Information, Confirmation };

// Buttons of a message box, combined with |.
enum Buttons : unsigned {
  BtnOk = 1u << 0,
  BtnCancel = 1u << 1,
  BtnYes = 1u << 2,
  BtnNo = 1u << 3,
  BtnAbort = 1u << 4,
  BtnRetry = 1u << 5,
  BtnIgnore = 1u << 6,
  BtnHelp = 1u << 7,
  BtnOkCancel = BtnOk | BtnCancel,
  BtnYesNo = BtnYes | BtnNo,
  BtnYesNoCancel = BtnYes | BtnNo | BtnCancel,
};

enum class Answer { Ok, Cancel, Yes, No, Abort, Retry, Ignore, Help };

struct Message {
  std::string text;
  MsgKind kind = MsgKind::Information;
  unsigned buttons = BtnOk;
  // The answer the box gives when Enter is pressed; the unattended run always takes it.
  Answer defaultAnswer = Answer::Ok;
  int helpContext = 0;  // 0: no help
  std::string caption;  // the desktop titles every box with the program's title whatever this says
};

// Colours of the text path window's console.
enum class ConsoleColor { Normal, Green, Red, Yellow, Blue };

// Where a running stage reports its progress ("Processing Line : 12", the DXF status lines ...).
enum class StatusChannel {
  TextPathConsole,  // the text path window's console
  ToolPathCounter,  // "Processing Line : " of the tool path dialog
  NcCounter,        // "Processing Line: " of the NC-code generator
  ImportStatus,     // the DXF import status window
  General,
};

class Ui {
 public:
  virtual ~Ui() = default;

  // A modal message box; returns the button pressed.
  virtual Answer Show(const Message& msg) = 0;

  // An input box (caption, prompt, value in and out); false when cancelled.
  virtual bool Input(const std::string& caption, const std::string& prompt, std::string& value) = 0;

  // A line (or, with newLine false, a piece of a line) in a stage's progress display.
  virtual void Status(StatusChannel channel, const std::string& text, ConsoleColor color = ConsoleColor::Normal,
                      bool newLine = true) = 0;

  // Empties a progress display (the text path console before a run).
  virtual void ClearStatus(StatusChannel channel) {}

  // A counter shown next to a label, e.g. the record counter of the tool path dialog.
  virtual void Counter(StatusChannel channel, long value) = 0;

  // Long operations: begin, update (false when the operator pressed Cancel), end.
  virtual void ProgressBegin(const std::string& title, long maximum) = 0;
  virtual bool ProgressStep(long position) = 0;
  virtual void ProgressEnd() = 0;

  // True once the operator asked the running operation to stop.
  virtual bool CancelRequested() = 0;

  // Let pending window messages be processed (no-op without a screen).
  virtual void Pump() = 0;

  // The hourglass cursor.
  virtual void Busy(bool on) = 0;

  // True when nobody is at the screen: stages skip their questions.
  virtual bool Unattended() const = 0;

  // Convenience forms of Show.
  void Inform(const std::string& text, int helpContext = 0);
  void Warn(const std::string& text, int helpContext = 0);
  void Error(const std::string& text, int helpContext = 0);
  // A Yes/No question; true on Yes.
  bool AskYesNo(const std::string& text, MsgKind kind = MsgKind::Confirmation, Answer defaultAnswer = Answer::Yes);
};

// Keeps the hourglass on for a scope.
class BusyScope {
 public:
  explicit BusyScope(Ui& ui) : ui_(ui) { ui_.Busy(true); }
  ~BusyScope() { ui_.Busy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  Ui& ui_;
};

}  // namespace quill
