// GBK core texts at the Qt edge.
// Thread safety: pure functions.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zorvqi::ui {

QString toQString(std::string_view gbk);
std::string fromQString(const QString& text);

}  // namespace zorvqi::ui
