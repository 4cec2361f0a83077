// Which addresses the program opens: only web pages, never scripts or local files.
//
// Contract: `browsableAddress` turns a GBK address as a user would have typed it into the
// GBK address to open: a scheme-less one gets the scheme a browser's address bar would give
// it (QUrl::fromUserInput), and the result is kept only when its scheme is http or https.
// Anything else (javascript:, file:, data:, an empty or unparsable address) gives nullopt.
// `browsableAddressOrSay` is the same check that, on refusal, writes the status line
// "只能打开 http/https 地址：" + the address as given. Thread safety: pure (the second writes
// to `status`, whose own rules hold).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/status_lines.h"

namespace zorvqi::ui {

std::optional<std::string> browsableAddress(std::string_view address);
std::optional<std::string> browsableAddressOrSay(std::string_view address, StatusLines& status);

}  // namespace zorvqi::ui
