// Where the reminder mail goes out and as whom: the server, the login and the sender address.
//
// Contract: `mailServer` is "smtp." + domain on port 25, unless `serverAddress` (the
// "发件服务器地址" setting: "host", "host:port", "[v6]" or "[v6]:port", blanks around it
// ignored) is set; an address whose port is not a number from 1 to 65535 gives nothing.
// `senderAddress` is account + "@" + domain, or the account itself when it holds "@"; the
// login name is always the account as typed.
// Thread safety: pure functions.
#pragma once

#include <optional>
#include <string>

#include "notify/smtp_client.h"

namespace zorvqi {

std::optional<SmtpServer> mailServer(const std::string& serverAddress, const std::string& domain,
                                     const std::string& certificateFile);
std::string senderAddress(const std::string& account, const std::string& domain);

}  // namespace zorvqi
