// The symbol window of Insert > DXF Symbol: where the converted symbol goes ("Insertion Point -X- :",
// "Insertion Point -Y- :"), how far it turns ("Rotation Angle :", degrees) and its size ("Scale
// Factor :").  The fields keep what was typed for the next symbol.
#pragma once

#include <QDialog>
#include <array>

#include "shell/help_contexts.h"

namespace quill {

class ExprField;
class Ui;
struct SymbolPlacement;

class TSymbolDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TSymbolDlg(Ui& ui, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // Modal; on OK at holds the four values.
  bool Ask(SymbolPlacement& at);

  // 0 insertion X, 1 insertion Y, 2 rotation, 3 scale.
  ExprField& Field(int i) { return *fields_[static_cast<size_t>(i)]; }

  void accept() override;

 private:
  HelpPageOpener help_;
  std::array<ExprField*, 4> fields_{};
  std::array<double, 4> values_{};
};

}  // namespace quill
