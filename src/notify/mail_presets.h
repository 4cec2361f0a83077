// The preset mail providers, one table for the options list and the settings load.
//
// Contract: entry i of `mailPresetEntries()` is what the options list shows at index i
// ("@" + domain); `mailDomainForIndex(i)` is the same domain, or nothing for an index
// outside the table. Keeping both in one table keeps a stored index and the list in
// agreement. Thread safety: constant data.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zorvqi {

const std::vector<std::string>& mailPresetEntries();
std::optional<std::string> mailDomainForIndex(int index);

// The SMTP host and port of a domain: "smtp." + domain, port 25.
std::string mailServerFor(const std::string& domain);
constexpr int kMailPort = 25;

}  // namespace zorvqi
