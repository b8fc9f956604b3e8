#include "nc/macro_expand.h"

#include "nc/nc_output.h"
#include "ui/ui.h"

namespace quill {

std::string RegisterPrompts::Ask() {
  std::string value = "0";
  if (!ui_.Unattended() && !ui_.Input("NC-Code Macro", "Enter Setting for Register -" + previous_ + "-", value)) {
    value = "0";
  }
  return value;
}

std::string RegisterPrompts::Fill(const std::string& line) {
  std::string out;
  out.reserve(line.size());
  for (char c : line) {
    if (c == '#') {
      previous_ = Ask();
      out += previous_;
    } else {
      previous_.assign(1, c);
      out += c;
    }
  }
  return out;
}

void ExpandMacro(Ui& ui, const std::vector<std::string>& lines, NcOutput& out) {
  RegisterPrompts prompts(ui);
  for (const std::string& line : lines) {
    std::string text = prompts.Fill(line);
    if (!line.empty() && line[0] == '|') {
      out.Line(text.substr(1));
    } else {
      out.NumberedLine(text);
    }
  }
}

std::string MacroInsertText(Ui& ui, const std::vector<std::string>& lines) {
  RegisterPrompts prompts(ui);
  std::string text;
  for (const std::string& line : lines) text += prompts.Fill(line) + "\r\n";
  return text;
}

}  // namespace quill
