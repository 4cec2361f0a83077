#include "app/about_page.h"

#include "text/charset.h"

namespace zorvqi::app {

std::string aboutPageHtml() {
  return utf8ToGbk(
      "<html><head><meta http-equiv=\"X-UA-Compatible\" "
      "content=\"IE=edge,chrome=1\"><title>关于</title></head>"
      "<body><div id=\"m\"><h3>汐昙监控系统</h3>"
      "<p id=\"d\">汐昙新文章监控提醒：按你的方案定时查看论坛、博客和新闻栏目的文章列表，"
      "一有新文章就弹窗、响铃、换托盘图标或发邮件提醒你。</p>"
      "<p>感谢你的使用与支持！用户论坛：https://bbs.zorvqi.invalid/</p></div></body></html>");
}

}  // namespace zorvqi::app
