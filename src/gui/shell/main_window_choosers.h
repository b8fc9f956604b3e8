// The file choosers of the main window's commands.  Filters are written as the program's commands
// give them ("DXF Files (*.DXF)|*.DXF|..."); the choosers show them in Qt's form.  Tests replace the
// choosers with scripted ones.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace quill {

// "Text|*.A;*.B|..." as Qt's "Text (*.A *.B);;...".
QString QtFileFilter(const std::string& filter);

class FileChoosers {
 public:
  virtual ~FileChoosers() = default;
  // An existing file; "" when cancelled.  folder may be empty (the last folder used).
  virtual std::string OpenFile(QWidget* parent, const std::string& folder, const std::string& filter,
                               const std::string& defaultExt);
  // A file to write, starting from proposed (a folder, or a folder and name); "" when cancelled.
  // The extension is added when the typed name has none.  confirmOverwrite: the chooser asks before
  // an existing file is chosen.
  virtual std::string SaveFile(QWidget* parent, const std::string& proposed, const std::string& filter,
                               const std::string& defaultExt, bool confirmOverwrite);
};

}  // namespace quill
