// ripades-batch run as a program: thickness lines, JSON, reports and exit statuses.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "analysis/mix_analysis.h"
#include "engine/design_thickness.h"
#include "golden/test_files.h"
#include "project/input_file_reader.h"
#include "report/design_report.h"
#include "ui/analysis/export_checks.h"
#include "units/number_text.h"

namespace fs = std::filesystem;

namespace {

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};

// The arguments of a command line, each quoted for the shell.
std::string Args(std::initializer_list<std::string> arguments) {
  std::string line;
  for (const std::string& a : arguments) {
    line += " '";
    line += a;
    line += '\'';
  }
  return line;
}

std::string Example(const char* name) { return std::string(RIPADES_SOURCE_DIR) + "/examples/" + name; }

// The example designed in the program state, as the window designs it.
ProgramState DesignedExample(const std::string& path) {
  ProgramState state;
  EXPECT_EQ(LoadInputFile(state, path, RIPADES_LIBRARY_PATH).status, ReadStatus::kLoaded);
  EXPECT_TRUE(DesignThickness(state).ok);
  return state;
}

class BatchCommandTest : public ScratchFolderTest {
 protected:
  // Runs the command with `arguments`; `environment` goes before it ("env -u DISPLAY ").
  CommandResult Run(const std::string& arguments, const std::string& environment = "") {
    const fs::path errors = folder / "stderr.txt";
    const std::string command = environment + Args({RIPADES_BATCH_PATH}) + arguments + " 2>" + Args({errors.string()});
    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.out.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = FileText(errors);
    return result;
  }

  // An example's text with one line replaced, written into the test folder.
  std::string Edited(const char* example, const std::string& from, const std::string& to) {
    std::string text = FileText(Example(example));
    text.replace(text.find(from), from.size(), to);
    const fs::path path = folder / ("edited" + std::to_string(++edits) + ".inp");
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  int edits = 0;
};

TEST_F(BatchCommandTest, ExamplesPrintTheThicknessOfTheStateLevelDesign) {
  std::string arguments, expected;
  for (const char* name : {"english_mixed_fleet.inp", "metric_regional.inp", "single_aircraft.inp"}) {
    const ProgramState state = DesignedExample(Example(name));
    arguments += Args({Example(name)});
    expected += Example(name) + ": " + state.lbh + " " + state.Lbunith + "\n";
  }
  const CommandResult result = Run(arguments);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, expected);
  EXPECT_NE(result.out.find(" cm\n"), std::string::npos);
  EXPECT_EQ(result.err, "");
}

TEST_F(BatchCommandTest, JsonHoldsTheResultsBitForBit) {
  const std::string bad = Edited("single_aircraft.inp", "***Aircraft", "***Planes");
  const CommandResult result = Run(Args({"--json", Example("metric_regional.inp"), bad}));
  EXPECT_EQ(result.status, 1);
  const QJsonArray files = QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).array();
  ASSERT_EQ(files.size(), 2);
  EXPECT_TRUE(files[1].toObject()["error"].toString().contains("Incorrect Input File!"));

  const ProgramState state = DesignedExample(Example("metric_regional.inp"));
  const QJsonObject design = files[0].toObject();
  EXPECT_EQ(design["caption"].toString().toStdString(), state.lbh);
  EXPECT_EQ(design["unit"].toString(), "cm");
  EXPECT_EQ(design["thickness_in"].toDouble(), state.designResult.thicknessIn);
  const QJsonArray aircraft = design["aircraft"].toArray();
  ASSERT_EQ(aircraft.size(), state.MixCount());
  const DesignResult& r = state.designResult;
  for (int p = 1; p <= state.MixCount(); ++p) {
    const QJsonObject a = aircraft[p - 1].toObject();
    const int row = state.mixlist[p];
    EXPECT_EQ(a["row"].toInt(), row);
    EXPECT_EQ(a["name"].toString().toStdString(), state.acdata[row][kFieldName]);
    EXPECT_EQ(a["sigma_we"].toDouble(), r.sigmaWe[row]);
    EXPECT_EQ(a["fg"].toDouble(), r.gearFactor[row]);
    EXPECT_EQ(a["f3"].toDouble(), r.wanderFactor[row]);
    EXPECT_EQ(a["pc"].toDouble(), r.passToCoverage[row]);
    EXPECT_EQ(a["allowable_coverages"].toDouble(), r.allowableCoverages[row]);
    EXPECT_EQ(a["damage_ratio_pct"].toDouble(), r.damageRatioPct[row]);
  }
}

