#include "artwork/art_workshop.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>

#include "artwork/coordinate_dlg.h"
#include "artwork/edit_properties_dlg.h"
#include "artwork/information_form.h"
#include "artwork/symbol_dlg.h"
#include "artwork/workshop/artwork_file.h"
#include "artwork/workshop_paint_box.h"
#include "job/job.h"
#include "shell/help_window.h"
#include "shell/main_window_choosers.h"
#include "shell/main_window_classes.h"
#include "shell/window_directory.h"

namespace quill {

namespace {

// The scroll bars run from -200 to 200; a page is 5 steps of 1/100 of the window each.
constexpr int kScrollRange = 200, kScrollPage = 5;

QScrollBar* MakeBar(Qt::Orientation orientation, const char* name, QWidget* parent) {
  auto* bar = new QScrollBar(orientation, parent);
  bar->setObjectName(name);
  bar->setRange(-kScrollRange, kScrollRange);
  bar->setPageStep(kScrollPage);
  bar->setValue(0);
  return bar;
}

// "Select &Window" as "Select Window"; "&Deskew && Scale" as "Deskew & Scale".
QString Plain(const QString& caption) {
  QString plain;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      plain += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      plain += caption[++i];
    }
  }
  return plain;
}

}  // namespace

TArtWorkshop::TArtWorkshop(DesktopContext& context, TDxfImportDlg& dxfImport, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      context_(context),
      job_(context.job),
      dxfImport_(dxfImport),
      paintBox_(new WorkshopPaintBox(context.job, doc_, this)),
      horizontal_(MakeBar(Qt::Horizontal, "HorizontalScrollBar", this)),
      vertical_(MakeBar(Qt::Vertical, "VerticalScrollBar", this)),
      prompt_(new QLabel(this)),
      coordinates_(new TCoordinateDlg(context.job.ui, this)),
      properties_(new TEditPropertiesDlg(this)),
      symbol_(new TSymbolDlg(context.job.ui, this)),
      information_(new TArtInfoForm(this)),
      choosers_(std::make_unique<FileChoosers>()) {
  setObjectName(window_class::ArtWorkshop);
  setWindowTitle("ArtWorkshop");
  HelpPageOpener help = [&context](const std::string& page) { ShowHelpPage(context, page); };
  coordinates_->SetHelpOpener(help);
  properties_->SetHelpOpener(help);
  symbol_->SetHelpOpener(help);
  information_->SetHelpOpener(help);
  BuildMenus();
  BuildToolBar();
  BuildPopup();
  setCentralWidget(BuildWorkArea());
  BuildStatusBar();
  paintBox_->OnOutcome([this](const SessionOutcome&) { Changed(); });
  paintBox_->OnCursor([this](const QString& text) { panels_[2]->setText(text); });
  resize(1024, 768);
}

TArtWorkshop::~TArtWorkshop() = default;

WorkshopSession& TArtWorkshop::Session() {
  return paintBox_->Session();
}

void TArtWorkshop::SetChoosers(std::unique_ptr<FileChoosers> choosers) {
  choosers_ = std::move(choosers);
}

// The paint box with its scroll bars, and the prompt line below them.
QWidget* TArtWorkshop::BuildWorkArea() {
  auto* area = new QWidget(this);
  prompt_->setObjectName("Prompt");
  prompt_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  grid->addWidget(paintBox_, 0, 0);
  grid->addWidget(vertical_, 0, 1);
  grid->addWidget(horizontal_, 1, 0);
  grid->addWidget(prompt_, 2, 0, 1, 2);
  grid->setRowStretch(0, 1);
  grid->setColumnStretch(0, 1);
  for (QScrollBar* bar : {horizontal_, vertical_}) {
    connect(bar, &QScrollBar::valueChanged, this, [this, bar] {
      if (!bar->isSliderDown()) ScrollEnded();
    });
    connect(bar, &QScrollBar::sliderReleased, this, &TArtWorkshop::ScrollEnded);
  }
  return area;
}

// The entity count, the selected count and the cursor's position.
void TArtWorkshop::BuildStatusBar() {
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(this);
    panels_[i]->setObjectName(QString("Panel%1").arg(i + 1));
    statusBar()->addWidget(panels_[i], i == 2 ? 1 : 0);
  }
  panels_[0]->setMinimumWidth(160);
  panels_[1]->setMinimumWidth(160);
}

