// Helpers of the Art Workshop's window tests: the main window with the artwork windows registered,
// the workshop opened from its menu, the mouse on the paint box at world positions, and modal windows
// answered as an operator answers them.
#pragma once

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "artwork/art_workshop.h"
#include "artwork/workshop/session.h"
#include "artwork/workshop_paint_box.h"
#include "main_window_fixture.h"

namespace quill {

class WorkshopWindowTest : public MainWindowTest {
 protected:
  WorkshopWindowTest() {
    RegisterArtworkWindows(context, main.get());
    workshop = main->findChild<TArtWorkshop*>();
    auto scripted = std::make_unique<ScriptedChoosers>();
    files = scripted.get();
    workshop->SetChoosers(std::move(scripted));
  }

  // "Art &Workshop" of the main window's Artwork menu.
  void OpenWorkshop() {
    Trigger("Art Workshop");
    EXPECT_TRUE(QTest::qWaitForWindowExposed(workshop));
    QApplication::processEvents();
  }
  WorkshopDocument& Doc() { return workshop->Document(); }
  WorkshopPaintBox& Box() { return workshop->PaintBox(); }
  void Command(const char* caption) {
    QAction* a = workshop->MenuItem(caption);
    ASSERT_NE(a, nullptr) << caption;
    ASSERT_TRUE(a->isEnabled()) << caption;
    a->trigger();
  }

  QPoint Px(double x, double y) {
    PixelPoint p = workshop->Session().View().WorldToPixel(x, y);
    return {p.x, p.y};
  }
  void Press(double x, double y, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(&Box(), b, {}, Px(x, y)); }
  void Release(double x, double y) { QTest::mouseRelease(&Box(), Qt::LeftButton, {}, Px(x, y)); }
  void MoveMouse(double x, double y) { QTest::mouseMove(&Box(), Px(x, y)); }
  void Click(double x, double y) {
    Press(x, y);
    Release(x, y);
  }
  void Drag(double x1, double y1, double x2, double y2) {
    Press(x1, y1);
    MoveMouse((x1 + x2) / 2, (y1 + y2) / 2);
    MoveMouse(x2, y2);
    Release(x2, y2);
  }
  void RightClick(double x = 0, double y = 0) { QTest::mouseClick(&Box(), Qt::RightButton, {}, Px(x, y)); }
  // The mouse moved with no button held (Qt Test would move the system's cursor instead).
  void Hover(double x, double y) {
    QPoint at = Px(x, y);
    QMouseEvent move(QEvent::MouseMove, at, Box().mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&Box(), &move);
  }

  // Acts on the next modal window of this class once it shows (its exec() runs meanwhile); gives up
  // after a few seconds, so a window that never shows cannot be answered in a later test.
  template <class Dialog>
  static void WhenModal(std::function<void(Dialog&)> act) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act, left = 500]() mutable {
      auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      if ((!d || !d->isVisible()) && --left > 0) return;
      poll->stop();
      poll->deleteLater();
      if (d) act(*d);
    });
    poll->start();
  }
  // Types into a field as the operator does: the old text selected and typed over.
  static void TypeInto(QLineEdit& field, const QString& text) {
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, text);
  }
  static void PressOk(QDialog& d) {
    QPushButton* ok = d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ASSERT_NE(ok, nullptr);
    ok->click();
  }

  TArtWorkshop* workshop = nullptr;
  ScriptedChoosers* files = nullptr;
};

}  // namespace quill
