#include "qtcanvas/picture_app.h"

#include <QGuiApplication>

namespace quill {

namespace {

int argcStore = 1;
char argv0[] = "quill";
char* argvStore[] = {argv0, nullptr};

}  // namespace

PictureApplication::PictureApplication() {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  app_ = std::make_unique<QGuiApplication>(argcStore, argvStore);
}

PictureApplication::~PictureApplication() = default;

}  // namespace quill
