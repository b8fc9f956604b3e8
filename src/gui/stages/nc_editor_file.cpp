// The NC editor's file commands: New, Open, Save, Save As, the recent files, printing.
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <cerrno>
#include <cstring>

#include "job/job.h"
#include "nc/editor_recent_files.h"
#include "records/atomic_file.h"
#include "shell/latin1.h"
#include "stages/nc_editor.h"
#include "ui/ui.h"

namespace quill {

TNCEditor::~TNCEditor() = default;

QString TNCEditor::FileFilter() const {
  QString ext = Latin1(job_.prefs.DefaultExt);
  return "NC-Code files (*." + ext + ");;Text Files (*.txt);;All files (*.*)";
}

std::string TNCEditor::ChooseFile(bool save) {
  QFileDialog dialog(this, save ? "Save As" : "Open", Latin1(job_.paths.TapeDir), FileFilter());
  dialog.setDefaultSuffix(Latin1(job_.prefs.DefaultExt));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}

void TNCEditor::SetFileCaption() {
  if (fileName_.empty()) {
    setWindowTitle("QUILLMARK-PRO-2008 - [Untitled]");
  } else {
    setWindowTitle("QUILLMARK-PRO-2008 - " + QFileInfo(QString::fromStdString(fileName_)).fileName());
  }
}

bool TNCEditor::LoadFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    job_.ui.Error("Cannot open file [" + path + "]: " + Latin1(file.errorString()));
    return false;
  }
  QString text = QString::fromLatin1(file.readAll());
  crlf_ = text.contains("\r\n") || !text.contains('\n');
  text.replace("\r\n", "\n");
  text_->setPlainText(text);
  text_->document()->setModified(false);
  fileName_ = path;
  SetFileCaption();
  AddRecentProject(recent_, path);
  WriteEditorRecentFiles(job_.paths, recent_);
  UpdateRecentMenu();
  return true;
}

bool TNCEditor::SaveToFile(const std::string& path) {
  QString text = text_->toPlainText();
  if (crlf_) text.replace("\n", "\r\n");
  QByteArray bytes = text.toLatin1();
  // The program on disk is replaced only once the new one is whole: a crash never leaves half of it.
  errno = 0;
  if (!WriteFileAtomically(path, bytes.toStdString())) {
    job_.ui.Error("Cannot save file [" + path + "]: " + std::strerror(errno ? errno : EIO));
    return false;
  }
  // Saved text is no longer a change to ask about when the editor closes.
  text_->document()->setModified(false);
  return true;
}

void TNCEditor::NewFile() {
  if (!ConfirmDiscard()) return;
  text_->clear();
  text_->document()->setModified(false);
  fileName_.clear();
  crlf_ = true;
  SetFileCaption();
}

void TNCEditor::OpenFile() {
  if (!ConfirmDiscard()) return;
  std::string path = ChooseFile(false);
  if (!path.empty()) LoadFile(path);
}

bool TNCEditor::SaveFile() {
  if (fileName_.empty()) return SaveFileAs();
  return SaveToFile(fileName_);
}

bool TNCEditor::SaveFileAs() {
  std::string path = ChooseFile(true);
  if (path.empty() || !SaveToFile(path)) return false;
  fileName_ = path;
  SetFileCaption();
  return true;
}

void TNCEditor::UpdateRecentMenu() {
  RecentMenu menu = RecentMenuOf(recent_);
  for (size_t i = 0; i < recentActions_.size(); ++i) {
    recentActions_[i]->setText(Latin1(menu.items[i].caption));
    recentActions_[i]->setVisible(menu.items[i].visible);
  }
  recentSeparator_->setVisible(menu.separatorVisible);
}

void TNCEditor::OpenRecent(size_t index) {
  if (index >= recent_.size() || recent_[index].empty() || !ConfirmDiscard()) return;
  LoadFile(std::string(recent_[index]));
}

void TNCEditor::PrinterSetup() {
  if (!printer_) printer_ = std::make_unique<QPrinter>();
  QPageSetupDialog(printer_.get(), this).exec();
}

void TNCEditor::PrintText() {
  if (!printer_) printer_ = std::make_unique<QPrinter>();
  QPrintDialog dialog(printer_.get(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  printer_->setDocName("QUILLMARK");
  text_->print(printer_.get());
}

}  // namespace quill
