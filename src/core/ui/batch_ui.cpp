#include "ui/batch_ui.h"

namespace quill {

namespace {

// Message texts use carriage returns for their line breaks; a terminal wants plain line feeds.
std::string ForTerminal(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') continue;
      c = '\n';
    }
    out += c;
  }
  return out;
}

}  // namespace

Answer BatchUi::Show(const Message& msg) {
  if (msg.kind == MsgKind::Error || msg.kind == MsgKind::Warning) ++problems_;
  if (midLine_ || progress_.MidLine()) std::fputc('\n', out_);
  midLine_ = false;
  progress_.LineBroken();
  std::fprintf(out_, "QUILLMARK: %s\n", ForTerminal(msg.text).c_str());
  std::fflush(out_);
  return msg.defaultAnswer;
}

bool BatchUi::Input(const std::string& caption, const std::string& prompt, std::string& value) {
  // The value already in the box is the default answer.
  return true;
}

void BatchUi::Status(StatusChannel channel, const std::string& text, ConsoleColor, bool newLine) {
  if (!verbose_ && channel != StatusChannel::General) return;
  if (progress_.MidLine()) std::fputc('\n', out_);
  progress_.LineBroken();
  std::fputs(ForTerminal(text).c_str(), out_);
  midLine_ = !newLine;
  if (newLine) std::fputc('\n', out_);
}

}  // namespace quill
