#include "window_directory.h"

#include <QDialog>
#include <QMessageBox>

namespace quill {

void WindowDirectory::Register(const std::string& className, Opener opener) {
  openers_[className] = std::move(opener);
}

bool WindowDirectory::Has(const std::string& className) const { return openers_.count(className) > 0; }

int WindowDirectory::Open(const std::string& className, QWidget* parent, const std::string& what) {
  auto it = openers_.find(className);
  if (it == openers_.end()) {
    QMessageBox::information(parent, "QUILLMARK-PRO-2008",
                             QString::fromStdString((what.empty() ? className : what) + " is not available yet"));
    return QDialog::Rejected;
  }
  return it->second(parent);
}

}  // namespace quill
