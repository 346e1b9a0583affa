// Saving the charts (PNG, SVG), the report text and the design document: complete files, or the old
// file left as it was; the document's tables over several pages.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QPushButton>

#include "analysis_fixture.h"
#include "export_checks.h"
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
    window.ShowDesign(state.designResult, false, state.lbh);
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
};

TEST_F(ReportExportTest, ThePdfChoiceIsTheNameEndingInPdfTheTextIsTheReportBoxText) {
  EXPECT_TRUE(IsPdfName("design.PDF"));
  EXPECT_FALSE(IsPdfName("design.pdf.txt"));
  const std::vector<std::string> lines{"", "     Design Thickness :", "last"};
  const std::string path = folder.filePath("report.txt").toStdString();
  ASSERT_TRUE(SaveReportText(path, lines).ok);
  EXPECT_EQ(FileText(path), "\r\n     Design Thickness :\r\nlast\r\n");
}

TEST_F(ReportExportTest, AFailedSaveKeepsTheOldFile) {
  ExpectFailedSaveKeepsOldFile(folder, "report.txt", [&](const std::string& path) {
    return SaveReportText(path, std::vector<std::string>(20, "a line of the report"));
  });
  QTemporaryDir own;
  ExpectFailedSaveKeepsOldFile(own, "report.pdf", [&](const std::string& path) {
    return SaveDesignPdf(path, state, Sensitivity{}, QPageSize(QPageSize::A4));
  });
}

// 65 aircraft (the shipped library repeated) run the traffic mix, the fatigue table and the shares
// over several pages: each page that continues one begins with its headings again.
TEST_F(ReportExportTest, TablesRunningOntoNewPagesRepeatTheirHeadingsAndEveryPageIsNumbered) {
  const int shipped = state.account;
  for (int r = shipped + 1; r <= kMaxAircraft; ++r) {
    state.acdata[r] = state.acdata[r - shipped];
    state.acdata[r][kFieldName] = "Copy " + std::to_string(r);
  }
  state.account = kMaxAircraft;
  for (int p = 1; p <= kMaxAircraft; ++p) state.mixlist[p] = static_cast<int16_t>(p);
  state.mixnext = kMaxAircraft + 1;
  ASSERT_TRUE(DesignThickness(state).ok);
  const std::string path = folder.filePath("full.pdf").toStdString();
  ASSERT_TRUE(SaveDesignPdf(path, state, DesignSensitivity(state), QPageSize(QPageSize::Letter)).ok);

  const std::vector<std::string> pages = PdfPages(path);
  ASSERT_GE(pages.size(), 4u);
  int trafficPages = 0, fatiguePages = 0, sharePages = 0;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const std::string& page = pages[i];
    EXPECT_EQ(page.rfind("unsaved input data RIPADES design document", 0), 0u) << page.substr(0, 80);
    EXPECT_NE(page.find("Page " + std::to_string(i + 1) + " of " + std::to_string(pages.size())), std::string::npos);
    // A page holding a row of a table holds the table's headings above it.
    const std::size_t traffic = page.find("Departures"), row = page.find("Copy 60 ");
    const std::size_t fatigue = page.find("Pass/Year Max. Stress P/C F3"), shares = page.find("20 % 40 % 60 %");
    trafficPages += traffic != std::string::npos;
    fatiguePages += fatigue != std::string::npos;
    sharePages += shares != std::string::npos;
    if (row != std::string::npos) {
      EXPECT_TRUE(traffic < row || fatigue < row || shares < row) << page;
    }
  }
  EXPECT_GE(trafficPages, 2);
  EXPECT_GE(fatiguePages, 2);
  EXPECT_GE(sharePages, 2);
  QProcess pdfinfo;
  pdfinfo.start(QString(RIPADES_PDFTOTEXT).replace("pdftotext", "pdfinfo"), {QString::fromStdString(path)});
  ASSERT_TRUE(pdfinfo.waitForFinished());
  EXPECT_TRUE(pdfinfo.readAllStandardOutput().contains("612 x 792 pts (letter)"));
}

}  // namespace
