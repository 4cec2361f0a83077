#include "notify/mail_message.h"

#include <gtest/gtest.h>

#include <regex>

#include "notify/base64.h"
#include "text/gbk_string.h"

namespace zorvqi {
namespace {

std::string base64Decoded(const std::string& text) {
  static const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  unsigned long bits = 0;
  int count = 0;
  for (char c : text) {
    if (c == '=') break;
    bits = (bits << 6) | alphabet.find(c);
    if ((count += 6) >= 8) out += static_cast<char>((bits >> (count -= 8)) & 0xFF);
  }
  return out;
}

// Whether a GBK text ends on a character boundary (no lead byte left without its second).
bool wholeCharacters(const std::string& gbk) {
  std::size_t at = 0;
  while (at < gbk.size()) {
    if (isGbkLeadByte(static_cast<unsigned char>(gbk[at])) && at + 1 == gbk.size()) return false;
    at += gbkCharLength(gbk, at);
  }
  return true;
}

TEST(Base64, EncodesTheStandardVectorsAndWrapsAt76) {
  const std::pair<const char*, const char*> vectors[] = {{"", ""},
                                                         {"f", "Zg=="},
                                                         {"fo", "Zm8="},
                                                         {"foo", "Zm9v"},
                                                         {"foob", "Zm9vYg=="},
                                                         {"fooba", "Zm9vYmE="},
                                                         {"foobar", "Zm9vYmFy"}};
  for (const auto& [plain, encoded] : vectors) EXPECT_EQ(base64Encode(plain), encoded) << plain;
  EXPECT_EQ(base64Encode(std::string("\xff\xfe\x00", 3)), "//4A");

  const std::string lines = base64Lines(std::string(58, 'a'));
  EXPECT_EQ(lines, base64Encode(std::string(57, 'a')) + "\r\n" + base64Encode("a") + "\r\n");
  EXPECT_EQ(lines.find("\r\n"), 76u);
  EXPECT_EQ(base64Lines(""), "");
}

TEST(MailMessage, SubjectWordsStayShortAndNeverSplitACharacter) {
  std::string subject = "发现 3 篇新文章 ";
  for (int i = 0; i < 40; ++i) subject += "提醒";
  const std::string encoded = encodedSubject(subject);
  const std::regex word("=\\?GBK\\?B\\?([A-Za-z0-9+/=]+)\\?=");
  std::size_t words = 0;
  std::string joined;
  for (std::sregex_iterator it(encoded.begin(), encoded.end(), word), end; it != end; ++it) {
    ++words;
    EXPECT_LE(it->length(), 75);
    const std::string bytes = base64Decoded((*it)[1]);
    EXPECT_TRUE(wholeCharacters(bytes)) << it->str();
    joined += bytes;
  }
  EXPECT_GT(words, 1u);
  EXPECT_EQ(joined, subject);
  EXPECT_EQ(std::count(encoded.begin(), encoded.end(), '\n'), static_cast<long>(words - 1));
  EXPECT_EQ(encodedSubject(""), "");
  EXPECT_EQ(encodedSubject("\xb7\xa2"), "=?GBK?B?" + base64Encode("\xb7\xa2") + "?=");
}

TEST(MailMessage, DateCarriesTheWeekdayAndTheLocalOffset) {
  const std::pair<LocalTime, const char*> dates[] = {
      {{2024, 3, 5, 10, 7, 0}, "Tue, 05 Mar 2024 10:07:00 "},
      {{2000, 2, 29, 23, 59, 59}, "Tue, 29 Feb 2000 23:59:59 "},
      {{1999, 12, 31, 0, 0, 1}, "Fri, 31 Dec 1999 00:00:01 "},
      {{2026, 1, 1, 8, 0, 0}, "Thu, 01 Jan 2026 08:00:00 "},
  };
  for (const auto& [time, prefix] : dates) {
    const std::string text = mailDateText(time);
    EXPECT_EQ(text.substr(0, text.size() - 5), prefix);
    EXPECT_TRUE(std::regex_match(text.substr(text.size() - 5), std::regex("[+-][0-9]{4}"))) << text;
  }
}

TEST(MailMessage, HeadersAreCompleteAndAddressesCannotSplitThem) {
  MailMessage mail;
  mail.from = "me@163.com\r\nBcc: evil@x";
  mail.to = "you@example.org";
  mail.subject = "发现 0 篇新文章 ";
  mail.body = "\r\n标题：http://a/1";
  mail.date = {2024, 3, 5, 10, 7, 0};
  mail.messageId = newMessageId(mail.date, mail.to);
  const std::string text = composeMail(mail);

  EXPECT_EQ(text.find("From: me@163.comBcc: evil@x\r\nTo: you@example.org\r\nSubject: =?GBK?B?"), 0u) << text;
  for (const char* header :
       {"\r\nDate: Tue, 05 Mar 2024 10:07:00 ", "\r\nMessage-ID: <20240305100700.", "@example.org>\r\n",
        "\r\nMIME-Version: 1.0\r\n", "\r\nContent-Type: text/plain; charset=GBK\r\n",
        "\r\nContent-Transfer-Encoding: base64\r\n\r\n"})
    EXPECT_NE(text.find(header), std::string::npos) << header;
  EXPECT_EQ(text.substr(text.find("\r\n\r\n") + 4), base64Lines(mail.body));
  EXPECT_NE(newMessageId(mail.date, mail.to), mail.messageId);
}

}  // namespace
}  // namespace zorvqi
