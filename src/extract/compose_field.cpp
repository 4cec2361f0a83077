#include "extract/compose_field.h"

#include "text/gbk_string.h"
#include "text/number.h"

namespace zorvqi {

std::string composeField(std::string_view templateText, const TemplateRefs& refs, const Match& match) {
  std::string text(templateText);
  for (int i = 0; i < refs.count && i < static_cast<int>(refs.fields.size()); ++i) {
    const int field = refs.fields[static_cast<std::size_t>(i)];
    text = gbkReplaceAll(text, "[" + decimalText(field) + "]", match.field(field));
  }
  return text;
}

}  // namespace zorvqi
