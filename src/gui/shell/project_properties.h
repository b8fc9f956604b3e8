// "Project Properties": the size of the text, the text path's and the artwork's entities and extents,
// and the tool path's blocks, lengths and extents, each group covered by "Calculating ..." until its
// values are in.
#pragma once

#include <QDialog>
#include <map>
#include <vector>

#include "app/project_summary.h"

class QFormLayout;
class QGridLayout;
class QLabel;

namespace quill {

struct DesktopContext;

class ProjectPropertiesDlg : public QDialog {
  Q_OBJECT

 public:
  explicit ProjectPropertiesDlg(DesktopContext& context, QWidget* parent = nullptr);

  // Shown modally; the values are worked out once the window is on the screen.
  int Run();
  // Works the values out and shows them.
  void Fill();
  // The value shown on the line with this object name ("TextExtents", "ToolBlocks" ...).
  QString Value(const QString& name) const;
  bool Calculating() const;

 private:
  QLabel* AddValue(QFormLayout* form, const char* caption, const char* name);
  void AddGroup(QGridLayout* grid, int row, const char* title,
                std::initializer_list<std::pair<const char*, const char*>> lines);

  DesktopContext& context_;
  ProjectSummary summary_;
  std::map<QString, QLabel*> values_;
  std::vector<QLabel*> calculating_;
};

}  // namespace quill
