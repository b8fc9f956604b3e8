// "Check Spelling": every word of the text to engrave that the dictionary does not know is offered
// with suggestions, to be changed, ignored or added; the corrected text goes back into the editor.
#pragma once

#include <QDialog>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace quill {

class Job;

// The dictionary the check asks; words are 8-bit text.
class Speller {
 public:
  virtual ~Speller() = default;
  virtual bool Knows(const std::string& word) = 0;
  virtual std::vector<std::string> Suggest(const std::string& word) = 0;
  // "Add": the word counts as known for the rest of the run.
  virtual void Add(const std::string& word) = 0;
};

// The installed Hunspell dictionary for the language ("en_US") in folder, or nullptr without one.
std::unique_ptr<Speller> OpenHunspell(const std::string& folder, const std::string& language);

class TSpellCheckDlg : public QDialog {
  Q_OBJECT

 public:
  TSpellCheckDlg(Job& job, QWidget* parent = nullptr);

  // The dictionary to use; without one the check says so and changes nothing.
  void SetSpeller(std::unique_ptr<Speller> speller) { speller_ = std::move(speller); }
  // Walks the text and asks about each unknown word; the corrected text, or nothing after Cancel.
  std::optional<std::string> Check(const std::string& text);

  // The word asked about now, and the change offered for it.
  std::string Word() const;
  QLineEdit* ChangeTo() const { return changeTo_; }
  QListWidget* Suggestions() const { return suggestions_; }

 private:
  enum Action { Ignore, IgnoreAll, Change, ChangeAll, AddWord };
  void AddButton(QLayout* layout, const char* text, Action action);
  // Shows the word and waits for the operator; nothing on Cancel.
  std::optional<Action> Ask(const std::string& word);

  Job& job_;
  std::unique_ptr<Speller> speller_;
  QLineEdit* word_;
  QLineEdit* changeTo_;
  QListWidget* suggestions_;
  Action action_ = Ignore;
};

}  // namespace quill
