#include "shell/program_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace quill {

QIcon ProgramIcon(const QString& name) {
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
