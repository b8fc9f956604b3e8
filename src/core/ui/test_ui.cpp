#include "ui/test_ui.h"

namespace quill {

Answer TestUi::Show(const Message& msg) {
  messages.push_back(msg);
  if (answers.empty()) return msg.defaultAnswer;
  Answer a = answers.front();
  answers.pop_front();
  return a;
}

bool TestUi::Input(const std::string& caption, const std::string& prompt, std::string& value) {
  inputPrompts.push_back(prompt);
  if (inputs.empty()) return true;
  std::string typed = inputs.front();
  inputs.pop_front();
  if (typed == CancelInput) return false;
  value = typed;
  return true;
}

void TestUi::Status(StatusChannel channel, const std::string& text, ConsoleColor color, bool newLine) {
  status.push_back({channel, text, color, newLine});
}

std::vector<std::string> TestUi::Texts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

std::string TestUi::Console(StatusChannel channel) const {
  std::string out;
  for (const auto& s : status) {
    if (s.channel != channel) continue;
    out += s.text;
    if (s.newLine) out += '\n';
  }
  return out;
}

bool TestUi::Cancelled() {
  if (cancelAfter < 0) return false;
  return cancelChecks_++ >= cancelAfter;
}

}  // namespace quill
