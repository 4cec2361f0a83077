#include "ui/platform/program_icon.h"

#include <QPainter>
#include <QPixmap>

namespace zorvqi::ui {
namespace {

const QColor kProgramBlue(25, 118, 210);

QIcon paintedBadge() {
  QIcon icon;
  for (int size : {16, 32, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kProgramBlue);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1.0, size - 1.0), size / 5.0, size / 5.0);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(size * 0.25, size * 0.18, size * 0.45, size * 0.55));
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon iconFromSvg() {
  QIcon icon(QStringLiteral(":/zorvqi/icons/zorvqi.svg"));
  // Without the SVG engine the icon has no pixels to give.
  return icon.pixmap(32).isNull() ? QIcon() : icon;
}

QIcon paintedPage() {
  constexpr int size = 16;
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kProgramBlue, 1));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 1.5, 1.5);
  painter.setPen(QPen(QColor(144, 202, 249), 1.5));
  for (int y : {5, 8, 11}) painter.drawLine(QPointF(5, y), QPointF(y == 11 ? 8.5 : 11, y));
  return QIcon(pixmap);
}

}  // namespace

const QIcon& programIcon() {
  static const QIcon icon = [] {
    QIcon svg = iconFromSvg();
    return svg.isNull() ? paintedBadge() : svg;
  }();
  return icon;
}

const QIcon& planNodeIcon() {
  static const QIcon icon = paintedPage();
  return icon;
}

}  // namespace zorvqi::ui
