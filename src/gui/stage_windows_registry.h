// The windows of the stages: text path, tool path, depth calculator, NC-code generator and its setup,
// macros, the NC editor with resequencing, and Solid Model.  Each is created once, a child of the main
// window named by its class name, so the main window reaches it with
// mainWindow->findChild<TNCPOSTForm*>("TNCPOSTForm") when it needs more than Open.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace quill {

struct DesktopContext;

// What a window's Help button calls with the window's help page name.
using HelpPageOpener = std::function<void(const std::string& page)>;

// The program's texts are 8-bit characters.
inline QString Latin1(const std::string& s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string Latin1(const QString& s) {
  return s.toLatin1().toStdString();
}

// Registers "TGenForm" (the whole Generate command: the modal window, then Convert to Artwork when
// ticked), "TGenTpathDlg", "TNCPOSTForm", "TPostSetForm", "TMacroInsert", "TNCEditor", "TRESEQDlg" and
// "TSolidModel" (the Solid Model command).
void RegisterStageWindows(DesktopContext& context, QWidget* mainWindow);

}  // namespace quill
