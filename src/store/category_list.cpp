#include "store/category_list.h"

#include "store/settings_file.h"
#include "text/texts_between.h"

namespace zorvqi {

std::vector<std::string> categoryList(const SettingsFile& settings) {
  return textsBetween(configItem(settings, "类别", ""), "<", ">");
}

}  // namespace zorvqi
