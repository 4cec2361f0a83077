#include "ui/qtsupport/browsable_address.h"

#include <QUrl>

#include "text/charset.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::ui {

std::optional<std::string> browsableAddress(std::string_view address) {
  const QString given = toQString(address).trimmed();
  if (given.isEmpty()) return std::nullopt;
  const QUrl url = QUrl::fromUserInput(given);
  if (!url.isValid()) return std::nullopt;
  const QString scheme = url.scheme().toLower();
  if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) return std::nullopt;
  // An address that already names its scheme goes on as it was written; only a fixed-up one
  // is rewritten, so the browser sees the site's own escaping.
  const bool named = given.startsWith(scheme + QLatin1Char(':'), Qt::CaseInsensitive);
  return named ? fromQString(given) : fromQString(url.toString(QUrl::FullyEncoded));
}

std::optional<std::string> browsableAddressOrSay(std::string_view address, StatusLines& status) {
  std::optional<std::string> browsable = browsableAddress(address);
  if (!browsable) status.appendStatus(utf8ToGbk("只能打开 http/https 地址：") + std::string(address));
  return browsable;
}

}  // namespace zorvqi::ui
