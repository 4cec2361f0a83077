#include "notify/mail_presets.h"

namespace zorvqi {
namespace {

const std::vector<std::string>& domains() {
  static const std::vector<std::string> list = {"qq.com", "163.com", "126.com"};
  return list;
}

}  // namespace

const std::vector<std::string>& mailPresetEntries() {
  static const std::vector<std::string> entries = [] {
    std::vector<std::string> out;
    for (const std::string& domain : domains()) out.push_back("@" + domain);
    return out;
  }();
  return entries;
}

std::optional<std::string> mailDomainForIndex(int index) {
  if (index < 0 || index >= static_cast<int>(domains().size())) return std::nullopt;
  return domains()[index];
}

std::string mailServerFor(const std::string& domain) {
  return "smtp." + domain;
}

}  // namespace zorvqi
