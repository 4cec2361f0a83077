#include "companion/companion_addresses.h"

namespace zorvqi {

namespace {

std::string pageAddress(std::string_view base, std::string_view path, std::string_view query) {
  std::string address;
  address.reserve(base.size() + path.size() + 1 + query.size());
  address.append(base).append(path).append("?").append(query);
  return address;
}

}  // namespace

std::string newsPageAddress(std::string_view base, std::string_view query) {
  return pageAddress(base, kNewsPagePath, query);
}

std::string qrPageAddress(std::string_view base, std::string_view encodedValue) {
  std::string query = "value=";
  query.append(encodedValue);
  return pageAddress(base, kQrPagePath, query);
}

}  // namespace zorvqi
