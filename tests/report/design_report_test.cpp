// The detailed report: golden English and metric reports, and the column rules row by row.
#include "report/design_report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "engine/design_thickness.h"
#include "golden/example_states.h"
#include "golden/test_files.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
  return lines;
}

std::string Report(const ProgramState& state) {
  std::string text;
  const Outcome built = BuildReport(state, text);
  EXPECT_TRUE(built.ok) << built.message;
  return text;
}

// The mix rows of a report (from line 31 on).
std::vector<std::string> TableRows(const ProgramState& state) {
  std::vector<std::string> lines = Lines(Report(state));
  return {lines.begin() + 30, lines.end()};
}

// A state with one aircraft whose stored results are chosen by the test.
class ReportRowTest : public testing::Test {
 protected:
  ReportRowTest() {
    SetMix(state, {row});
    state.lbh = "16.4";
    DesignResult& r = state.designResult;
    r.sigmaWe[row] = 45.2f;
    r.gearFactor[row] = 1;
    r.wanderFactor[row] = 0.9f;
    r.passToCoverage[row] = 3.5f;
    r.allowableCoverages[row] = 12345;
    r.damageRatioPct[row] = 1.5f;
  }
  ProgramState state = StateWithLibrary();
  int row = RowNamed(state, "B737-800");
  std::string& name = state.acdata[row][kFieldName];
};

TEST(DesignReportGolden, EnglishAndMetricReportsMatchTheirGoldenFiles) {
  const ExampleFile reports[] = {{"tests/golden/report_english.txt", EnglishMixedFleet},
                                 {"tests/golden/report_metric.txt", MetricRegional}};
  for (const auto& [path, build] : reports) {
    ProgramState state = build();
    ASSERT_TRUE(DesignThickness(state).ok);
    const std::string text = Report(state);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 30u + state.MixCount());
    EXPECT_EQ(lines[21].substr(0, 42), "     Design Thickness :" + std::string(19, ' '));
    EXPECT_EQ(lines[21].substr(42), state.lbh + (state.IsMetric() ? " cm" : " inches"));
    EXPECT_EQ(lines[28].substr(34, 3), state.IsMetric() ? "kPa" : "psi");
    ExpectMatchesGolden(path, text);
  }
}

TEST_F(ReportRowTest, RowPutsEveryValueAtItsColumnInItsFormat) {
  state.acdata[row][kFieldDepartures] = "1200";
  const std::vector<std::string> rows = TableRows(state);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], "     B737-800           1.20E+03  045          3.50   0.90  6.86E+03      1.23E+04    1.50");
}

TEST_F(ReportRowTest, NamesOfTwentyCharactersPushPassYearToTheNextLine) {
  name = std::string(19, 'N');
  std::vector<std::string> rows = TableRows(state);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].substr(24, 8), "1.20E+03");
  name = std::string(20, 'N');
  rows = TableRows(state);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], "     " + name);
  EXPECT_EQ(rows[1].substr(0, 32), std::string(24, ' ') + "1.20E+03");
}

TEST_F(ReportRowTest, CoveragesFromOneHundredMillionAreUnlimited) {
  for (auto [coverages, text] :
       {std::pair{1e8, "Unlimited"}, std::pair{99999999.0, "1.00E+08"}, std::pair{1.0 / 0.0, "Unlimited"}}) {
    state.designResult.allowableCoverages[row] = coverages;
    EXPECT_EQ(TableRows(state)[0].substr(74, 11), std::string(text) + std::string(11 - std::strlen(text), ' '));
  }
}

TEST_F(ReportRowTest, DamageRatioIsRightAlignedFromColumnEightySix) {
  for (auto [damage, text] : {std::pair{1.5f, " 1.50"}, std::pair{123.456f, "123.46"}, std::pair{0.004f, " 0.00"}}) {
    state.designResult.damageRatioPct[row] = damage;
    EXPECT_EQ(TableRows(state)[0].substr(85), text);
  }
}

TEST_F(ReportRowTest, MetricStressIsMultipliedByTheStressFactor) {
  state.EngFlag = 0;
  state.SIFlag = 1;
  state.designResult.sigmaWe[row] = 400;
  state.designResult.gearFactor[row] = 0.5f;
  EXPECT_EQ(TableRows(state)[0].substr(34, 4), "1378");
  const std::vector<std::string> lines = Lines(Report(state));
  EXPECT_EQ(lines[12].substr(56), "kPa");
  EXPECT_EQ(lines[15].substr(56), "kPa/mm");
  EXPECT_EQ(lines[21].substr(42), "16.4 cm");
}

TEST_F(ReportRowTest, AFourteenCharacterValuePushesTheUnitToColumnSeventyOne) {
  for (auto [text, unitColumn] :
       {std::pair{"12345678901", 57u}, std::pair{"123456789012", 71u}, std::pair{"-1.5", 57u}}) {
    state.TxtE = text;  // with its sign place and trailing blank: 13, 14 and 5 characters
    EXPECT_EQ(Lines(Report(state))[12].find("psi") + 1, unitColumn) << text;
  }
}

TEST_F(ReportRowTest, AnEmptyMixEndsWithTheDashedLine) {
  SetMix(state, {});
  const std::string text = Report(state);
  EXPECT_EQ(Lines(text).size(), 30u);
  EXPECT_TRUE(text.ends_with(std::string(94, '-') + "\r\n"));
}

TEST_F(ReportRowTest, ARowWithoutResultsIsRefusedAndNoFileIsWritten) {
  state.designResult.passToCoverage[row] = 0;
  std::string text = "old";
  const Outcome built = BuildReport(state, text);
  EXPECT_FALSE(built.ok);
  EXPECT_NE(built.message.find("B737-800"), std::string::npos);
  EXPECT_EQ(text, "");
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "ripades_refused_report.txt";
  std::filesystem::remove(path);
  EXPECT_FALSE(PrintToFile(state, path.string()).ok);
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
