#include "extract/normalise_source.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>
#include <vector>

namespace zorvqi {
namespace {

// The eight replacements done the plain way, one full pass each over the previous result:
// the single pass must give exactly this.
std::string replaceEach(const std::string& text, const std::string& from, const std::string& to,
                        bool ignoreCase) {
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  auto matchesAt = [&](std::size_t pos) {
    if (text.size() - pos < from.size()) return false;
    for (std::size_t i = 0; i < from.size(); ++i) {
      const char a = text[pos + i];
      const char b = from[i];
      if (ignoreCase ? lower(a) != lower(b) : a != b) return false;
    }
    return true;
  };
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (matchesAt(pos)) {
      out += to;
      pos += from.size();
    } else {
      out += text[pos++];
    }
  }
  return out;
}

std::string referenceNormalise(const std::string& source) {
  // std::regex's \s in the classic locale is exactly space, tab, LF, CR, FF and VT.
  static const std::regex whiteSpace("\\s{2,}|\\t");
  std::string text = std::regex_replace(source, whiteSpace, " ");
  text = replaceEach(text, "&lt;", "<", true);
  text = replaceEach(text, "&gt;", ">", true);
  text = replaceEach(text, "&quot;", "\"", false);
  text = replaceEach(text, "&#37;", "%", false);
  text = replaceEach(text, "'", "", false);
  text = replaceEach(text, "\r", "", false);
  text = replaceEach(text, "\n", "", false);
  return text;
}

struct NormaliseCase {
  const char* source;
  const char* expected;
};

class NormaliseTable : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseTable, GivesTheEightStepResult) {
  const NormaliseCase& c = GetParam();
  EXPECT_EQ(normaliseSource(c.source), c.expected) << c.source;
  EXPECT_EQ(referenceNormalise(c.source), c.expected) << c.source;
}

INSTANTIATE_TEST_SUITE_P(Cases, NormaliseTable,
                         ::testing::Values(NormaliseCase{"a  b\r\n\tc", "a b c"},  //
                                           NormaliseCase{"a\nb", "ab"},   // a lone LF goes, it is not a space
                                           NormaliseCase{"a\rb", "ab"},   //
                                           NormaliseCase{"a\tb", "a b"},  // a lone tab is a space
                                           NormaliseCase{"a b", "a b"},   //
                                           NormaliseCase{"a\fb\vc", "a\fb\vc"},      // lone FF and VT stay
                                           NormaliseCase{"a\f\vb", "a b"},           //
                                           NormaliseCase{"&LT;b&Gt;", "<b>"},        //
                                           NormaliseCase{"&QUOT;", "&QUOT;"},        // step 4 keeps case
                                           NormaliseCase{"&quot;x&quot;", "\"x\""},  //
                                           NormaliseCase{"100&#37;", "100%"},        //
                                           NormaliseCase{"it's", "its"},             //
                                           NormaliseCase{"a ' b", "a  b"},  // quotes go after the collapse
                                           NormaliseCase{"&l't;",
                                                         "&lt;"},  // joined by a removal: not read again
                                           NormaliseCase{"&l\nt;", "&lt;"},        //
                                           NormaliseCase{"&l\r\nt;", "&l t;"},     //
                                           NormaliseCase{"&amp;lt;", "&amp;lt;"},  //
                                           NormaliseCase{"&&lt;gt;", "&<gt;"},  // "<" never starts an entity
                                           NormaliseCase{"&lt;&gt;&lt", "<>&lt"},  //
                                           NormaliseCase{"&", "&"},                //
                                           NormaliseCase{"", ""},                  //
                                           NormaliseCase{"中文\r\n  标题", "中文 标题"},
                                           // a stray lead byte does not hide the line break after it
                                           NormaliseCase{"\x81\n\x81'", "\x81\x81"}));

TEST(NormaliseSource, TwiceCanDifferFromOnce) {
  const std::string once = normaliseSource("a ' b");
  EXPECT_EQ(once, "a  b");
  EXPECT_EQ(normaliseSource(once), "a b");
}

TEST(NormaliseSource, KeepsZeroBytes) {
  const std::string source("a\0\0b", 4);
  EXPECT_EQ(normaliseSource(source), source);
}

// Random texts built from the pieces that interact (white space of every kind, quotes,
// entity parts in both cases, GBK characters, lone lead bytes) against the plain reference.
TEST(NormaliseSource, SinglePassEqualsEightStepsOnRandomTexts) {
  const std::vector<std::string> pieces = {
      " ",   "  ",   "\t",   "\r",  "\n",     "\r\n",   "\f",    "\v",    "'",    "&", "&lt;", "&LT;", "&Lt",
      "lt;", "&gt;", "&gT;", "gt;", "&quot;", "&Quot;", "quot;", "&#37;", "#37;", ";", "l",    "t",    "a",
      "中",  "\xB0", "\x81", "<",   ">",      "\"",     "%",     "&amp;", "q",    "u", "o",    "#",    "3"};
  std::mt19937 random(20240601);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 40);
  for (int round = 0; round < 20000; ++round) {
    std::string source;
    for (int n = length(random); n > 0; --n) source += pieces[pick(random)];
    ASSERT_EQ(normaliseSource(source), referenceNormalise(source))
        << "source: " << ::testing::PrintToString(source);
  }
}

TEST(NormaliseSource, SinglePassEqualsEightStepsOnRandomBytes) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 64);
  for (int round = 0; round < 5000; ++round) {
    std::string source;
    for (int n = length(random); n > 0; --n) source += static_cast<char>(byte(random));
    ASSERT_EQ(normaliseSource(source), referenceNormalise(source)) << ::testing::PrintToString(source);
  }
}

TEST(NormaliseSource, HandlesAPageOfTensOfMegabytes) {
  std::string page;
  for (int i = 0; i < 8 * 1024 * 1024; ++i) page += "a\r\n";  // 24 MB
  const std::string normalised = normaliseSource(page);
  ASSERT_EQ(normalised.size(), page.size() / 3 * 2);
  EXPECT_EQ(normalised.substr(0, 6), "a a a ");
  EXPECT_EQ(normalised.find_first_not_of("a "), std::string::npos);
}

struct StartMarkerCase {
  const char* source;
  const char* start;
  const char* end;
  bool lacks;
};

class StartMarkerTable : public ::testing::TestWithParam<StartMarkerCase> {};

TEST_P(StartMarkerTable, CountsTheSourceAsEmptyOnlyWhenTheLoneStartMarkerIsMissing) {
  const StartMarkerCase& c = GetParam();
  EXPECT_EQ(sourceLacksStartMarker(c.source, c.start, c.end), c.lacks) << c.source << " / " << c.start;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartMarkerTable,
    ::testing::Values(StartMarkerCase{"<ul id=list>", "id=list", "", false},
                      StartMarkerCase{"<ul id=list>", "ID=LIST", "", true},  // case as written
                      StartMarkerCase{"<ul>", "id=list", "", true},
                      StartMarkerCase{"<ul>", "id=list", "</ul>", false},  // the cut decides
                      StartMarkerCase{"<ul>", "", "", false}, StartMarkerCase{"", "", "x", false},
                      StartMarkerCase{"", "a", "", true},
                      StartMarkerCase{"a.b", ".", "", false},          // taken literally
                      StartMarkerCase{"a#引号b", "#引号", "", false},  // no "#引号" reading
                      StartMarkerCase{"中有", "\xD0\xD3", "", true}));

}  // namespace
}  // namespace zorvqi
