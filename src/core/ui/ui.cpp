#include "ui/ui.h"

namespace quill {

void Ui::Inform(const std::string& text, int helpContext) {
  Show({text, MsgKind::Information, helpContext ? (BtnOk | BtnHelp) : BtnOk, Answer::Ok, helpContext, {}});
}

void Ui::Warn(const std::string& text, int helpContext) {
  Show({text, MsgKind::Warning, helpContext ? (BtnOk | BtnHelp) : BtnOk, Answer::Ok, helpContext, {}});
}

void Ui::Error(const std::string& text, int helpContext) {
  Show({text, MsgKind::Error, helpContext ? (BtnOk | BtnHelp) : BtnOk, Answer::Ok, helpContext, {}});
}

bool Ui::AskYesNo(const std::string& text, MsgKind kind, Answer defaultAnswer) {
  return Show({text, kind, BtnYesNo, defaultAnswer, 0, {}}) == Answer::Yes;
}

}  // namespace quill
