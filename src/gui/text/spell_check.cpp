#include "text/spell_check.h"

#include <hunspell.hxx>

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "job/job.h"
#include "project/spelling_words.h"
#include "ui/ui.h"

namespace quill {
namespace {

// Hunspell's dictionaries are UTF-8; the text to engrave is 8-bit.
class HunspellSpeller : public Speller {
 public:
  HunspellSpeller(const std::string& aff, const std::string& dic) : hunspell_(aff.c_str(), dic.c_str()) {}

  bool Knows(const std::string& word) override { return hunspell_.spell(Utf8(word)); }
  std::vector<std::string> Suggest(const std::string& word) override {
    std::vector<std::string> out;
    for (const std::string& s : hunspell_.suggest(Utf8(word))) {
      QString suggestion = QString::fromUtf8(s.c_str());
      // A suggestion that the 8-bit text cannot hold is left out.
      if (QString::fromLatin1(suggestion.toLatin1()) == suggestion) out.push_back(suggestion.toLatin1().toStdString());
    }
    return out;
  }
  void Add(const std::string& word) override { hunspell_.add(Utf8(word)); }

 private:
  static std::string Utf8(const std::string& word) { return QString::fromLatin1(word.c_str()).toUtf8().toStdString(); }
  Hunspell hunspell_;
};

}  // namespace

std::unique_ptr<Speller> OpenHunspell(const std::string& folder, const std::string& language) {
  std::string aff = folder + "/" + language + ".aff";
  std::string dic = folder + "/" + language + ".dic";
  if (!QFileInfo::exists(QString::fromStdString(aff)) || !QFileInfo::exists(QString::fromStdString(dic))) return {};
  return std::make_unique<HunspellSpeller>(aff, dic);
}

TSpellCheckDlg::TSpellCheckDlg(Job& job, QWidget* parent) : QDialog(parent), job_(job) {
  setObjectName("TSpellCheckDlg");
  setWindowTitle("Check Spelling");
  word_ = new QLineEdit;
  word_->setObjectName("word");
  word_->setReadOnly(true);
  changeTo_ = new QLineEdit;
  changeTo_->setObjectName("changeTo");
  suggestions_ = new QListWidget;
  suggestions_->setObjectName("suggestions");
  connect(suggestions_, &QListWidget::currentTextChanged, changeTo_, &QLineEdit::setText);
  connect(suggestions_, &QListWidget::itemDoubleClicked, this, [this] {
    action_ = Change;
    accept();
  });
  auto* form = new QFormLayout;
  form->addRow("Not in Dictionary:", word_);
  form->addRow("Change To:", changeTo_);
  form->addRow("Suggestions:", suggestions_);
  auto* buttons = new QVBoxLayout;
  AddButton(buttons, "&Ignore", Ignore);
  AddButton(buttons, "I&gnore All", IgnoreAll);
  AddButton(buttons, "&Change", Change);
  AddButton(buttons, "C&hange All", ChangeAll);
  AddButton(buttons, "&Add", AddWord);
  auto* cancel = new QPushButton("Cancel");
  cancel->setObjectName("Cancel");
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(cancel);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(form, 1);
  layout->addLayout(buttons);
}

void TSpellCheckDlg::AddButton(QLayout* layout, const char* text, Action action) {
  auto* button = new QPushButton(text);
  button->setObjectName(QString(text).remove('&'));
  button->setDefault(action == Change);  // Enter takes the change offered
  connect(button, &QPushButton::clicked, this, [this, action] {
    action_ = action;
    accept();
  });
  layout->addWidget(button);
}

std::string TSpellCheckDlg::Word() const {
  return word_->text().toLatin1().toStdString();
}

std::optional<TSpellCheckDlg::Action> TSpellCheckDlg::Ask(const std::string& word) {
  word_->setText(QString::fromLatin1(word.c_str()));
  suggestions_->clear();
  for (const std::string& s : speller_->Suggest(word)) suggestions_->addItem(QString::fromLatin1(s.c_str()));
  changeTo_->setText(suggestions_->count() ? suggestions_->item(0)->text() : word_->text());
  if (suggestions_->count()) suggestions_->setCurrentRow(0);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return action_;
}

std::optional<std::string> TSpellCheckDlg::Check(const std::string& original) {
  if (!speller_) {
    job_.ui.Inform("No spelling dictionary is installed.");
    return std::nullopt;
  }
  std::string text = original;
  std::set<std::string> ignored;
  std::map<std::string, std::string> changes;
  size_t from = 0;
  while (std::optional<WordSpan> span = NextWord(text, from)) {
    std::string word = text.substr(span->start, span->length);
    std::string replacement = word;
    if (auto change = changes.find(word); change != changes.end()) {
      replacement = change->second;
    } else if (!ignored.count(word) && !speller_->Knows(word)) {
      std::optional<Action> action = Ask(word);
      if (!action) return std::nullopt;
      std::string typed = changeTo_->text().toLatin1().toStdString();
      if (*action == IgnoreAll) ignored.insert(word);
      if (*action == AddWord) speller_->Add(word);
      if (*action == Change || *action == ChangeAll) replacement = typed;
      if (*action == ChangeAll) changes[word] = typed;
    }
    text.replace(span->start, span->length, replacement);
    from = span->start + replacement.size();
  }
  job_.ui.Inform("The spelling check is complete.");
  return text;
}

}  // namespace quill
