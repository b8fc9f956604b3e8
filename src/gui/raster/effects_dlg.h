// The picture's "E&ffects" window: brightness, contrast, a black-and-white threshold, inversion and
// grey, the clean-up a scan gets before it is traced.  A preview shows the picture as it would become.
#pragma once

#include <QDialog>
#include <QImage>

#include "raster/picture_effects.h"

class QCheckBox;
class QLabel;
class QSlider;

namespace quill {

class Picture;

class TEffectsDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TEffectsDlg(QWidget* parent = nullptr);

  // Shows the window for this picture; the effects on OK, nothing when cancelled.
  bool Ask(const Picture& picture, PictureEffects& effects);
  PictureEffects Current() const;

 private:
  void Preview();

  QSlider* brightness_;
  QSlider* contrast_;
  QSlider* threshold_;
  QCheckBox* invert_;
  QCheckBox* grey_;
  QLabel* preview_;
  const Picture* picture_ = nullptr;
};

}  // namespace quill
