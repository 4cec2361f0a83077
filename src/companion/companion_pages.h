// The two HTML pages of the companion web service.
//
// Contract: both functions return a whole UTF-8 HTML document that runs no script. Every
// text taken from outside (the summary's texts, the QR value) is HTML-escaped; the QR value
// is read as lenient UTF-8 first, so a malformed byte shows as U+FFFD. The news page tells
// this version's news and the summary; the QR page shows the QR code of the value with the
// value under it, or a one-line explanation when there is nothing to encode or it is too
// long for a QR code. Thread safety: pure functions.
#pragma once

#include <string>
#include <string_view>

#include "companion/monitor_summary.h"

namespace zorvqi {

std::string newsPageHtml(const MonitorSummary& summary);
std::string qrPageHtml(std::string_view valueUtf8);

}  // namespace zorvqi
