#include "text/template_refs.h"

#include "text/number.h"
#include "text/texts_between.h"

namespace zorvqi {

TemplateRefs scanTemplateRefs(std::string_view templateText) {
  TemplateRefs refs;
  for (const std::string& piece : textsBetween(templateText, "[", "]")) {
    if (refs.count == 3) break;
    refs.fields[refs.count++] = textToInt32(piece);
  }
  return refs;
}

}  // namespace zorvqi
