// The design document's pages as pictures: the English mixed fleet and the metric regional mix with
// their sensitivity designs and ratings, written as A4 PDFs, rendered page by page and compared with golden PNGs.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QTemporaryDir>

#include "analysis/design_document.h"
#include "analysis/rating_section.h"
#include "analysis/sensitivity.h"
#include "golden/example_states.h"
#include "support/golden_image.h"
#include "support/run_program.h"
#include "ui/document/document_pdf.h"

namespace {

// Dots per inch of the rendering: an A4 page is 331 x 468 pixels, about 1.6 to the millimetre, small
// enough to keep in the source tree. pdftoppm draws the same pixels on every run, so a page may differ
// in 15 of its 155,000 pixels; a chart edge moved by 1 mm changes about 700, a legend laid out wrongly
// over 100, a value drawn past the right margin 60.
constexpr int kDpi = 40;
constexpr double kChangedShare = 0.0001;
struct DocumentCase {
  const char* name;
  ProgramState (*example)();
  int pages;  // a layout fault that moves a part across a page break changes the count
};

class DocumentLooks : public testing::TestWithParam<DocumentCase> {};

// The metric document's sensitivity chart has its thickness axis in steps of 2 cm, the English one in 1 in.
TEST_P(DocumentLooks, EveryPageLooksAsBefore) {
  ProgramState state = GetParam().example();
  ASSERT_TRUE(DesignThickness(state).ok);
  state.designResult.date = "2026-12-06";
  // A title line longer than the page is wide: the document cuts it at the right margin.
  state.inputFile = std::string("/data/") + GetParam().name + ".inp";
  state.inputTitle =
      "Apron 3 reconstruction, stands 301 to 318: narrow- and wide-bodies on 700 psi concrete over a 150 pci "
      "subgrade, the check for the 2027 tender";
  DesignDocument document;
  ASSERT_TRUE(BuildDesignDocument(state, DesignSensitivity(state), document).ok);
  AddRatingSection(RateDesign(state.designResult), state.IsMetric(), document);

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string pdf = dir.filePath("document.pdf").toStdString();
  const Outcome saved = SaveDesignDocument(pdf, document, QPageSize(QPageSize::A4));
  ASSERT_TRUE(saved.ok) << saved.message;
  const std::string prefix = dir.filePath("page").toStdString();
  const ProgramRun run = RunProgram(std::string(RIPADES_PDFTOPPM) + " -r " + std::to_string(kDpi) + " -png '" + pdf +
                                    "' '" + prefix + "'");
  ASSERT_EQ(run.status, 0);

  // pdftoppm numbers the pages page-1.png ... with as many digits as the last page needs.
  const QStringList pages = QDir(dir.path()).entryList({"page-*.png"}, QDir::Files, QDir::Name);
  EXPECT_EQ(pages.size(), GetParam().pages);
  for (int i = 0; i < pages.size(); ++i) {
    SCOPED_TRACE(pages[i].toStdString());
    const QImage page(dir.filePath(pages[i]));
    ASSERT_FALSE(page.isNull());
    ExpectLooksLikeGolden(
        std::string("tests/ui/document/") + GetParam().name + "_page_" + std::to_string(i + 1) + ".png", page,
        kChangedShare);
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, DocumentLooks,
                         testing::Values(DocumentCase{"english", EnglishMixedFleet, 3},
                                         DocumentCase{"metric", MetricRegional, 3}),
                         [](const testing::TestParamInfo<DocumentCase>& info) { return info.param.name; });

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
