// The program's icons (data/icons, built into the program's resources): each drawn from its SVG at the
// sizes buttons use, at 1x and 2x pixel density, so a button is sharp on any screen.
#pragma once

#include <QIcon>
#include <QString>

namespace quill {

// name: the file's name without ".svg" ("zoom-in"); an unknown name gives an empty icon.
QIcon ProgramIcon(const QString& name);

// The size the button bar and the windows' buttons show icons at, in the widgets' units.
inline constexpr int ButtonIconSize = 24;

}  // namespace quill