TEST_F(BatchCommandTest, ReportsAreThoseOfPrintToFile) {
  const std::string example = Example("english_mixed_fleet.inp");
  std::string expected;
  ASSERT_TRUE(BuildReport(DesignedExample(example), expected).ok);
  const CommandResult toOutput = Run(Args({example, "--report", "-"}));
  EXPECT_EQ(toOutput.status, 0) << toOutput.err;
  EXPECT_EQ(toOutput.out, expected);

  const fs::path reports = folder / "reports";
  const CommandResult toFolder = Run(Args({"--report-dir", reports.string(), example, Example("single_aircraft.inp")}));
  EXPECT_EQ(toFolder.status, 0) << toFolder.err;
  EXPECT_EQ(FileText(reports / "english_mixed_fleet.txt"), expected);
  EXPECT_TRUE(fs::exists(reports / "single_aircraft.txt"));
}

// The document of an example, made without a display: its data, each page headed by the file and numbered.
TEST_F(BatchCommandTest, PdfWritesTheDesignDocumentOfTheExampleOnNumberedPages) {
  const fs::path pdf = folder / "fleet.pdf";
  const CommandResult result =
      Run(Args({"--pdf", pdf.string(), Example("english_mixed_fleet.inp")}), "env -u QT_QPA_PLATFORM -u DISPLAY");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
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

TEST_F(BatchCommandTest, PdfErrorsGiveAMessageAndLeaveNoFile) {
  const std::string good = Example("single_aircraft.inp");
  const fs::path occupied = folder / "occupied";  // a file where the folder of documents should go
  std::ofstream(occupied) << "kept";
  struct Case {
    std::string arguments;
    int status;
    std::string inError;
  };
  for (const Case& c : {
           Case{Args({"--pdf", (folder / "two.pdf").string(), good, good}), 1,
                "--pdf writes the design document of one"},
           Case{Args({"--pdf-dir", (occupied / "docs").string(), good}), 1, (occupied / "docs").string()},
           Case{Args({"--pdf", (folder / "none" / "x.pdf").string(), good}), 1, (folder / "none" / "x.pdf").string()},
           Case{Args({"--pdf", (folder / "x.pdf").string(), "--page-size", "A5", good}), 64,
                "a4 or letter, not \"A5\""},
       }) {
    const CommandResult result = Run(c.arguments);
    EXPECT_EQ(result.status, c.status) << c.arguments << "\n" << result.err;
    EXPECT_NE(result.err.find(c.inError), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
  }
  EXPECT_EQ(FileText(occupied), "kept");
  // stderr.txt of the runs and the occupied file: no document, whole or partial.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 2);

  const fs::path documents = folder / "documents";
  const CommandResult both =
      Run(Args({"--pdf-dir", documents.string(), "--page-size", "letter", good, Example("metric_regional.inp")}));
  EXPECT_EQ(both.status, 0) << both.err;
  EXPECT_EQ(FileText(documents / "single_aircraft.pdf").rfind("%PDF-", 0), 0u);
  EXPECT_EQ(FileText(documents / "metric_regional.pdf").rfind("%PDF-", 0), 0u);
}

TEST_F(BatchCommandTest, FailuresGiveAMessageAndTheirExitStatusWithoutStoppingOthers) {
  const std::string good = Example("single_aircraft.inp");
  const std::string badE = Edited("english_mixed_fleet.inp", "\r\n4000000\r\n", "\r\n4 000 000\r\n");
  const std::string truncated = Edited("single_aircraft.inp", "***Aircraft\r\n 1 \r\n", "***Aircraft\r\n 2 \r\n");
  const std::string farE = Edited("english_mixed_fleet.inp", "\r\n4000000\r\n", "\r\n9000000\r\n");
  struct Case {
    std::string arguments;
    int status;
    std::string inError;
  };
  for (const Case& c : {
           Case{Args({badE, good}), 2, badE + ": E \"4 000 000\" is an invalid number"},
           Case{Args({truncated, good}), 1, "it ends before line 19, which should hold the library row of aircraft 2"},
           Case{Args({(folder / "none.inp").string(), good}), 1, "none.inp\" cannot be opened"},
           Case{Args({good, "--library", (folder / "fly.dll").string()}), 1, "fly.dll\" cannot be opened"},
           Case{Args({farE}), 0, "warning: " + farE + ": E = 9000000 psi is not within the typical data range"},
           Case{"", 64, "no input data file given"},
           Case{Args({"--report", "-", good, good}), 64, "--report takes one input data file"},
       }) {
    const CommandResult result = Run(c.arguments);
    EXPECT_EQ(result.status, c.status) << c.arguments << "\n" << result.err;
    EXPECT_NE(result.err.find(c.inError), std::string::npos) << result.err;
    const bool goodDesigned = c.arguments.find(good) != std::string::npos && c.status != 64 &&
                              c.arguments.find("--library") == std::string::npos;
    EXPECT_EQ(result.out.find(good + ": ") != std::string::npos, goodDesigned) << c.arguments << result.out;
  }
}

TEST_F(BatchCommandTest, EvaluateGivesDamageAndLifeAtAThicknessInTheFilesUnit) {
  const std::string example = Example("single_aircraft.inp");
  const MixDamage expected = EvaluateMixDamage(PrepareDesign(DesignedExample(example)), 15);
  const CommandResult text = Run(Args({"--evaluate", "15", example}));
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_NE(
      text.out.find("\n  at 15 in: damage " + NumberText(expected.damage) + ", life " + LifeText(expected.damage)),
      std::string::npos)
      << text.out;
  EXPECT_NE(text.out.find("    " + expected.aircraft.front().name + ": "), std::string::npos);

  const CommandResult json = Run(Args({"--json", "--evaluate", "15", example}));
  const QJsonObject evaluation =
      QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).array()[0].toObject()["evaluation"].toObject();
  EXPECT_EQ(evaluation["damage"].toDouble(), expected.damage);
  EXPECT_EQ(evaluation["life_years"].toDouble(), 20 / static_cast<double>(expected.damage));
  EXPECT_EQ(evaluation["aircraft"].toArray().size(), static_cast<qsizetype>(expected.aircraft.size()));

  const CommandResult refused = Run(Args({"--evaluate", "31", example}));
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("at most 30 in"), std::string::npos);
}

