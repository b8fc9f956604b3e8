#include "shell/program_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The resources live in this static library; naming them here keeps the linker from leaving them out.
// Qt's macro names a function of the global namespace, so it is called from there.
static void LoadIconResources() {
  static const bool loaded = [] {
    Q_INIT_RESOURCE(program_icons);
    return true;
  }();
  (void)loaded;
}

namespace quill {

QIcon ProgramIcon(const QString& name) {
  LoadIconResources();
  QSvgRenderer svg(":/icons/" + name + ".svg");
  QIcon icon;
  if (!svg.isValid()) return icon;
  // Drawn from the outlines at each size and density: nothing is scaled from another bitmap.
  for (int size : {16, ButtonIconSize, 32}) {
    for (int ratio : {1, 2}) {
      QPixmap pixmap(size * ratio, size * ratio);
      pixmap.fill(Qt::transparent);
      QPainter painter(&pixmap);
      painter.setRenderHint(QPainter::Antialiasing);
      svg.render(&painter);
      painter.end();
      pixmap.setDevicePixelRatio(ratio);
      icon.addPixmap(pixmap);
    }
  }
  return icon;
}

}  // namespace quill
