#include "ui/main/article_list_images.h"

#include <QPainter>
#include <QPixmap>

namespace zorvqi::ui {
namespace {

constexpr int kImageSize = 16;

QIcon paintedDot(const QColor& fill, const QColor& ring) {
  QPixmap pixmap(kImageSize, kImageSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(ring, 1.5));
  painter.setBrush(fill);
  painter.drawEllipse(QRectF(2.5, 2.5, kImageSize - 5, kImageSize - 5));
  return QIcon(pixmap);
}

}  // namespace

const QIcon& markImage() {
  static const QIcon image = paintedDot(QColor(255, 153, 21), QColor(190, 90, 0));
  return image;
}

const QIcon& roundEndImage() {
  static const QIcon image = paintedDot(QColor(90, 200, 90), QColor(30, 120, 30));
  return image;
}

}  // namespace zorvqi::ui
