#include "notify/mail_message.h"

#include <cstdio>
#include <ctime>
#include <random>

#include "notify/base64.h"
#include "text/gbk_string.h"

namespace zorvqi {
namespace {

// 48 bytes make 64 base64 characters: with "=?GBK?B?" and "?=" an encoded word of 74.
constexpr std::size_t kWordBytes = 48;

std::string withoutLineBreaks(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

std::string twoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

std::tm tmOf(const LocalTime& time) {
  std::tm t{};
  t.tm_year = time.year - 1900;
  t.tm_mon = time.month - 1;
  t.tm_mday = time.day;
  t.tm_hour = time.hour;
  t.tm_min = time.minute;
  t.tm_sec = time.second;
  t.tm_isdst = -1;
  return t;
}

// "+0800": the offset the local time zone has at that time.
std::string utcOffsetText(const LocalTime& time) {
  std::tm t = tmOf(time);
  const std::time_t at = std::mktime(&t);
  std::tm local{};
  long offset = 0;
  if (at != static_cast<std::time_t>(-1) && localtime_r(&at, &local)) offset = local.tm_gmtoff / 60;
  const char sign = offset < 0 ? '-' : '+';
  if (offset < 0) offset = -offset;
  return sign + twoDigits(static_cast<int>(offset / 60)) + twoDigits(static_cast<int>(offset % 60));
}

// 0 for Sunday; the proleptic Gregorian calendar (Sakamoto's method).
int weekday(int year, int month, int day) {
  static const int shift[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) year -= 1;
  const int w = (year + year / 4 - year / 100 + year / 400 + shift[(month + 11) % 12] + day) % 7;
  return w < 0 ? w + 7 : w;
}

std::string domainOf(std::string_view address) {
  const std::size_t at = address.rfind('@');
  const std::string domain = at == std::string_view::npos ? "" : withoutLineBreaks(address.substr(at + 1));
  return domain.empty() ? "zorvqi.localhost" : domain;
}

}  // namespace

std::string encodedSubject(std::string_view gbk) {
  std::string out;
  std::size_t start = 0;
  while (start < gbk.size()) {
    std::size_t end = start;
    while (end < gbk.size()) {
      const std::size_t length = gbkCharLength(gbk, end);
      if (end + length - start > kWordBytes) break;
      end += length;
    }
    if (!out.empty()) out += "\r\n ";
    out += "=?GBK?B?" + base64Encode(gbk.substr(start, end - start)) + "?=";
    start = end;
  }
  return out;
}

std::string mailDateText(const LocalTime& time) {
  static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const int month = time.month >= 1 && time.month <= 12 ? time.month : 1;
  return std::string(days[weekday(time.year, month, time.day)]) + ", " + twoDigits(time.day) + " " +
         months[month - 1] + " " + std::to_string(time.year) + " " + twoDigits(time.hour) + ":" +
         twoDigits(time.minute) + ":" + twoDigits(time.second) + " " + utcOffsetText(time);
}

std::string newMessageId(const LocalTime& time, std::string_view senderAddress) {
  static thread_local std::mt19937_64 random{std::random_device{}()};
  char unique[17];
  std::snprintf(unique, sizeof unique, "%016llx", static_cast<unsigned long long>(random()));
  return "<" + std::to_string(time.year) + twoDigits(time.month) + twoDigits(time.day) +
         twoDigits(time.hour) + twoDigits(time.minute) + twoDigits(time.second) + "." + unique + "@" +
         domainOf(senderAddress) + ">";
}

std::string composeMail(const MailMessage& mail) {
  std::string text;
  text += "From: " + withoutLineBreaks(mail.from) + "\r\n";
  text += "To: " + withoutLineBreaks(mail.to) + "\r\n";
  text += "Subject: " + encodedSubject(mail.subject) + "\r\n";
  text += "Date: " + mailDateText(mail.date) + "\r\n";
  text += "Message-ID: " + withoutLineBreaks(mail.messageId) + "\r\n";
  text += "MIME-Version: 1.0\r\n";
  text += "Content-Type: text/plain; charset=GBK\r\n";
  text += "Content-Transfer-Encoding: base64\r\n";
  text += "\r\n";
  text += base64Lines(mail.body);
  return text;
}

}  // namespace zorvqi
