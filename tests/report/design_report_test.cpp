// The detailed report's column rules row by row and the rounding of single-precision values. The whole English and
// metric reports: the batch cases report_to_standard_output and report_metric_to_standard_output.
#include "report/design_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "report/report_columns.h"
#include "report/report_file.h"
#include "support/test_state.h"

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
};

struct ColumnCase {
  const char* what;
  void (*change)(ProgramState&, int row);
  std::size_t line;  // of the report, counted from 0: 30 is the first mix row
  std::size_t column;
  std::string text;  // from column to the end of the line
};

const ColumnCase kColumnCases[] = {
    {"a 19-character name leaves pass/year on its line",
     [](ProgramState& s, int row) { s.acdata[row][1].resize(19, 'N'); }, 30, 24,
     "1.20E+03  045          3.50   0.90  6.86E+03      1.23E+04    1.50"},
    {"a 20-character name pushes pass/year to the next line",
     [](ProgramState& s, int row) { s.acdata[row][1] = std::string(20, 'N'); }, 31, 0,
     std::string(24, ' ') + "1.20E+03  045          3.50   0.90  6.86E+03      1.23E+04    1.50"},
    {"1e8 coverages are unlimited", [](ProgramState& s, int row) { s.designResult.allowableCoverages[row] = 1e8; }, 30,
     74, "Unlimited   1.50"},
    {"infinite coverages are unlimited",
     [](ProgramState& s, int row) { s.designResult.allowableCoverages[row] = 1.0 / 0.0; }, 30, 74, "Unlimited   1.50"},
    {"coverages just below 1e8 are a number",
     [](ProgramState& s, int row) { s.designResult.allowableCoverages[row] = 99999999; }, 30, 74, "1.00E+08    1.50"},
    {"a damage ratio of 6 characters fills its column",
     [](ProgramState& s, int row) { s.designResult.damageRatioPct[row] = 123.456f; }, 30, 85, "123.46"},
    {"E of 13 characters keeps the unit in the zone at 57", [](ProgramState& s, int) { s.TxtE = "12345678901"; }, 12,
     56, "psi"},
    {"E of 14 characters pushes the unit to 71", [](ProgramState& s, int) { s.TxtE = "123456789012"; }, 12, 70, "psi"},
    {"a negative E has no sign place", [](ProgramState& s, int) { s.TxtE = "-1.5"; }, 12, 56, "psi"},
};

TEST_F(ReportRowTest, EachValueLandsAtItsColumnInItsFormat) {
  state.acdata[row][kFieldDepartures] = "1200";
  for (const ColumnCase& c : kColumnCases) {
    SCOPED_TRACE(c.what);
    ProgramState changed = state;
    c.change(changed, row);
    const std::vector<std::string> lines = Lines(Report(changed));
    ASSERT_GT(lines.size(), c.line);
    EXPECT_EQ(lines[c.line].substr(std::min(c.column, lines[c.line].size())), c.text);
  }
}

TEST_F(ReportRowTest, AnEmptyMixEndsWithTheDashedLine) {
  SetMix(state, {});
  const std::string text = Report(state);
  EXPECT_EQ(Lines(text).size(), 30u);
  EXPECT_TRUE(text.ends_with(std::string(94, '-') + "\r\n"));
}

TEST_F(ReportRowTest, ARowWithoutResultsOrLibraryRowIsRefusedAndNoFileIsWritten) {
  const std::pair<int, const char*> cases[] = {
      {0, "mix position 1 names no library row"}, {66, "mix position 1 names no library row"}, {row, "\"B737-800\""}};
  state.designResult.passToCoverage[row] = 0;
  for (const auto& [named, reason] : cases) {
    state.mixlist[1] = named;
    std::string text = "old";
    const Outcome built = BuildReport(state, text);
    EXPECT_FALSE(built.ok);
    EXPECT_NE(built.message.find(reason), std::string::npos) << built.message;
    EXPECT_EQ(text, "");
  }
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "ripades_refused_report.txt";
  std::filesystem::remove(path);
  EXPECT_FALSE(PrintToFile(state, path.string()).ok);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(ReportFileLines, LinesEndAtCrLfLfOrCrAndComeBackEndedByCrLf) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitReportLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitReportLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(WithLineEnds({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

// A single rounds its 7-digit text: 0.125f is exact, 2.675f reads 2.675 though it lies below; a double
// rounds its 15-digit text.
TEST(ReportFormats, FixedAndScientificRoundTheirDigitTextHalfAwayFromZero) {
  EXPECT_EQ(FixedFormat(0.125f, 2), "0.13");
  EXPECT_EQ(FixedFormat(2.675f, 2), "2.68");
  EXPECT_EQ(ScientificFormat(1.005e-120), "1.01E-120");
  // A pass count of 5 a year has the exponent +00, not -00; the neighbours on either side of it.
  EXPECT_EQ(ScientificFormat(5), "5.00E+00");
  EXPECT_EQ(ScientificFormat(0.5), "5.00E-01");
  EXPECT_EQ(ScientificFormat(12345), "1.23E+04");
}

}  // namespace
