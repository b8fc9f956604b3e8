#include "stages/reseq_dlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/latin1.h"
#include "ui/ui.h"

namespace quill {

TRESEQDlg::TRESEQDlg(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TRESEQDlg");
  setWindowTitle("RE/UN-Sequence Block Numbers");
  auto* form = new QFormLayout;
  const std::pair<const char*, const char*> edits[] = {{"snum", "Start Number"},
                                                       {"nincr", "Number Increment"},
                                                       {"maxdig", "Max number of Digits"},
                                                       {"skpchrs", "Skip Lines Starting with:"}};
  const char* values[] = {"10", "10", "4", "<(%=$#OE\\^@:"};
  int i = 0;
  for (const auto& [name, caption] : edits) {
    edits_[name] = new QLineEdit(values[i++], this);
    form->addRow(caption, edits_[name]);
  }
  const std::pair<const char*, const char*> checks[] = {{"unseq", "Remove ALL Sequence Numbers"},
                                                        {"lzeros", "Use Leading Zeros"},
                                                        {"Oblocks", "Resequence \"O\" Blocks"}};
  for (const auto& [name, caption] : checks) {
    checks_[name] = new QCheckBox(caption, this);
    form->addRow(checks_[name]);
  }
  auto* ok = new QPushButton("OK", this);
  auto* cancel = new QPushButton("Cancel", this);
  ok->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &TRESEQDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &TRESEQDlg::reject);
  connect(checks_["unseq"], &QCheckBox::toggled, this, [this] { UpdateEnables(); });
}

QLineEdit* TRESEQDlg::Edit(const std::string& name) const {
  return edits_.at(name);
}

QCheckBox* TRESEQDlg::Check(const std::string& name) const {
  return checks_.at(name);
}

void TRESEQDlg::UpdateEnables() {
  bool numbering = !checks_.at("unseq")->isChecked();
  for (auto& [name, edit] : edits_) edit->setEnabled(numbering);
  checks_.at("lzeros")->setEnabled(numbering);
  checks_.at("Oblocks")->setEnabled(numbering);
}

std::optional<ResequenceOptions> TRESEQDlg::Options() const {
  std::string error;
  std::optional<ResequenceOptions> options =
      ResequenceOptionsFromFields(Latin1(edits_.at("snum")->text()), Latin1(edits_.at("nincr")->text()),
                                  Latin1(edits_.at("maxdig")->text()), error);
  if (!options) {
    ui_.Error(error);
    return std::nullopt;
  }
  options->skipChars = Latin1(edits_.at("skpchrs")->text());
  options->removeAll = checks_.at("unseq")->isChecked();
  options->leadingZeros = checks_.at("lzeros")->isChecked();
  options->oBlocks = checks_.at("Oblocks")->isChecked();
  return options;
}

void TRESEQDlg::accept() {
  if (Options()) QDialog::accept();
}

}  // namespace quill
