#include "ui/qtsupport/qt_text.h"

#include "text/charset.h"

namespace zorvqi::ui {

QString toQString(std::string_view gbk) {
  const std::string utf8 = gbkToUtf8(gbk);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string fromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return utf8ToGbk(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace zorvqi::ui
