#include "ui/qtsupport/open_external.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/qtsupport/qt_text.h"

namespace zorvqi::ui {

void openExternal(std::string_view address) {
  if (address.empty()) return;
  QDesktopServices::openUrl(QUrl(toQString(address)));
}

}  // namespace zorvqi::ui
