// TRas2vecdlg, "Raster to Vector Settings": what the vectorizer is asked for.  "Default" puts back the
// defaults; the values stay in the window from one raster to vector run to the next.
#pragma once

#include <QDialog>

#include "raster/vectorizer_settings.h"
#include "shell/help_contexts.h"

class QCheckBox;
class QSlider;
class QSpinBox;

namespace quill {

class TRas2vecdlg : public QDialog {
  Q_OBJECT

 public:
  explicit TRas2vecdlg(QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }
  // Shows the window modally with the settings as last accepted; true on OK.
  bool Ask();
  RasterToVectorSettings Settings() const { return settings_; }

  void accept() override;
  void Defaults();

 private:
  void Show(const RasterToVectorSettings& s);

  RasterToVectorSettings settings_;
  HelpPageOpener help_;
  QCheckBox* bezier_;
  QCheckBox* centerlines_;
  QCheckBox* thinGaps_;
  QSpinBox* lineWidth_;
  QSlider* noise_;
  QSpinBox* colours_;
  QCheckBox* darkest_;
  QCheckBox* omitBrightest_;
};

}  // namespace quill
