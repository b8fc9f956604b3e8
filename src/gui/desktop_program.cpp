#include "desktop_program.h"

#include <QApplication>
#include <QMessageBox>

namespace quill {

int RunDesktopProgram(QApplication& app, const std::vector<std::string>& args) {
  QMessageBox::information(nullptr, "QUILLMARK-PRO-2008",
                           "The windows of this build are not available yet.\n"
                           "Run quillpro2008 PROJECT.QLM -r for the unattended run.");
  return 0;
}

}  // namespace quill
