// The windows of the tool path's sources beside plain engraving: the reference frame, surface
// projections, raised and inset letters, the bitmap scanner and the carving window.  Made once at
// start-up with the other stage windows; the tool path dialog gets their plug-ins.
#pragma once

class QWidget;

namespace quill {

struct DesktopContext;
class TGenTpathDlg;

void RegisterToolPathWindows(DesktopContext& context, QWidget* mainWindow, TGenTpathDlg* toolPath);

}  // namespace quill
