#include "shell/window_directory.h"

#include <QDialog>
#include <QScreen>

#include "ui/ui.h"

namespace quill {

namespace {

constexpr const char* kPlacedProperty = "placedOverPicture";

QRect GlobalRect(const QWidget* w) {
  return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

}  // namespace

void PlaceOverPicture(QWidget* window, QWidget* parent) {
  if (!parent || window->property(kPlacedProperty).toBool()) return;
  window->setProperty(kPlacedProperty, true);
  QWidget* main = parent->window();
  const QWidget* picture = main->findChild<QWidget*>("QuillPicture");
  QRect area = picture && picture->isVisible() ? GlobalRect(picture) : main->frameGeometry();
  window->ensurePolished();
  QSize size = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
  QRect at(QPoint(0, 0), size);
  at.moveCenter(area.center());
  // Below the menus and buttons when it fits there, and always on the screen.
  if (at.top() < area.top()) at.moveTop(area.top());
  if (QScreen* screen = main->screen()) {
    QRect room = screen->availableGeometry();
    at.moveRight(std::min(at.right(), room.right()));
    at.moveBottom(std::min(at.bottom(), room.bottom()));
    at.moveLeft(std::max(at.left(), room.left()));
    at.moveTop(std::max(at.top(), room.top()));
  }
  window->move(at.topLeft());
}

void WindowDirectory::Register(const std::string& className, Opener opener) {
  openers_[className] = std::move(opener);
}

bool WindowDirectory::Has(const std::string& className) const {
  return openers_.count(className) > 0;
}

int WindowDirectory::Open(const std::string& className, QWidget* parent, const std::string& what) {
  auto it = openers_.find(className);
  if (it == openers_.end()) {
    ui_.Inform((what.empty() ? className : what) + " is not available yet");
    return QDialog::Rejected;
  }
  return it->second(parent);
}

WindowDirectory::Opener Modal(QDialog* dialog) {
  return [dialog](QWidget* parent) {
    PlaceOverPicture(dialog, parent);
    return dialog->exec();
  };
}

WindowDirectory::Opener Modeless(QWidget* window, bool normalSize) {
  return [window, normalSize](QWidget* parent) {
    PlaceOverPicture(window, parent);
    if (normalSize) {
      window->showNormal();
    } else {
      window->show();
    }
    window->raise();
    window->activateWindow();
    return static_cast<int>(QDialog::Accepted);
  };
}

void RegisterAllWindows(DesktopContext& context, QWidget* mainWindow) {
  RegisterShellWindows(context, mainWindow);
  RegisterTextWindows(context, mainWindow);
  RegisterStageWindows(context, mainWindow);
  RegisterPictureWindows(context, mainWindow);
  RegisterArtworkWindows(context, mainWindow);
  RegisterRasterWindows(context, mainWindow);
}

}  // namespace quill
