#include "extract/cut_region.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

struct CutCase {
  const char* source;
  const char* start;
  const char* end;
  const char* expected;
};

class CutRegionTable : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutRegionTable, KeepsTheTextBetweenTheMarkers) {
  const CutCase& c = GetParam();
  EXPECT_EQ(cutRegion(c.source, c.start, c.end), c.expected)
      << c.source << " / " << c.start << " / " << c.end;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CutRegionTable,
    ::testing::Values(CutCase{"xAyBzB", "A", "B", "y"},   // first end after the start
                      CutCase{"xByA", "A", "B", ""},      // an end before the start does not count
                      CutCase{"xAB", "A", "B", ""},       // adjacent markers: empty region
                      CutCase{"xA", "A", "B", ""},        //
                      CutCase{"xyz", "A", "B", ""},       //
                      CutCase{"AAB", "AA", "AB", ""},     // the end is looked for after the start
                      CutCase{"AAxAB", "A", "AB", "Ax"},  //
                      CutCase{"aXbXc", "x", "c", ""},     // case as written
                      CutCase{"<div id=\"list\"><li>1</li></div>", "#引号list#引号>", "</div>", "<li>1</li>"},
                      CutCase{"<p class=\"a\">x</p>", "<p class=", "#引号>", "\"a"},
                      CutCase{"中有文字结束", "\xD0\xD3", "结束", ""},  // no start inside a character
                      CutCase{"头中文尾", "头", "尾", "中文"},          //
                      CutCase{"xAyB", "", "B", ""},                     // an empty marker is never found
                      CutCase{"xAyB", "A", "", ""}));

}  // namespace
}  // namespace zorvqi
