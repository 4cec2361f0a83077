// Which page the system shows in the browser box on each occasion.
//
//   start-up, after the plans are loaded     startupPage: the news page, start-up query
//   迷你首页 pressed / released               miniHomePage: the news page, button query / ""
//   生成二维码                                qrCodePage of the urlEncode'd article address
//   double-click on an article row           the article's own address
//   关于 || 作者                              the about page, given to loadHtml directly
//
// Every address goes to showInBrowserBox, where "" means the placeholder page. The service
// base is the running companion service's base address (companion_service.h).
// Contract: GBK addresses (the companion addresses are ASCII). Thread safety: pure functions.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi::ui {

std::string startupPage(std::string_view serviceBase);
std::string miniHomePage(std::string_view serviceBase, bool pressed);
std::string qrCodePage(std::string_view serviceBase, std::string_view encodedAddress);

}  // namespace zorvqi::ui
