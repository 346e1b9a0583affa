// ripades-batch run as a program. Each folder of cases/ is one run: `command` holds its arguments (run
// inside the folder, beside its input files), `stdout`, `stderr` and `status` what the run must give.
// A new case is a new folder; RIPADES_UPDATE_GOLDEN=1 writes the expected files of every case.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "golden/test_files.h"
#include "support/run_program.h"
#include "ui/analysis/export_checks.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCases = fs::path(RIPADES_SOURCE_DIR) / "tests/batch/cases";

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs ripades-batch in `folder` with `arguments` as the shell splits them; `environment` goes before it.
CommandResult RunCommand(const fs::path& folder, const std::string& arguments, const std::string& environment = "") {
  const fs::path errors = fs::temp_directory_path() / ("ripades_batch_stderr_" + std::to_string(getpid()) + ".txt");
  const std::string command = "cd '" + folder.string() + "' && " + environment + " '" + RIPADES_BATCH_PATH + "' " +
                              arguments + " 2>'" + errors.string() + "'";
  const ProgramRun run = RunProgram(command);
  CommandResult result{run.status, run.out, FileText(errors)};
  fs::remove(errors);
  return result;
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kCases)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class GoldenBatchCase : public testing::TestWithParam<std::string> {};

TEST_P(GoldenBatchCase, GivesTheExpectedOutputErrorsAndStatus) {
  const fs::path folder = kCases / GetParam();
  std::string arguments = FileText(folder / "command");
  arguments = arguments.substr(0, arguments.find('\n'));
  const std::vector<std::string> before = [&] {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path().filename().string());
    return files;
  }();
  const CommandResult result = RunCommand(folder, arguments, "env -u DISPLAY");
  const std::string relative = "tests/batch/cases/" + GetParam() + "/";
  ExpectMatchesGolden(relative + "stdout", result.out);
  ExpectMatchesGolden(relative + "stderr", result.err);
  ExpectMatchesGolden(relative + "status", std::to_string(result.status) + "\n");
  std::size_t after = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++after;
  EXPECT_LE(after, before.size() + 3) << "a run wrote a file into its case folder";
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenBatchCase, testing::ValuesIn(CaseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name;
                           for (char c : info.param) name += c == '_' ? 'X' : c;
                           return name;
                         });

class BatchFilesTest : public ScratchFolderTest {
 protected:
  const std::string examples = std::string(RIPADES_SOURCE_DIR) + "/examples/";
};

// The document of an example, made without a display: its data, each page headed by the file and numbered.
TEST_F(BatchFilesTest, PdfWritesTheDesignDocumentOfTheExampleOnNumberedPages) {
  const fs::path pdf = folder / "fleet.pdf";
  const CommandResult result = RunCommand(folder, "--pdf fleet.pdf '" + examples + "english_mixed_fleet.inp'",
                                          "env -u QT_QPA_PLATFORM -u DISPLAY");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, examples + "english_mixed_fleet.inp: 17.9 in\n");
  const std::vector<std::string> pages = PdfPages(pdf.string());
  ASSERT_GE(pages.size(), 2u);
  std::string all;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    EXPECT_EQ(pages[i].rfind("english_mixed_fleet.inp RIPADES design document", 0), 0u) << pages[i].substr(0, 80);
    EXPECT_NE(pages[i].find("Page " + std::to_string(i + 1) + " of " + std::to_string(pages.size())),
              std::string::npos);
    all += pages[i];
  }
  for (const char* text : {"RIPADES 2.0.0", "Input data file: english_mixed_fleet.inp",
                           "Title line: RIPADES-Rigid Airfield Pavement Design by the Westergaard Edge Stress Method",
                           "Elastic modulus of concrete E: 4000000 psi", "Flexural strength of concrete Sc: 700 psi",
                           "Modulus of subgrade reaction k: 150 pci", "Poisson's ratio of concrete: 0.15",
                           "Design period: 20 years", "B737-800 174900 3000 46.64 204.00 2 34.00 0.00 11.70",
                           "A330-300 535500 300 46.9 216.00 4 55.00 78.00 14.10", "Design thickness: 17.9 in",
                           "Governing aircraft: B787-9", "B787-9 6.00E+02 624 3.82 0.88 3.14E+03 5.42E+03 57.96",
                           "Slab thickness (in)", "Sensitivity", "k, subgrade modulus 1.2 180 pci"})
    EXPECT_NE(all.find(text), std::string::npos) << text;
}

TEST_F(BatchFilesTest, OutputFilesGoWhereTheOptionsSayOrNowhereOnAnError) {
  std::ofstream(folder / "occupied") << "kept";  // a file where a folder of documents should go
  const std::string single = "'" + examples + "single_aircraft.inp'";
  EXPECT_EQ(RunCommand(folder, "--pdf-dir occupied/docs " + single).status, 1);
  EXPECT_EQ(RunCommand(folder, "--pdf none/x.pdf " + single).status, 1);
  EXPECT_EQ(FileText(folder / "occupied"), "kept");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);

  EXPECT_EQ(RunCommand(folder, "--pdf-dir docs --page-size letter " + single).status, 0);
  EXPECT_EQ(FileText(folder / "docs/single_aircraft.pdf").rfind("%PDF-", 0), 0u);
  EXPECT_EQ(RunCommand(folder, "--report-dir reports " + single).status, 0);
  EXPECT_NE(FileText(folder / "reports/single_aircraft.txt").find("Design Thickness :"), std::string::npos);
  EXPECT_EQ(RunCommand(folder, "--curve curve.csv '" + examples + "metric_regional.inp'").status, 0);
  const std::string curve = FileText(folder / "curve.csv");
  EXPECT_EQ(curve.rfind("thickness_cm,damage\n", 0), 0u);
  EXPECT_EQ(std::count(curve.begin(), curve.end(), '\n'), 202);  // heading, 200 points, the design's own
}

}  // namespace
