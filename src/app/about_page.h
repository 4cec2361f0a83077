// The about page that 关于 || 作者 loads into the browser box.
//
// Contract: GBK HTML: a head asking for the newest rendering engine (X-UA-Compatible,
// "IE=edge,chrome=1"), then div#m with the h3 "汐昙监控系统", p#d introducing the software,
// and a paragraph with the thanks and the user forum's address. Thread safety: pure.
#pragma once

#include <string>

namespace zorvqi::app {

std::string aboutPageHtml();

}  // namespace zorvqi::app
