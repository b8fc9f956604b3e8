// The Ui of the desktop program: real message boxes, input boxes, the hourglass, the "Working ..."
// progress window with its percentage meter and Cancel, and status lines routed to whichever window
// shows that channel.
#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <functional>
#include <map>

#include "ui/ui.h"

class QWidget;

namespace quill {

// The application title: the caption of every message box that names none of its own.
inline constexpr const char* ProgramTitle = "QUILLMARK-PRO-2008";

class QtUi : public Ui {
 public:
  using StatusSink = std::function<void(const std::string& text, ConsoleColor color, bool newLine)>;
  using ClearSink = std::function<void()>;
  using CounterSink = std::function<void(long value)>;
  using HelpOpener = std::function<void(int context)>;

  // parent: the window message boxes are centred on (the main window once it exists).
  void SetParent(QWidget* parent) { parent_ = parent; }
  // A window that shows a channel registers itself; a later registration replaces an earlier one.
  void RouteStatus(StatusChannel channel, StatusSink sink, ClearSink clear = {});
  void RouteCounter(StatusChannel channel, CounterSink sink);
  // What the Help button of a message box opens.
  void SetHelpOpener(HelpOpener opener) { help_ = std::move(opener); }

  Answer Show(const Message& msg) override;
  bool Input(const std::string& caption, const std::string& prompt, std::string& value) override;
  void Status(StatusChannel channel, const std::string& text, ConsoleColor color, bool newLine) override;
  void ClearStatus(StatusChannel channel) override;
  void Counter(StatusChannel channel, long value) override;
  void ProgressBegin(const std::string& title, long maximum) override;
  bool ProgressStep(long position) override;
  void ProgressEnd() override;
  bool CancelRequested() override;
  void Pump() override;
  void Busy(bool on) override;
  bool Unattended() const override { return false; }

 private:
  QWidget* parent_ = nullptr;
  std::map<StatusChannel, StatusSink> status_;
  std::map<StatusChannel, ClearSink> clear_;
  std::map<StatusChannel, CounterSink> counters_;
  HelpOpener help_;
  QPointer<QProgressDialog> progress_;
};

}  // namespace quill