TEST_F(BatchCommandTest, CurveWritesThePointsOfTheChart) {
  const fs::path csv = folder / "curve.csv";
  const CommandResult result = Run(Args({"--curve", csv.string(), Example("metric_regional.inp")}));
  EXPECT_EQ(result.status, 0) << result.err;
  const std::string text = FileText(csv);
  EXPECT_EQ(text.rfind("thickness_cm,damage\n", 0), 0u);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), kCurvePoints + 2);  // heading, points, the design's own
  EXPECT_EQ(Run(Args({"--curve", csv.string(), Example("metric_regional.inp"), Example("single_aircraft.inp")})).status,
            64);
}

// The worked thicknesses are those of the example with k scaled in the file, designed by ripades-batch.
TEST_F(BatchCommandTest, SensitivityListsTheScaledDesignsInTheFilesUnit) {
  const std::string overflowing = Edited("single_aircraft.inp", "\r\n600\r\n", "\r\n1e308\r\n");
  const CommandResult json = Run(Args({"--json", "--sensitivity", Example("metric_regional.inp"), overflowing}));
  EXPECT_EQ(json.status, 0) << json.err;
  const QJsonArray files = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).array();
  ASSERT_EQ(files.size(), 2);
  const QJsonArray metric = files[0].toObject()["sensitivity"].toArray();
  ASSERT_EQ(metric.size(), 14);
  const QJsonObject k12 = metric[11].toObject();
  EXPECT_EQ(k12["input"].toString(), "k");
  EXPECT_EQ(k12["factor"].toDouble(), 1.2);
  EXPECT_EQ(k12["thickness_in"].toDouble(), 19.456787109375);
  EXPECT_EQ(k12["caption"].toString(), "49.4");
  const QJsonObject doubled = files[1].toObject()["sensitivity"].toArray()[13].toObject();
  EXPECT_EQ(doubled["input"].toString(), "departures");
  EXPECT_TRUE(doubled["thickness_in"].isNull());
  EXPECT_EQ(doubled["caption"].toString(), "no thickness");
  EXPECT_TRUE(doubled["error"].toString().contains("beyond the largest number"));

  const CommandResult text = Run(Args({"--sensitivity", Example("metric_regional.inp")}));
  EXPECT_NE(text.out.find("\n  k x 1.2: 49.4 cm\n"), std::string::npos) << text.out;
  EXPECT_EQ(Run(Args({"--json", Example("metric_regional.inp")})).out.find("sensitivity"), std::string::npos);
}

}  // namespace
