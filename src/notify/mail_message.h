// The reminder mail as it goes over the wire: headers and a base64 body.
//
// Contract: `composeMail` writes From, To, Subject, Date, Message-ID, MIME-Version,
// Content-Type (text/plain, charset GBK) and Content-Transfer-Encoding (base64), a blank line
// and the body in base64 lines, every line ended by "\r\n". The body's bytes come back
// exactly when decoded. Line breaks in the addresses are dropped so a header cannot be split.
// `encodedSubject` is the GBK subject as RFC 2047 encoded words ("=?GBK?B?...?="), each at
// most 75 characters and never splitting a double-byte character, folded with "\r\n ".
// `mailDateText` is the RFC 5322 date of a local time with the local offset from UTC
// ("Tue, 05 Mar 2024 10:07:00 +0800"). `newMessageId` is "<" + time + "." + 16 random
// hexadecimal digits + "@" + the sender's domain + ">".
// Thread safety: pure functions, except that `newMessageId` draws random numbers.
#pragma once

#include <string>
#include <string_view>

#include "base/clock.h"

namespace zorvqi {

struct MailMessage {
  std::string from;
  std::string to;
  std::string subject;  // GBK
  std::string body;     // GBK, sent exactly as given
  LocalTime date;
  std::string messageId;
};

std::string composeMail(const MailMessage& mail);
std::string encodedSubject(std::string_view gbk);
std::string mailDateText(const LocalTime& time);
std::string newMessageId(const LocalTime& time, std::string_view senderAddress);

}  // namespace zorvqi
