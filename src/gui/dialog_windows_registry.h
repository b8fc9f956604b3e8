// The windows of the settings and the text to engrave: settings, preferences, the text editor with
// its special characters and spelling check, serial numbers and text effects.
#pragma once

class QWidget;

namespace quill {

struct DesktopContext;

// Creates them once, children of the main window, and registers "TSettingsDlg" (modeless),
// "TPrefsDlg" (modal), "TTedForm" (shown at normal size), "TSerialNumDlg" (modeless),
// "TSpecialCharDlg" and "TTextEffectsDlg" (modal).
void RegisterDialogWindows(DesktopContext& context, QWidget* mainWindow);

}  // namespace quill
