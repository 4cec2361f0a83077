// The address each HTTP stack hands libcurl, made safe to send.
//
// Contract: `percentEncodeUnsafe` turns every space, control character (0x00 to 0x1F, 0x7F)
// and byte above 0x7F into "%" and two upper-case hexadecimal digits; every other byte stays,
// so an existing "%XX" is left alone. `safeAddress` makes everything after the host of a URL
// (path, query, fragment) safe that way and leaves the scheme and host as they are.
// `winHttpAddress` is a GBK URL as the first stack sends it: converted to UTF-8, then made
// safe; its host is left for libcurl to turn a non-ASCII one into its IDN form.
// `addressHost` is the host libcurl reads from an address (lower case, IDN form, IPv6 without
// its brackets), or "" when libcurl refuses the address. Thread safety: pure functions.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

std::string percentEncodeUnsafe(std::string_view text);
std::string safeAddress(std::string_view url);
std::string winHttpAddress(std::string_view gbkUrl);
std::string addressHost(const std::string& address);

}  // namespace zorvqi
