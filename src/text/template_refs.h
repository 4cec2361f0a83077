// The "[n]" field references of a URL or extra-info template.
//
// Contract: the template is scanned once: every text between a "[" and the next "]" after
// it (as textsBetween), read with the text-to-number rule. Only the first three count, in
// the order they appear; further references are never filled. '[03]' reads as 3.
// Thread safety: pure function.
#pragma once

#include <array>
#include <string_view>

namespace zorvqi {

struct TemplateRefs {
  int count = 0;  // 0..3
  std::array<int, 3> fields{};

  bool operator==(const TemplateRefs&) const = default;
};

TemplateRefs scanTemplateRefs(std::string_view templateText);

}  // namespace zorvqi
