#include "shell/desktop_program.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <memory>

#include "app/program.h"
#include "app/startup.h"
#include "artwork/dxf_import.h"
#include "job/job.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/qt_ui.h"
#include "shell/window_directory.h"

namespace quill {

namespace {

// The splash picture: the product name, a cutter over an engraved stroke, and "Loading...".
QPixmap SplashPicture() {
  QPixmap picture(460, 220);
  picture.fill(QColor(24, 40, 64));
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(230, 236, 245));
  p.setFont(QFont("Arial", 26, QFont::Bold));
  p.drawText(QRect(0, 24, 460, 50), Qt::AlignCenter, "QUILLMARK PRO 2008");
  QPainterPath stroke(QPointF(70, 150));
  stroke.cubicTo(140, 90, 200, 190, 270, 130);
  stroke.cubicTo(310, 100, 340, 120, 360, 140);
  p.setPen(QPen(QColor(0, 200, 200), 3));
  p.drawPath(stroke);
  p.setPen(QPen(QColor(200, 200, 210), 2));
  p.drawPolygon(QPolygonF({QPointF(352, 88), QPointF(368, 88), QPointF(360, 140)}));
  p.drawRect(QRectF(350, 60, 20, 28));
  p.setFont(QFont("Arial", 11));
  p.setPen(QColor(230, 236, 245));
  p.drawText(QRect(0, 180, 460, 30), Qt::AlignCenter, "Loading...");
  return picture;
}

std::unique_ptr<QLabel> ShowSplash() {
  auto splash = std::make_unique<QLabel>(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  splash->setPixmap(SplashPicture());
  splash->adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    splash->move(screen->availableGeometry().center() - splash->rect().center());
  }
  splash->show();
  splash->repaint();
  QApplication::processEvents();
  return splash;
}

}  // namespace

int RunDesktopProgram(QApplication& app, const std::vector<std::string>& args) {
  QtUi ui;
  HomeArgs parsed = TakeHomeOption(args);
  if (!parsed.error.empty()) {
    ui.Error(parsed.error);
    return 2;
  }
  Job job(ui);
  // A home that cannot be had is reported through the Ui; one another program holds may open read-only.
  if (!StartJob(job, parsed.home, HomeInUse::AskReadOnly)) return 1;
  std::unique_ptr<QLabel> splash = ShowSplash();
  app.setApplicationName(ProgramTitle);
  WindowDirectory windows{ui};
  DesktopContext context{job, ui, windows};
  int status = 0;
  {
    TMainform main(context);
    ui.SetParent(&main);
    ui.SetHelpOpener([&context](int helpContext) { ShowHelpContext(context, helpContext); });
    QApplication::processEvents();
    RegisterAllWindows(context, &main);
    QApplication::processEvents();
    splash.reset();
    DxfImportWindows dxfWindows = main.DxfWindows();
    ProcessCommandLine(job, parsed.rest, &dxfWindows);
    main.RefreshRecentMenu();
    app.setQuitOnLastWindowClosed(false);
    // exit() rather than quit(): the other windows go with the main window without being asked to close.
    QObject::connect(&main, &TMainform::Closed, &app, [&app] { app.exit(0); }, Qt::QueuedConnection);
    // Filling the screen first keeps the window large where no window manager maximises it.
    if (QScreen* screen = QGuiApplication::primaryScreen()) main.setGeometry(screen->availableGeometry());
    main.showMaximized();
    status = app.exec();
    ui.SetParent(nullptr);
  }
  DestroyMainWindow(job);
  SaveEditorText(job);
  return status;
}

}  // namespace quill
