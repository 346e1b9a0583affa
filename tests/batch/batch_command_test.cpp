// ripades-batch run as a program. Each folder of cases/ is one run: `command` holds its arguments (run
// inside the folder, beside its input files), `stdout`, `stderr` and `status` what the run must give.
// A new case is a new folder; RIPADES_UPDATE_GOLDEN=1 writes the expected files of every case.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDate>
#include <filesystem>
#include <fstream>
#include <set>

#include "golden/test_files.h"
#include "support/run_program.h"
#include "ui/analysis/export_checks.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCases = fs::path(RIPADES_SOURCE_DIR) / "tests/batch/cases";

struct CommandResult : ProgramRun {
  std::string err;
};

// Runs ripades-batch in `folder` with `arguments` as the shell splits them; `environment` goes before it.
CommandResult RunCommand(const fs::path& folder, const std::string& arguments, const std::string& environment = "") {
  const fs::path errors = fs::temp_directory_path() / ("ripades_batch_stderr_" + std::to_string(getpid()) + ".txt");
  const std::string command = "cd '" + folder.string() + "' && " + environment + " '" + RIPADES_BATCH_PATH + "' " +
                              arguments + " 2>'" + errors.string() + "'";
  const ProgramRun run = RunProgram(command);
  CommandResult result{run, FileText(errors)};
  fs::remove(errors);
  return result;
}

class GoldenBatchCase : public testing::TestWithParam<std::string> {};

TEST_P(GoldenBatchCase, GivesTheExpectedOutputErrorsStatusAndFiles) {
  const fs::path folder = kCases / GetParam();
  std::string arguments = FileText(folder / "command");
  arguments = arguments.substr(0, arguments.find('\n'));
  std::set<fs::path> before(fs::directory_iterator(folder), {});
  const CommandResult result = RunCommand(folder, arguments, "env -u DISPLAY");
  const std::string relative = "tests/batch/cases/" + GetParam() + "/";
  // A file the run writes beside its inputs must be as expected_<name>; it is removed again. A PDF is
  // compared as the text poppler reads from its pages, as expected_<name>.txt, today's date written $TODAY.
  const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
  for (const fs::path& written : std::set<fs::path>(fs::directory_iterator(folder), {}))
    if (!before.contains(written)) {
      if (written.extension() == ".pdf") {
        std::string text = RunProgram(std::string(RIPADES_PDFTOTEXT) + " -layout '" + written.string() + "' -").out;
        for (std::size_t at; (at = text.find(today)) != std::string::npos;) text.replace(at, today.size(), "$TODAY");
        ExpectMatchesGolden(relative + "expected_" + written.filename().string() + ".txt", text);
      } else {
        ExpectMatchesGolden(relative + "expected_" + written.filename().string(), FileText(written));
      }
      fs::remove(written);
    }
  ExpectMatchesGolden(relative + "stdout", result.out);
  ExpectMatchesGolden(relative + "stderr", result.err);
  ExpectMatchesGolden(relative + "status", std::to_string(result.status) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenBatchCase, testing::ValuesIn(CaseFolders(kCases)), CaseTestName);

using BatchFilesTest = ScratchFolderTest;
const std::string examples = std::string(RIPADES_SOURCE_DIR) + "/examples/";

// The document of an example, made without a display: each page headed by the file and numbered.
TEST_F(BatchFilesTest, PdfWritesTheDesignDocumentOfTheExampleOnNumberedPages) {
  const CommandResult result = RunCommand(folder, "--pdf fleet.pdf '" + examples + "english_mixed_fleet.inp'",
                                          "env -u QT_QPA_PLATFORM -u DISPLAY");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err + result.out, examples + "english_mixed_fleet.inp: 17.5 in\n");
  const std::vector<std::string> pages = PdfPages((folder / "fleet.pdf").string());
  std::string all;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    all += pages[i];
    EXPECT_EQ(pages[i].rfind("english_mixed_fleet.inp RIPADES design document", 0), 0u) << pages[i].substr(0, 80);
    EXPECT_NE(pages[i].find("Page " + std::to_string(i + 1) + " of " + std::to_string(pages.size())),
              std::string::npos);
  }
  for (const char* text : {"Modulus of subgrade reaction k: 150 pci", "Governing aircraft: B787-9",
                           "B787-9 6.00E+02 604 4.37 0.89 2.75E+03 8.21E+03 33.49", "k, subgrade modulus 1.2 180 pci"})
    EXPECT_NE(all.find(text), std::string::npos) << text;
}

// Documents and reports of each input go into the folders named; a file where a folder or a folder that
// does not exist stops the run with nothing written.
TEST_F(BatchFilesTest, OutputFilesGoWhereTheOptionsSayOrNowhereOnAnError) {
  std::ofstream(folder / "occupied") << "kept";
  const std::string single = "'" + examples + "single_aircraft.inp'";
  EXPECT_EQ(RunCommand(folder, "--pdf-dir occupied/docs " + single).status, 1);
  EXPECT_EQ(RunCommand(folder, "--pdf none/x.pdf " + single).status, 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);
  EXPECT_EQ(RunCommand(folder, "--pdf-dir docs --page-size letter --report-dir reports " + single).status, 0);
  EXPECT_EQ(FileText(folder / "docs/single_aircraft.pdf").rfind("%PDF-", 0), 0u);
  EXPECT_NE(FileText(folder / "reports/single_aircraft.txt").find("Design Thickness :"), std::string::npos);
}

}  // namespace
