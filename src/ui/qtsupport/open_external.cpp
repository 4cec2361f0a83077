#include "ui/qtsupport/open_external.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/qtsupport/browsable_address.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::ui {

void openExternal(std::string_view address, StatusLines& status) {
  if (address.empty()) return;
  const std::optional<std::string> browsable = browsableAddressOrSay(address, status);
  if (browsable) QDesktopServices::openUrl(QUrl(toQString(*browsable)));
}

}  // namespace zorvqi::ui
