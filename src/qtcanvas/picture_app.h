// Fonts and painting need a Qt application object; a command-line program makes one for as long as
// it draws, on the offscreen platform unless another one is asked for.
#pragma once

#include <memory>

class QGuiApplication;

namespace quill {

class PictureApplication {
 public:
  PictureApplication();
  ~PictureApplication();
  PictureApplication(const PictureApplication&) = delete;
  PictureApplication& operator=(const PictureApplication&) = delete;

 private:
  std::unique_ptr<QGuiApplication> app_;  // none when the program already has one
};

}  // namespace quill
