// What the window sessions cannot show: charts of data a window cannot make, drawn pixels, the saved pictures
// and the PDF design document as poppler's pdftotext reads it.
#include <QBarCategoryAxis>
#include <QChart>
#include <QDate>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QValueAxis>

#include "document/document_pdf.h"
#include "export_checks.h"
#include "golden/example_states.h"
#include "golden/test_files.h"
#include "ui/analysis/damage_charts.h"
#include "ui/analysis/damage_curve_view.h"
#include "ui/analysis/frm_analysis.h"
#include "ui/focus_frame_style.h"
#include "ui/window_fixture.h"

namespace {

TEST(ChartTexts, EachShareIsNamedOnceInFixedDecimalsAndTheTooltipNamesTheNearestPoint) {
  // Largest first in, drawn bottom up; a blank or repeated name gets its library row; escaped, as the
  // chart reads its labels as rich text.
  const std::unique_ptr<QChart> chart(
      DamageShareChart({{3, "A380-800", 120.004}, {5, "B737-800", 0.008346}, {7, " ", 1e-41}, {9, "B737-800", 0}}));
  EXPECT_EQ(static_cast<QBarCategoryAxis*>(chart->axes(Qt::Vertical).front())->categories(),
            (QStringList{"B737-800 (row 9) (0 %)", "  (row 7) (&lt; 0.01 %)", "B737-800 (&lt; 0.01 %)",
                         "A380-800 (120.0 %)"}));
  EXPECT_EQ(static_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front())->max(), 120.004);

  const std::vector<CurvePoint> points = {{10, 5}, {11, 2}, {12, 0.5}};
  const std::pair<double, const char*> cases[] = {{9, "10.00 in\nD = 5.000"},
                                                  {10.4, "10.00 in\nD = 5.000"},
                                                  {10.6, "11.00 in\nD = 2.000"},
                                                  {40, "12.00 in\nD = 0.5000"}};
  for (const auto& [h, text] : cases) EXPECT_EQ(CurveTooltip(points, h, false), QString("Thickness ") + text) << h;
}

// Points of no finite thickness or damage and a design thickness that is not a number: nothing to draw,
// so the axis spans every thickness, 0 to 30 in in steps of 5; a slab marked on it keeps it so, and a
// damage that is not a number gets no point.
TEST(ChartRanges, ACurveWithoutAPointToDrawGetsAFiniteAxisOfFewTicks) {
  const double nan = std::nan(""), inf = HUGE_VAL;
  const std::unique_ptr<QChart> chart(
      DamageCurveChart({{nan, 1}, {inf, 2}, {5, nan}, {6, inf}, {7, 0}}, nan, false, "0.0"));
  MarkEvaluatedThickness(chart.get(), 16, nan, false);
  const auto* thickness = static_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front());
  EXPECT_EQ(std::tuple(thickness->min(), thickness->max(), thickness->tickInterval()), std::tuple(0.0, 30.0, 5.0));
  EXPECT_EQ(chart->series().size(), 4);  // curve, D = 1, design line and the slab's line
}

// The frame's left and top lines, two pixels from 3 in, are in the text colour only when focused.
TEST(FocusFrameStyleTest, TheFocusedButtonIsFramedInTheTextColour) {
  FocusFrameStyle style;
  QPushButton button("Design Thickness");
  button.setStyle(&style);
  button.resize(120, 30);
  QStyleOptionButton option;
  option.initFrom(&button);
  for (const bool focused : {true, false}) {
    option.state.setFlag(QStyle::State_HasFocus, focused);
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    style.drawControl(QStyle::CE_PushButton, &option, &painter, &button);
    for (const QPoint at : {QPoint(3, 15), QPoint(4, 15), QPoint(60, 3), QPoint(60, 4)})
      EXPECT_EQ(image.pixelColor(at) == option.palette.color(QPalette::ButtonText), focused) << at.x() << "," << at.y();
  }
}

// The golden mix designs 17.87109375 in.
class AnalysisWindowTest : public testing::Test {
 protected:
  ProgramState state = EnglishMixedFleet();
  ScriptedServices services;
  frmAnalysis window{services.files, services.messages};
  QTemporaryDir folder;

  void SetUp() override {
    ASSERT_TRUE(DesignThickness(state).ok);
    window.ShowDesign(state.designResult, false, state.lbh);
    window.show();
  }
};

// Both charts side by side at twice their size on the screen (a scene may be a pixel short of its view),
// drawn: the curve's blue on the left, the governing aircraft's red bar on the right; the drawing titled.
TEST_F(AnalysisWindowTest, ExportDrawsBothChartsIntoThePngOrSvg) {
  const auto save = [&](const char* name) {
    const std::string path = folder.filePath(name).toStdString();
    services.files.answers.push_back(path);
    window.findChild<QPushButton*>("cmdExport")->click();
    return path;
  };
  const QImage image(QString::fromStdString(save("charts.png")));
  const int curve = window.findChild<QWidget*>("chtDamage")->width();
  EXPECT_NEAR(image.width(), 2 * (curve + window.findChild<QWidget*>("chtShares")->width()), 4);
  const auto holds = [&](int from, int to, QColor colour) {
    for (int x = from; x < to; ++x)
      for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == colour) return true;
    return false;
  };
  EXPECT_TRUE(holds(0, 2 * curve, QColor(31, 119, 180)));
  EXPECT_TRUE(holds(2 * curve, image.width(), QColor(214, 39, 40)));
  const std::string svg = FileText(save("charts.SVG"));
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("Governing aircraft: B787-9"), std::string::npos);
}

// 65 aircraft (the shipped library repeated) run the traffic mix, the fatigue table and the shares over
// several Letter pages: each table starts again on a further page with its headings.
TEST_F(AnalysisWindowTest, TablesRunningOntoNewPagesRepeatTheirHeadingsOnPagesOfTheSizeAskedFor) {
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
  ASSERT_TRUE(SaveDesignPdf(path, state, DesignSensitivity(state), {}, QPageSize(QPageSize::Letter)).ok);
  const std::vector<std::string> pages = PdfPages(path);
  for (const char* heading : {"Departures", "Pass/Year Max. Stress P/C F3", "20 % 40 % 60 %"})
    EXPECT_GE(std::count_if(pages.begin(), pages.end(),
                            [&](const std::string& page) { return page.find(heading) != std::string::npos; }),
              2)
        << heading;
  QProcess pdfinfo;
  pdfinfo.start(QString(RIPADES_PDFTOTEXT).replace("pdftotext", "pdfinfo"), {QString::fromStdString(path)});
  ASSERT_TRUE(pdfinfo.waitForFinished());
  EXPECT_TRUE(pdfinfo.readAllStandardOutput().contains("612 x 792 pts (letter)"));
}

// "Export Report..." to a .pdf writes the document of the window's unsaved data and its design, dated today.
TEST_F(WindowTest, ExportReportToPdfWritesTheDesignDocument) {
  BuildMix();
  Item("mnuPvmtStru")->trigger();
  Press("cmdDesign");
  const QTemporaryDir folder;
  services.files.answers.push_back(folder.filePath("design.PDF").toStdString());
  Item("mnuExportReport")->trigger();
  std::string document;
  for (const std::string& page : PdfPages(folder.filePath("design.PDF").toStdString())) document += page + " ";
  for (const std::string& text :
       {std::string("Input data: unsaved input data"), std::string("Design thickness: 16.0 in"),
        "Date of the design: " + QDate::currentDate().toString(Qt::ISODate).toStdString()})
    EXPECT_NE(document.find(text), std::string::npos) << text;
}

}  // namespace
