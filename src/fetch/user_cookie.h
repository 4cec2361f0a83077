// The user's cookie as the cookie engine of a transfer holds it.
//
// Contract: `cookieEngineLines` cuts a cookie text ("a=1; b=2") at every ";" into its
// cookies, each trimmed of spaces and tabs, and gives one line of libcurl's cookie file form
// per cookie: a host-only cookie of `host` for every path, not limited to secure connections
// (so it goes with every leg of a redirect that stays on that host, whatever the scheme or
// port, and never to another host), ending with the session. A cookie without "=" is a name
// with the empty value. Cookies whose names carry the "__Secure-" or "__Host-" prefix are
// marked secure, since the engine refuses them otherwise; they go over https only. A cookie
// with an empty name or holding a control character is left out, and so is everything when
// the host is empty. Thread safety: a pure function.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorvqi {

std::vector<std::string> cookieEngineLines(std::string_view cookie, std::string_view host);

}  // namespace zorvqi
