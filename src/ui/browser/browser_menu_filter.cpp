#include "ui/browser/browser_menu_filter.h"

#include "ewe/ewe.h"

namespace zorvqi::ui {

void installBrowserMenuFilter(BrowserView& view, std::function<void(QPoint globalPosition)> popUpMenu) {
  view.setMessageFilter(
      [&view, popUpMenu = std::move(popUpMenu)](const BrowserMessage& message) -> std::intptr_t {
        if (message.message == wkeMsgRButtonDown && popUpMenu) {
          QWidget* window = view.viewWindow();
          popUpMenu(window ? window->mapToGlobal(message.position()) : message.position());
        }
        return 0;
      });
}

}  // namespace zorvqi::ui
