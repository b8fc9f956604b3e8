#include "text/spell_check.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <set>

#include "dialogs_test_support.h"

namespace quill {
namespace {

class WordList : public Speller {
 public:
  bool Knows(const std::string& word) override { return known.count(word) > 0; }
  std::vector<std::string> Suggest(const std::string& word) override {
    return word == "teh" ? std::vector<std::string>{"the", "ten"} : std::vector<std::string>{};
  }
  void Add(const std::string& word) override { known.insert(word); }
  std::set<std::string> known{"the", "plate", "is", "brass"};
};

class SpellCheckTest : public DialogTest {
 protected:
  SpellCheckTest() { dialog.SetSpeller(std::make_unique<WordList>()); }

  // Answers each question in turn with the named button, after typing into "Change To:" when given.
  void Answer(std::vector<std::pair<std::string, std::string>> steps) {
    steps_ = std::move(steps);
    Next();
  }
  void Next() {
    if (steps_.empty()) return;
    QTimer::singleShot(0, &dialog, [this] {
      if (steps_.empty() || !dialog.isVisible()) return;
      auto [button, typed] = steps_.front();
      steps_.erase(steps_.begin());
      asked.push_back(dialog.Word());
      if (!typed.empty()) dialog.ChangeTo()->setText(QString::fromStdString(typed));
      Next();
      Find<QPushButton>(dialog, button.c_str())->click();
    });
  }

  TSpellCheckDlg dialog{job};
  std::vector<std::string> asked;
  std::vector<std::pair<std::string, std::string>> steps_;
};

TEST_F(SpellCheckTest, UnknownWordsAreChangedIgnoredOrAdded) {
  Answer({{"Change", ""}, {"Ignore All", ""}, {"Change All", "brass"}, {"Add", ""}});
  std::optional<std::string> out = dialog.Check("teh plate SN008 is brsas\r\nbrsas zinc zinc xyzzy xyzzy brsas");
  ASSERT_TRUE(out);
  EXPECT_EQ(asked, (std::vector<std::string>{"teh", "brsas", "zinc", "xyzzy"}));
  // "Ignore All" on the first brsas, then "Change All" on zinc.
  EXPECT_EQ(*out, "the plate SN008 is brsas\r\nbrsas brass brass xyzzy xyzzy brsas");
  EXPECT_EQ(ui.Texts().back(), "The spelling check is complete.");
}

TEST_F(SpellCheckTest, SuggestionsFillChangeTo) {
  QTimer::singleShot(0, &dialog, [this] {
    EXPECT_EQ(dialog.Suggestions()->count(), 2);
    EXPECT_EQ(dialog.ChangeTo()->text(), "the");
    dialog.Suggestions()->setCurrentRow(1);
    EXPECT_EQ(dialog.ChangeTo()->text(), "ten");
    Find<QPushButton>(dialog, "Cancel")->click();
  });
  EXPECT_FALSE(dialog.Check("teh"));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DialogTest, SpellingWithoutADictionarySaysSo) {
  TSpellCheckDlg dialog(job);
  EXPECT_FALSE(dialog.Check("teh"));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"No spelling dictionary is installed."});
  EXPECT_EQ(OpenHunspell(home.path(), "en_US"), nullptr);
}

TEST(Hunspell, InstalledDictionaryKnowsEnglish) {
  std::unique_ptr<Speller> speller = OpenHunspell("/usr/share/hunspell", "en_US");
  ASSERT_NE(speller, nullptr) << "no en_US dictionary: install hunspell-en-us (scripts/deps.sh)";
  EXPECT_TRUE(speller->Knows("engraving"));
  EXPECT_FALSE(speller->Knows("engarving"));
  std::vector<std::string> s = speller->Suggest("engarving");
  EXPECT_NE(std::find(s.begin(), s.end(), "engraving"), s.end());
  // 8-bit text against the UTF-8 dictionary.
  EXPECT_FALSE(speller->Knows("caf\xe9"));
  s = speller->Suggest("caf\xe9");
  EXPECT_NE(std::find(s.begin(), s.end(), "cafe"), s.end());
}

}  // namespace
}  // namespace quill
