#include "companion/companion_pages.h"

#include "companion/companion_addresses.h"
#include "companion/html_escape.h"
#include "companion/qr_svg.h"
#include "text/charset.h"

namespace zorvqi {

namespace {

// Page texts are written here as GBK like every text of the system and served as UTF-8.
std::string pageHead(std::string_view titleGbk) {
  return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + gbkToUtf8(titleGbk) +
         "</title><style>body{font-family:sans-serif;font-size:13px;margin:12px;color:#333}"
         "h3{margin:0 0 8px}li{margin:2px 0}.addr{word-break:break-all}</style></head><body>";
}

constexpr std::string_view kPageTail = "</body></html>";

std::string summaryListGbk(const MonitorSummary& summary) {
  const std::string lastRound =
      summary.lastRoundTime.empty() ? std::string("尚未运行") : summary.lastRoundTime;
  return "<ul><li>监控方案：" + std::to_string(summary.plansWatched) + " 个</li><li>今日（本次运行）入库：" +
         std::to_string(summary.articlesToday) + " 篇</li><li>上一轮完成：" + escapeHtml(lastRound) +
         "</li></ul>";
}

std::string versionNewsGbk() {
  return "<h3>汐昙监控系统 " + std::string(kProgramVersion) +
         "</h3><p>本版新内容：</p><ul><li>方案可按栏目勾选，一键提取立即执行一轮。</li>"
         "<li>新文章可用弹窗、声音、托盘图标和邮件提醒。</li>"
         "<li>文章地址可生成二维码，用手机扫码阅读。</li></ul>";
}

}  // namespace

std::string newsPageHtml(const MonitorSummary& summary) {
  return pageHead("汐昙监控系统") +
         gbkToUtf8(versionNewsGbk() + "<p>监控概况：</p>" + summaryListGbk(summary)) + std::string(kPageTail);
}

std::string qrPageHtml(std::string_view valueUtf8) {
  const std::string value = utf16ToUtf8(utf8ToUtf16(valueUtf8));
  std::string body;
  if (value.empty()) {
    body = gbkToUtf8("<p>没有要生成二维码的地址。</p>");
  } else if (const auto svg = qrCodeSvg(value)) {
    body = "<div>" + *svg + "</div><p class=\"addr\">" + escapeHtml(value) + "</p>";
  } else {
    body = gbkToUtf8("<p>地址太长，无法生成二维码：</p>") + "<p class=\"addr\">" + escapeHtml(value) + "</p>";
  }
  return pageHead("二维码") + body + std::string(kPageTail);
}

}  // namespace zorvqi
