#include "shell/help_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "job/job.h"
#include "shell/help_contexts.h"
#include "shell/window_directory.h"

namespace quill {

namespace {

// The page's <title>, or its name when it has none.
QString PageTitle(const QFileInfo& file) {
  QFile f(file.filePath());
  if (f.open(QIODevice::ReadOnly)) {
    static const QRegularExpression title("<title>([^<]*)</title>", QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch m = title.match(QString::fromUtf8(f.read(4096)));
    if (m.hasMatch() && !m.captured(1).trimmed().isEmpty()) return m.captured(1).trimmed();
  }
  return file.completeBaseName().replace('_', ' ');
}

QPushButton* ToolButton(const char* caption, QWidget* parent, QLayout* row) {
  auto* b = new QPushButton(caption, parent);
  row->addWidget(b);
  return b;
}

}  // namespace

HelpWindow::HelpWindow(const std::string& helpDir, QWidget* parent) : QWidget(parent, Qt::Window), helpDir_(helpDir) {
  setObjectName(HelpWindowClass);
  setWindowTitle("QUILLMARK Help");
  resize(900, 650);
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({QString::fromStdString(helpDir_)});
  indexPanel_ = new QWidget(this);
  search_ = new QLineEdit(indexPanel_);
  search_->setPlaceholderText("Type a word to find a topic");
  topics_ = new QListWidget(indexPanel_);
  auto* indexColumn = new QVBoxLayout(indexPanel_);
  indexColumn->setContentsMargins(0, 0, 0, 0);
  indexColumn->addWidget(search_);
  indexColumn->addWidget(topics_);
  indexPanel_->setMaximumWidth(280);
  indexPanel_->hide();

  auto* buttons = new QHBoxLayout;
  connect(ToolButton("&Contents", this, buttons), &QPushButton::clicked, this, &HelpWindow::ShowContents);
  connect(ToolButton("&Index", this, buttons), &QPushButton::clicked, this, &HelpWindow::ShowIndex);
  connect(ToolButton("&Back", this, buttons), &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(ToolButton("&Forward", this, buttons), &QPushButton::clicked, browser_, &QTextBrowser::forward);
  buttons->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(indexPanel_);
  body->addWidget(browser_, 1);
  auto* column = new QVBoxLayout(this);
  column->addLayout(buttons);
  column->addLayout(body, 1);

  connect(search_, &QLineEdit::textChanged, this, &HelpWindow::FilterTopics);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] { missing_.clear(); });
  connect(topics_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString().toStdString()); });
  connect(topics_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString().toStdString()); });
}

void HelpWindow::Present() {
  PlaceOverPicture(this, parentWidget() ? parentWidget() : QApplication::activeWindow());
  show();
  raise();
  activateWindow();
}

void HelpWindow::ShowContents() {
  indexPanel_->hide();
  ShowPage(HelpContentsPage);
}

void HelpWindow::ShowIndex() {
  FillTopics();
  indexPanel_->show();
  Present();
  search_->setFocus();
  search_->selectAll();
}

void HelpWindow::ShowPage(const std::string& page) {
  QString file = QString::fromStdString(helpDir_ + page + ".html");
  missing_.clear();
  if (QFileInfo::exists(file)) {
    browser_->setSource(QUrl::fromLocalFile(file));
  } else {
    missing_ = page;
    browser_->setHtml("<h2>" + QString::fromStdString(page).toHtmlEscaped().replace('_', ' ') +
                      "</h2><p>This help page is not installed. The table of contents lists the pages "
                      "that are.</p><p><a href=\"" +
                      QUrl::fromLocalFile(QString::fromStdString(helpDir_) + HelpContentsPage + ".html").toString() +
                      "\">Contents</a></p>");
    browser_->setDocumentTitle(QString::fromStdString(page));
  }
  Present();
}

void HelpWindow::ShowContext(int context) {
  ShowPage(HelpPageOfContext(context));
}

std::string HelpWindow::CurrentPage() const {
  // Showing text in the browser keeps its last source, so a missing page is remembered by name.
  if (!missing_.empty()) return missing_;
  QUrl source = browser_->source();
  if (source.isEmpty()) return browser_->documentTitle().toStdString();
  return QFileInfo(source.toLocalFile()).completeBaseName().toStdString();
}

QStringList HelpWindow::ListedTopics() const {
  QStringList listed;
  for (int i = 0; i < topics_->count(); ++i) {
    if (!topics_->item(i)->isHidden()) listed << topics_->item(i)->text();
  }
  return listed;
}

// Every installed page, by title: pages added later join the index without a table to keep.
void HelpWindow::FillTopics() {
  topics_->clear();
  QDir dir(QString::fromStdString(helpDir_));
  for (const QFileInfo& f : dir.entryInfoList({"*.html"}, QDir::Files, QDir::Name)) {
    auto* item = new QListWidgetItem(PageTitle(f), topics_);
    item->setData(Qt::UserRole, f.completeBaseName());
  }
  topics_->sortItems();
  FilterTopics(search_->text());
}

void HelpWindow::FilterTopics(const QString& typed) {
  for (int i = 0; i < topics_->count(); ++i) {
    QListWidgetItem* item = topics_->item(i);
    item->setHidden(!item->text().contains(typed.trimmed(), Qt::CaseInsensitive));
  }
}

namespace {

HelpWindow& FindHelpWindow(DesktopContext& context) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* help = qobject_cast<HelpWindow*>(w)) return *help;
  }
  auto* help = new HelpWindow(context.job.paths.HelpFile);
  help->setAttribute(Qt::WA_DeleteOnClose);
  help->setAttribute(Qt::WA_QuitOnClose, false);
  return *help;
}

}  // namespace

void ShowHelpPage(DesktopContext& context, const std::string& page) {
  FindHelpWindow(context).ShowPage(page);
}

void ShowHelpIndex(DesktopContext& context) {
  FindHelpWindow(context).ShowIndex();
}

void ShowHelpContext(DesktopContext& context, int helpContext) {
  FindHelpWindow(context).ShowContext(helpContext);
}

}  // namespace quill
