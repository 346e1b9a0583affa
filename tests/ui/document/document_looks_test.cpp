// The design document's pages as pictures: the English mixed fleet with its sensitivity designs,
// written as an A4 PDF, rendered page by page and compared with golden PNGs.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QTemporaryDir>

#include "analysis/design_document.h"
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
// The golden document has this many pages; a layout fault that moves a part across a page break
// changes it.
constexpr int kPages = 3;

TEST(DocumentLooks, EveryPageOfTheMixedFleetDocumentLooksAsBefore) {
  ProgramState state = EnglishMixedFleet();
  ASSERT_TRUE(DesignThickness(state).ok);
  state.designResult.date = "2026-12-06";
  // A title line longer than the page is wide: the document cuts it at the right margin.
  state.inputFile = "/data/english_mixed_fleet.inp";
  state.inputTitle =
      "Apron 3 reconstruction, stands 301 to 318: narrow- and wide-bodies on 700 psi concrete over a 150 pci "
      "subgrade, the check for the 2027 tender";
  DesignDocument document;
  ASSERT_TRUE(BuildDesignDocument(state, DesignSensitivity(state), document).ok);

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
  EXPECT_EQ(pages.size(), kPages);
  for (int i = 0; i < pages.size(); ++i) {
    SCOPED_TRACE(pages[i].toStdString());
    const QImage page(dir.filePath(pages[i]));
    ASSERT_FALSE(page.isNull());
    ExpectLooksLikeGolden("tests/ui/document/page_" + std::to_string(i + 1) + ".png", page, kChangedShare);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
