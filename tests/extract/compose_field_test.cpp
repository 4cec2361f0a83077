#include "extract/compose_field.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

Match matchOf(std::vector<std::string> fields) {
  return Match{std::move(fields)};
}

struct ComposeCase {
  const char* templateText;
  const char* expected;
};

class ComposeFieldTable : public ::testing::TestWithParam<ComposeCase> {};

// Fields 0..3 of one match.
const Match kMatch = matchOf({"<a href=aa.htm>t</a>", "x", "y", "aa.htm"});

TEST_P(ComposeFieldTable, FillsTheFirstThreeReferences) {
  const ComposeCase& c = GetParam();
  EXPECT_EQ(composeField(c.templateText, scanTemplateRefs(c.templateText), kMatch), c.expected)
      << c.templateText;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComposeFieldTable,
    ::testing::Values(ComposeCase{"/news/[3]", "/news/aa.htm"},    //
                      ComposeCase{"[1]/[1]", "x/x"},               //
                      ComposeCase{"[1][2][3][1]", "xyaa.htmx"},    //
                      ComposeCase{"[1][2][1][3]", "xyx[3]"},       // a repeated reference uses up a slot
                      ComposeCase{"[1][2][3][0]", "xyaa.htm[0]"},  // a fourth reference is never filled
                      ComposeCase{"[03]", "[03]"},                 // read as 3, but the token is "[3]"
                      ComposeCase{"[03][3]", "[03]aa.htm"},        //
                      ComposeCase{"[0]", "<a href=aa.htm>t</a>"},  //
                      ComposeCase{"a[99]b", "ab"},                 // no such group: empty text
                      ComposeCase{"a[-1]b", "ab"},                 //
                      ComposeCase{"[x]", "[x]"},                   // read as 0: "[0]" is not there
                      ComposeCase{"no refs", "no refs"},           //
                      ComposeCase{"", ""},                         //
                      ComposeCase{"http://s.cn/[１]",
                                  "http://s.cn/[１]"}));  // full width reads 1, token "[1]"

TEST(ComposeField, ReplacesInTheTextSoFar) {
  // each reference works on the text composed so far, field texts included
  const Match match = matchOf({"", "[2]", "z"});
  EXPECT_EQ(composeField("[1]", TemplateRefs{2, {1, 2, 0}}, match), "z");
  EXPECT_EQ(composeField("[2][1]", TemplateRefs{2, {2, 1, 0}}, match), "z[2]");
}

TEST(ComposeField, AMatchWithoutGroupsGivesEmptyFields) {
  EXPECT_EQ(composeField("/a/[1]", scanTemplateRefs("/a/[1]"), matchOf({"whole"})), "/a/");
  EXPECT_EQ(composeField("/a/[1]", scanTemplateRefs("/a/[1]"), Match{}), "/a/");
}

}  // namespace
}  // namespace zorvqi
