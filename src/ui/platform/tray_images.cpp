#include <QFont>
#include <QPainter>
#include <QPixmap>

#include "ui/platform/program_icon.h"
#include "ui/platform/tray_icon.h"

namespace zorvqi::ui {
namespace {

// A round badge with one character: the orange-red one says news waits.
QPixmap badge(int size, const QColor& colour, const QString& mark) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(size * 5 / 8);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, mark);
  return pixmap;
}

}  // namespace

QIcon trayImageIcon(TrayImage image) {
  if (image == TrayImage::NewArticles) return QIcon(badge(16, QColor(230, 81, 0), QStringLiteral("新")));
  return programIcon();
}

}  // namespace zorvqi::ui
