// The report's column primitives: tab stops, print zones, the plain number and the number formats.
#include "report/report_columns.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportLines, TabWritesUpToItsColumnOrWrapsToTheNextLine) {
  ReportLines out;
  out.Text("abc").Tab(4).Text("x").Tab(10).Text("y");
  EXPECT_EQ(out.Str(), "abcx     y");
  out.Tab(5).Text("z");
  EXPECT_EQ(out.Str(), "abcx     y\r\n    z");
  EXPECT_EQ(out.Column(), 6);
}

TEST(ReportLines, NextZoneMovesStrictlyRightToAMultipleOfFourteenPlusOne) {
  for (const auto& [written, zone] :
       std::initializer_list<std::pair<int, int>>{{0, 15}, {13, 15}, {14, 29}, {41, 43}, {42, 57}, {56, 71}}) {
    ReportLines out;
    out.Spc(written).NextZone();
    EXPECT_EQ(out.Column(), zone) << written;
  }
}

TEST(ReportFormats, PlainNumberHasASignPlaceAndATrailingBlank) {
  EXPECT_EQ(PlainNumberText(0.15), " .15 ");
  EXPECT_EQ(PlainNumberText(-0.5), "-.5 ");
  EXPECT_EQ(PlainNumberText(4000000), " 4000000 ");
  EXPECT_EQ(PlainNumberText(0), " 0 ");
  EXPECT_EQ(PlainNumberText(-12), "-12 ");
  EXPECT_EQ(PlainNumberText(1.0 / 3), " .333333333333333 ");
}

TEST(ReportFormats, FixedAndScientificRoundHalfAwayFromZero) {
  EXPECT_EQ(FixedFormat(45.2f, 0, 3), "045");
  EXPECT_EQ(FixedFormat(930.6, 0, 3), "931");
  EXPECT_EQ(FixedFormat(1234.4, 0, 3), "1234");
  // A single rounds its 7-digit text: 0.125f is exact, 2.675f reads 2.675 though it lies below.
  EXPECT_EQ(FixedFormat(0.125f, 2), "0.13");
  EXPECT_EQ(FixedFormat(2.675f, 2), "2.68");
  EXPECT_EQ(FixedFormat(1.5f, 2), "1.50");
  EXPECT_EQ(ScientificFormat(1200), "1.20E+03");
  EXPECT_EQ(ScientificFormat(0.5), "5.00E-01");
  EXPECT_EQ(ScientificFormat(99999999), "1.00E+08");
  EXPECT_EQ(ScientificFormat(0), "0.00E+00");
  EXPECT_EQ(ScientificFormat(1.005e-120), "1.01E-120");
  EXPECT_EQ(RightAligned("1.50"), " 1.50");
  EXPECT_EQ(RightAligned("123.46"), "123.46");
}

}  // namespace
