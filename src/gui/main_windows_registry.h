// The main window's own windows: help, 3D view setup, simulation, project properties and the about box.
#pragma once

class QWidget;

namespace quill {

struct DesktopContext;

// Creates them once and registers them; mainWindow is the TMainform they belong to.
void RegisterMainWindows(DesktopContext& context, QWidget* mainWindow);

}  // namespace quill