void TArtWorkshop::Open() {
  OpenWorkshop(job_, doc_);
  Session().EndTool();
  SyncScrollBars();
  showMaximized();
  raise();
  activateWindow();
  Session().ShowWindow();
  shown_ = {~0ul, ~0ul};
  Changed();
}

void TArtWorkshop::closeEvent(QCloseEvent* event) {
  Session().EndTool();
  bool running = doc_.loaded;
  if (!CloseWorkshop(job_, doc_)) {
    event->ignore();
    Changed();
    return;
  }
  information_->close();
  event->accept();
  if (running && closed_) closed_();
}

void TArtWorkshop::Run(const std::function<void()>& command) {
  Revisions before = Now();
  command();
  Revisions after = Now();
  if (after.drawing != before.drawing || after.selection != before.selection) Session().Redraw();
  Changed();
}

void TArtWorkshop::StartTool(WorkshopTool tool) {
  Session().Start(tool);
  Changed();
}

void TArtWorkshop::OpenExtension(const char* className, const char* what) {
  Session().EndTool();
  context_.windows.Open(className, this, what);
  Changed();
}

void TArtWorkshop::Changed() {
  Revisions now = Now();
  size_t selected = doc_.SelectedCount();
  if (now.drawing != shown_.drawing) {
    undo_->setEnabled(doc_.CanUndo());
    redo_->setEnabled(doc_.CanRedo());
    undo_->setText(QString::fromStdString("&Undo " + doc_.UndoLabel()).trimmed());
    redo_->setText(QString::fromStdString("&Redo " + doc_.RedoLabel()).trimmed());
    panels_[0]->setText(QString("Entities: %1").arg(doc_.Size()));
    if (information_->isVisible()) information_->ShowFigures(doc_);
  }
  if (now.selection != shown_.selection) {
    propertiesItem_->setEnabled(selected == 1);
    panels_[1]->setText(QString("Selected: %1").arg(selected));
  }
  shown_ = now;
  prompt_->setText(QString::fromLatin1(Session().Prompt().c_str()));
  SyncScrollBars();
  paintBox_->update();
}

// The pan waits until the scroll action is over and the bar has its final position.
void TArtWorkshop::ScrollEnded() {
  if (panPosted_) return;
  panPosted_ = true;
  QMetaObject::invokeMethod(this, &TArtWorkshop::Pan, Qt::QueuedConnection);
}

void TArtWorkshop::Pan() {
  panPosted_ = false;
  WorkshopSession& s = Session();
  if (horizontal_->value() == s.ScrollX() && vertical_->value() == s.ScrollY()) return;
  s.Scroll(horizontal_->value(), vertical_->value());
  Changed();
}

// A new view puts the bars back where the session has them (0 after a zoom).
void TArtWorkshop::SyncScrollBars() {
  for (auto [bar, value] : {std::pair{horizontal_, Session().ScrollX()}, {vertical_, Session().ScrollY()}}) {
    QSignalBlocker quiet(bar);
    bar->setValue(value);
  }
}

QAction* TArtWorkshop::MenuItem(const QString& caption) const {
  for (QAction* a : menuBar()->findChildren<QAction*>()) {
    if (Plain(a->text()) == caption && !a->property("button").toBool()) return a;
  }
  return nullptr;
}

QAction* TArtWorkshop::Button(const QString& hint) const {
  for (QAction* a : findChildren<QAction*>()) {
    if (a->toolTip() == hint && a->property("button").toBool()) return a;
  }
  return nullptr;
}

QString TArtWorkshop::PromptText() const {
  return prompt_->text();
}

QString TArtWorkshop::StatusPanel(int i) const {
  return panels_[i]->text();
}

}  // namespace quill
