// The help window: the program's HTML help pages (data/help/<Page>.html) with the table of contents,
// a topic index with a search field, and back and forward.
//
// How a window opens help:
//   ShowHelpPage(context, "Generate_Text_Path");   // a page by its name
//   ShowHelpContext(context, 1);                   // a Help button that carries a context number
//   ShowHelpIndex(context);                        // the topic index with its search field
// The window is created once at start-up and registered as "THelpWindow" (the directory entry shows
// the table of contents); where none exists yet (a window test) these functions make one.
#pragma once

#include <QWidget>
#include <string>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace quill {

struct DesktopContext;

inline constexpr const char* HelpWindowClass = "THelpWindow";

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // helpDir: the folder of the pages, with its trailing separator.
  explicit HelpWindow(const std::string& helpDir, QWidget* parent = nullptr);

  void ShowContents();
  // The topic index, with the search field ready for typing.
  void ShowIndex();
  void ShowPage(const std::string& page);
  void ShowContext(int context);

  // The name of the page shown ("Tutorials"), without folder and extension.
  std::string CurrentPage() const;
  // The index's entries as listed (the pages' titles), after the search field's filter.
  QStringList ListedTopics() const;

 private:
  void FillTopics();
  void FilterTopics(const QString& typed);
  void Present();

  std::string helpDir_;
  std::string missing_;  // the page shown as "not installed", until another one is shown
  QTextBrowser* browser_;
  QWidget* indexPanel_;
  QLineEdit* search_;
  QListWidget* topics_;
};

void ShowHelpPage(DesktopContext& context, const std::string& page);
void ShowHelpIndex(DesktopContext& context);
void ShowHelpContext(DesktopContext& context, int helpContext);

}  // namespace quill
