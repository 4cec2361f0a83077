#include "text/texts_between.h"

#include <gtest/gtest.h>

#include "text/template_refs.h"

namespace zorvqi {
namespace {

using Pieces = std::vector<std::string>;

TEST(TextsBetween, EveryStartMarkerWithAnEndAfterItGivesOneEntry) {
  EXPECT_EQ(textsBetween("<a><b>", "<", ">"), (Pieces{"a", "b"}));
  EXPECT_EQ(textsBetween("<a", "<", ">"), Pieces{});
  EXPECT_EQ(textsBetween("<a<b>", "<", ">"), (Pieces{"a<b", "b"}));
  EXPECT_EQ(textsBetween("<新闻><论坛>", "<", ">"), (Pieces{"新闻", "论坛"}));
  EXPECT_EQ(textsBetween("<>", "<", ">"), Pieces{""});
  EXPECT_EQ(textsBetween("", "<", ">"), Pieces{});
  EXPECT_EQ(
      textsBetween("head insert_zorvqi into a)\r\nx insert_zorvqi into b)\r\n", "insert_zorvqi", ")\r\n"),
      (Pieces{" into a", " into b"}));
}

struct RefsCase {
  const char* text;
  TemplateRefs expected;
};

class TemplateRefsTable : public ::testing::TestWithParam<RefsCase> {};

TEST_P(TemplateRefsTable, TakesTheFirstThreeReferences) {
  EXPECT_EQ(scanTemplateRefs(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, TemplateRefsTable,
                         ::testing::Values(RefsCase{"", {0, {}}}, RefsCase{"/news/[3]", {1, {3, 0, 0}}},
                                           RefsCase{"[1]/[1]", {2, {1, 1, 0}}},
                                           RefsCase{"[1][2][3][4]", {3, {1, 2, 3}}},
                                           RefsCase{"[03]", {1, {3, 0, 0}}}, RefsCase{"[x]", {1, {0, 0, 0}}},
                                           RefsCase{"[-2]", {1, {-2, 0, 0}}}, RefsCase{"[1", {0, {}}}));

}  // namespace
}  // namespace zorvqi
