// Tools > Show Information: fifteen figures over the whole drawing (its box and centre, lengths, the
// longest and shortest line, arc radii and counts), shown beside the workshop and brought up to date
// whenever the drawing changes while it is open.
#pragma once

#include <QWidget>
#include <array>

#include "shell/help_contexts.h"

class QLabel;

namespace quill {

class WorkshopDocument;

class TArtInfoForm : public QWidget {
  Q_OBJECT

 public:
  explicit TArtInfoForm(QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // The figures of the drawing as it is now.
  void ShowFigures(const WorkshopDocument& doc);
  // The value beside a label ("Number of Lines  :").
  QString Value(const QString& label) const;

 private:
  static constexpr size_t kLines = 15;

  HelpPageOpener help_;
  std::array<QLabel*, kLines> labels_{};
  std::array<QLabel*, kLines> values_{};
};

}  // namespace quill
