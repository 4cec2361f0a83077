#include "ui/browser/browser_pages.h"

#include "companion/companion_addresses.h"

namespace zorvqi::ui {

std::string startupPage(std::string_view serviceBase) {
  return newsPageAddress(serviceBase, kStartupNewsQuery);
}

std::string miniHomePage(std::string_view serviceBase, bool pressed) {
  return pressed ? newsPageAddress(serviceBase, kMiniHomeNewsQuery) : std::string();
}

std::string qrCodePage(std::string_view serviceBase, std::string_view encodedAddress) {
  return qrPageAddress(serviceBase, encodedAddress);
}

}  // namespace zorvqi::ui
