// Saving the charts (PNG, SVG) and the report as a PDF: complete files, or the old file left as it was.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "analysis_fixture.h"
#include "golden/test_files.h"
#include "report/design_report.h"
#include "support/file_size_limit.h"
#include "support/scripted_services.h"
#include "ui/analysis/frm_analysis.h"
#include "ui/analysis/report_pdf.h"

namespace {

namespace fs = std::filesystem;

// A save made while the disk is full fails with a message naming the file, and leaves the file that
// was there byte-identical with nothing beside it.
void ExpectFailedSaveKeepsOldFile(const QTemporaryDir& folder, const char* name,
                                  const std::function<Outcome(const std::string&)>& save) {
  const fs::path path = fs::path(folder.path().toStdString()) / name;
  const std::string old = "the file saved before\n";
  std::ofstream(path, std::ios::binary) << old;
  Outcome saved;
  {
    FileSizeLimit full(old.size());
    saved = save(path.string());
  }
  EXPECT_FALSE(saved.ok) << name;
  EXPECT_NE(saved.message.find(path.string()), std::string::npos) << saved.message;
  EXPECT_EQ(FileText(path), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), {}), 1);
}

// The text poppler reads from a PDF, runs of blanks made one.
std::string PdfText(const std::string& path) {
  QProcess pdftotext;
  pdftotext.start(RIPADES_PDFTOTEXT, {"-layout", QString::fromStdString(path), "-"});
  EXPECT_TRUE(pdftotext.waitForFinished());
  EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
  return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified().toStdString();
}

// Every line that holds text is found in `text`, in order.
void ExpectLinesInOrder(const std::vector<std::string>& lines, const std::string& text) {
  std::size_t from = 0;
  for (const std::string& line : lines) {
    const std::string wanted = QString::fromStdString(line).simplified().toStdString();
    if (wanted.empty()) continue;
    const std::size_t at = text.find(wanted, from);
    ASSERT_NE(at, std::string::npos) << "missing or out of order: " << line;
    from = at + wanted.size();
  }
}

class ChartExportTest : public DesignedMixTest {
 protected:
  QTemporaryDir folder;
  ScriptedServices services;
  frmAnalysis window{services.files, services.messages};

  void SetUp() override {
    DesignedMixTest::SetUp();
    window.ShowDesign(used, DesignIn(), false);
    window.show();
  }
  std::string Export(const QString& name) {
    const std::string path = folder.filePath(name).toStdString();
    services.files.answers.push_back(path);
    window.findChild<QPushButton*>("cmdExport")->click();
    return path;
  }
};

TEST_F(ChartExportTest, ExportSavesBothChartsAsPngOrSvg) {
  const std::string png = Export("charts.png");
  ASSERT_EQ(services.files.asked.size(), 1u);
  EXPECT_TRUE(services.files.asked[0].save);
  EXPECT_EQ(services.files.asked[0].request.filter, "PNG image|*.png|SVG drawing|*.svg");
  EXPECT_TRUE(services.files.asked[0].request.overwritePrompt);
  const QImage image(QString::fromStdString(png));
  const QWidget* curve = window.findChild<QWidget*>("chtDamage");
  const QWidget* shares = window.findChild<QWidget*>("chtShares");
  // Both charts at twice their size on the screen (a view's scene may be a pixel short of the view).
  EXPECT_NEAR(image.width(), 2 * std::max(curve->width(), shares->width()), 4);
  EXPECT_NEAR(image.height(), 2 * (curve->height() + shares->height()), 4);
  EXPECT_EQ(image.pixelColor(0, 0), Qt::white);

  const std::string svg = FileText(Export("charts.SVG"));
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  for (const char* text : {"Slab thickness (in)", "Bombardier CRJ900", "Governing aircraft: B737-800"})
    EXPECT_NE(svg.find(text), std::string::npos) << text;
  EXPECT_TRUE(services.messages.asked.empty());
}

TEST_F(ChartExportTest, ACancelledDialogSavesNothing) {
  window.findChild<QPushButton*>("cmdExport")->click();
  EXPECT_EQ(services.files.asked.size(), 1u);
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
  EXPECT_TRUE(services.messages.asked.empty());
}

TEST_F(ChartExportTest, AFailedSaveIsShownAndKeepsTheOldPicture) {
  for (const char* name : {"charts.png", "charts.svg"}) {
    ExpectFailedSaveKeepsOldFile(folder, name, [&](const std::string& path) {
      services.messages.asked.clear();
      services.files.answers.push_back(path);
      window.cmdExport_Click();
      if (services.messages.asked.size() != 1) return Outcome::Success();
      EXPECT_EQ(services.messages.Last().title, "RIPADES");
      return Outcome::Failure(services.messages.Last().text);
    });
    QDir(folder.path()).removeRecursively();
    QDir().mkpath(folder.path());
  }
}

class ReportPdfTest : public DesignedMixTest {
 protected:
  QTemporaryDir folder;
  const QFont courier{QStringLiteral("Liberation Mono"), 10};

  std::vector<std::string> ReportLines() {
    const std::string path = (fs::temp_directory_path() / "ripades_analysis_report.txt").string();
    EXPECT_TRUE(PrintToFile(state, path).ok);
    std::vector<std::string> lines;
    std::istringstream text(FileText(path));
    for (std::string line; std::getline(text, line);) lines.push_back(line.substr(0, line.find('\r')));
    return lines;
  }
};

TEST_F(ReportPdfTest, ThePdfHoldsEveryReportLineWholeInOrder) {
  const std::vector<std::string> lines = ReportLines();
  ASSERT_GT(lines.size(), 30u);
  const std::string path = folder.filePath("report.pdf").toStdString();
  ASSERT_TRUE(SaveReportPdf(path, lines, courier).ok);
  const std::string text = PdfText(path);
  ExpectLinesInOrder(lines, text);
  EXPECT_NE(text.find("RIPADES Detial Report"), std::string::npos);
}

TEST_F(ReportPdfTest, ALongReportGoesOnToNewPages) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 200; ++i) lines.push_back("line " + std::to_string(i));
  const std::string path = folder.filePath("long.pdf").toStdString();
  ASSERT_TRUE(SaveReportPdf(path, lines, courier).ok);
  ExpectLinesInOrder(lines, PdfText(path));
  QProcess pdfinfo;
  pdfinfo.start(QString(RIPADES_PDFTOTEXT).replace("pdftotext", "pdfinfo"), {QString::fromStdString(path)});
  ASSERT_TRUE(pdfinfo.waitForFinished());
  EXPECT_TRUE(pdfinfo.readAllStandardOutput().contains("Pages:           4"));  // 66 lines to an A4 page
}

TEST_F(ReportPdfTest, AFailedSaveKeepsTheOldFile) {
  const std::vector<std::string> lines = ReportLines();
  ExpectFailedSaveKeepsOldFile(folder, "report.pdf",
                               [&](const std::string& path) { return SaveReportPdf(path, lines, courier); });
}

}  // namespace
