// Saving the charts (PNG, SVG) and the report as a PDF: complete files, or the old file left as it was.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QPushButton>

#include "analysis_fixture.h"
#include "export_checks.h"
#include "report/design_report.h"
#include "report/report_file.h"
#include "support/scripted_services.h"
#include "ui/analysis/frm_analysis.h"
#include "ui/analysis/report_export.h"

namespace {

namespace fs = std::filesystem;

class ChartExportTest : public DesignedMixTest {
 protected:
  QTemporaryDir folder;
  ScriptedServices services;
  frmAnalysis window{services.files, services.messages};

  void SetUp() override {
    DesignedMixTest::SetUp();
    window.ShowDesign(used, state.designResult, false, state.lbh);
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
  EXPECT_TRUE(services.files.asked[0].request.addFilterSuffix);
  const QImage image(QString::fromStdString(png));
  const QWidget* curve = window.findChild<QWidget*>("chtDamage");
  const QWidget* shares = window.findChild<QWidget*>("chtShares");
  // Both charts at twice their size on the screen (a view's scene may be a pixel short of the view).
  EXPECT_NEAR(image.width(), 2 * (curve->width() + shares->width()), 4);
  EXPECT_NEAR(image.height(), 2 * std::max(curve->height(), shares->height()), 4);
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

class ReportExportTest : public DesignedMixTest {
 protected:
  QTemporaryDir folder;
  const QFont courier{QStringLiteral("Liberation Mono"), 10};

  std::vector<std::string> ReportLines() {
    const std::string path = (fs::temp_directory_path() / "ripades_analysis_report.txt").string();
    EXPECT_TRUE(PrintToFile(state, path).ok);
    return SplitReportLines(FileText(path));
  }
};

TEST_F(ReportExportTest, ThePdfHoldsEveryReportLineWholeInOrder) {
  const std::vector<std::string> lines = ReportLines();
  ASSERT_GT(lines.size(), 30u);
  const std::string path = folder.filePath("report.pdf").toStdString();
  ASSERT_TRUE(SaveReportPdf(path, lines, courier).ok);
  const std::string text = PdfText(path);
  ExpectLinesInOrder(lines, text);
  EXPECT_NE(text.find("RIPADES Detial Report"), std::string::npos);
}

TEST_F(ReportExportTest, ALongReportGoesOnToNewPages) {
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

TEST_F(ReportExportTest, TheReportIsSavedAsTextUnlessItsNameEndsInPdf) {
  const std::vector<std::string> lines = ReportLines();
  const std::string text = folder.filePath("report.txt").toStdString();
  ASSERT_TRUE(SaveReport(text, lines, courier).ok);
  EXPECT_EQ(FileText(text), WithLineEnds(lines));
  const std::string pdf = folder.filePath("report.PDF").toStdString();
  ASSERT_TRUE(SaveReport(pdf, lines, courier).ok);
  EXPECT_EQ(FileText(pdf).rfind("%PDF-", 0), 0u);
}

TEST_F(ReportExportTest, AFailedSaveKeepsTheOldFile) {
  const std::vector<std::string> lines = ReportLines();
  for (const char* name : {"report.txt", "report.pdf"}) {
    QTemporaryDir own;
    ExpectFailedSaveKeepsOldFile(own, name, [&](const std::string& path) { return SaveReport(path, lines, courier); });
  }
}

}  // namespace
