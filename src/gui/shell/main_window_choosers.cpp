#include "shell/main_window_choosers.h"

#include <QFileDialog>
#include <QRegularExpression>
#include <QStringList>

namespace quill {

QString QtFileFilter(const std::string& filter) {
  QStringList parts = QString::fromStdString(filter).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    // Qt reads the patterns from the description's last parentheses: they are put there, in place of
    // any the description already shows.
    static const QRegularExpression shown(R"(\s*\([^()]*\)\s*$)");
    QString description = parts[i];
    description.remove(shown);
    out << description + " (" + parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ') + ")";
  }
  return out.join(";;");
}

namespace {

QFileDialog::Options ChooserOptions(bool confirmOverwrite) {
  QFileDialog::Options options = QFileDialog::DontUseNativeDialog;
  if (!confirmOverwrite) options |= QFileDialog::DontConfirmOverwrite;
  return options;
}

}  // namespace

std::string FileChoosers::OpenFile(QWidget* parent, const std::string& folder, const std::string& filter,
                                   const std::string&) {
  return QFileDialog::getOpenFileName(parent, "Open", QString::fromStdString(folder), QtFileFilter(filter), nullptr,
                                      ChooserOptions(true))
      .toStdString();
}

std::string FileChoosers::SaveFile(QWidget* parent, const std::string& proposed, const std::string& filter,
                                   const std::string& defaultExt, bool confirmOverwrite) {
  QFileDialog dialog(parent, "Save As", QString::fromStdString(proposed), QtFileFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOptions(ChooserOptions(confirmOverwrite));
  dialog.setDefaultSuffix(QString::fromStdString(defaultExt));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace quill
