#include "text/text_effects.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "job/job.h"
#include "mathlib/number_text.h"
#include "project/text_effects.h"
#include "shell/expr_field.h"
#include "shell/dialog_buttons.h"

namespace quill {

TTextEffectsDlg::TTextEffectsDlg(Job& job, QWidget* parent) : QDialog(parent), job_(job) {
  setObjectName("TTextEffectsDlg");
  setWindowTitle("Text Effects");
  pages_ = new QTabWidget;
  pages_->setObjectName("pages");
  pages_->addTab(Page("Start Text Height :", slopeStart_, "End Text Height :", slopeEnd_), "Slope");
  pages_->addTab(Page("Start/End Text Height :", peakEnds_, "CenterText Height :", peakCentre_), "Peak/Valley");
  pages_->addTab(DropCapsPage(), "Drop Caps");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(OkCancelHelp(this, [this] {
    if (help_) help_();
  }));
}

ExprField* TTextEffectsDlg::HeightField(const char* name) {
  auto* field = new ExprField(job_.ui);
  field->setObjectName(name);
  field->setText("1.0000");
  return field;
}

QWidget* TTextEffectsDlg::Page(const char* first, ExprField*& firstField, const char* second,
                               ExprField*& secondField) {
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  firstField = HeightField(first);
  secondField = HeightField(second);
  form->addRow(first, firstField);
  form->addRow(second, secondField);
  return page;
}

QWidget* TTextEffectsDlg::DropCapsPage() {
  QWidget* page = Page("Text Height :", dropText_, "Capital Letter Height :", dropCapital_);
  auto* form = static_cast<QFormLayout*>(page->layout());
  firstWordOnly_ = new QCheckBox("Drop-Cap First Word Only");
  firstWordOnly_->setObjectName("Drop-Cap First Word Only");
  firstWordOnly_->setChecked(true);
  allWords_ = new QCheckBox("Drop-Cap All Words");
  allWords_->setObjectName("Drop-Cap All Words");
  // The two boxes exclude each other; either may also be cleared.
  connect(firstWordOnly_, &QCheckBox::clicked, this, [this](bool on) {
    if (on) allWords_->setChecked(false);
  });
  connect(allWords_, &QCheckBox::clicked, this, [this](bool on) {
    if (on) firstWordOnly_->setChecked(false);
  });
  auto* calc = new QPushButton("&Calc");
  calc->setObjectName("Calc");
  connect(calc, &QPushButton::clicked, this,
          [this] { dropText_->SetText(DropCapTextHeight(Value(dropCapital_))); });
  form->addRow(firstWordOnly_);
  form->addRow(allWords_);
  form->addRow(calc);
  return page;
}

double TTextEffectsDlg::Value(ExprField* field) const {
  return TextToDouble(job_.ui, field->Text());
}

void TTextEffectsDlg::accept() {
  if (!FieldsReady(this)) return;
  static constexpr TextEffect kEffects[] = {TextEffect::Slope, TextEffect::PeakValley, TextEffect::DropCaps};
  TextEffect effect = kEffects[pages_->currentIndex()];
  std::array<ExprField*, 2> fields = effect == TextEffect::Slope        ? std::array{slopeStart_, slopeEnd_}
                                     : effect == TextEffect::PeakValley ? std::array{peakEnds_, peakCentre_}
                                                                        : std::array{dropText_, dropCapital_};
  ApplyTextEffect(job_, {effect, Value(fields[0]), Value(fields[1]), allWords_->isChecked()});
  QDialog::accept();
}

}  // namespace quill
