// Escaping text for HTML element content and attribute values.
//
// Contract: `escapeHtml` replaces &, <, >, " and ' by character references and leaves every
// other byte as it is, so it is safe on GBK and UTF-8 alike (none of the five bytes occurs
// inside a double-byte character of either). Thread safety: pure function.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

std::string escapeHtml(std::string_view text);

}  // namespace zorvqi
