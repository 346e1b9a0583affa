// The design document's pages as pictures: the English mixed fleet and the metric regional mix with
// their sensitivity designs and ratings, written as A4 PDFs, rendered page by page and compared with golden PNGs.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QTemporaryDir>
#include <regex>
#include <sstream>

#include "analysis/design_document.h"
#include "analysis/document_details.h"
#include "analysis/rating_section.h"
#include "analysis/sensitivity.h"
#include "document/document_pdf.h"
#include "golden/example_states.h"
#include "project/input_file_reader.h"
#include "support/golden_image.h"
#include "support/run_program.h"

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
  // The title block filled in and the file holding the data designed; else blank lines to sign on and a
  // file whose data were changed after it was read.
  bool filledIn;
};

class DocumentLooks : public testing::TestWithParam<DocumentCase> {};

// A title block filled to the full: notes of two lines, a designer's name too long for its signature line.
DocumentDetails FullDetails() {
  DocumentDetails details;
  EXPECT_TRUE(ReadDocumentDetails("project: Apron 3 rehabilitation and the widening of taxiway B\nairport: Northfield "
                                  "Regional Airport\npavement area: Apron 3, stands 31–36\ndesigned by: Alexandra "
                                  "Konstantinopoulou-Vandenberghe, Chartered Engineer\nchecked by: B. Checker\n"
                                  "revision: B (issued for tender)\nnotes: Subgrade k from plate load tests of "
                                  "October 2026; concrete to the tender's requirements, Sc at 90 days; the "
                                  "departures of the busiest forecast year held for all 20 years.",
                                  details)
                  .ok);
  return details;
}

// The metric document's sensitivity chart has its thickness axis in steps of 2 cm, the English one in 1 in.
TEST_P(DocumentLooks, EveryPageLooksAsBefore) {
  ProgramState state = GetParam().example();
  ASSERT_TRUE(DesignThickness(state).ok);
  state.designResult.date = "2026-12-06";
  // A title line longer than the page is wide: the document wraps it at the right margin.
  state.inputFile = std::string("/data/") + GetParam().name + ".inp";
  state.inputTitle =
      "Apron 3 reconstruction, stands 301 to 318: narrow- and wide-bodies on 700 psi concrete over a 150 pci "
      "subgrade, the check for the 2027 tender";
  if (GetParam().filledIn) state.inputFileBasis = state.designResult.basis;
  DesignDocument document;
  ASSERT_TRUE(BuildDesignDocument(state, DesignSensitivity(state), document,
                                  GetParam().filledIn ? FullDetails() : DocumentDetails{})
                  .ok);
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
    ExpectLooksLikeGolden(std::string("tests/document/") + GetParam().name + "_page_" + std::to_string(i + 1) + ".png",
                          page, kChangedShare);
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, DocumentLooks,
                         testing::Values(DocumentCase{"english", EnglishMixedFleet, 3, true},
                                         DocumentCase{"metric", MetricRegional, 3, false}),
                         [](const testing::TestParamInfo<DocumentCase>& info) { return info.param.name; });

struct WordBox {
  double left, top, right, bottom;
  std::string text;
};

// The words of each page of a PDF with their boxes in points, as poppler's pdftotext -bbox reads them.
std::vector<std::vector<WordBox>> PageWords(const std::string& pdf) {
  const ProgramRun run = RunProgram(std::string(RIPADES_PDFTOTEXT) + " -bbox '" + pdf + "' -");
  EXPECT_EQ(run.status, 0);
  static const std::regex kWord(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*)</word>)re");
  std::vector<std::vector<WordBox>> pages;
  std::istringstream lines(run.out);
  std::smatch m;
  for (std::string line; std::getline(lines, line);) {
    if (line.find("<page ") != std::string::npos) pages.emplace_back();
    if (std::regex_search(line, m, kWord))
      pages.back().push_back({std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5]});
  }
  return pages;
}

// Every heading, label and figure of the examples' documents stands clear of every other on A4 and on
// Letter, with the title block filled to the full: no two words overlap, and words side by side are at least kLeastGap
// apart (a blank of the smallest table font is 1.4 pt), so that none runs into the next.
TEST(DocumentText, NoTwoWordsOfAPageOverlap) {
  constexpr double kLeastGap = 1;  // points
  const DocumentDetails details = FullDetails();
  for (const ExampleFile& example : kExampleFiles)
    for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
      SCOPED_TRACE(std::string(example.path) + (paper == QPageSize::A4 ? " on A4" : " on Letter"));
      ProgramState state;
      ASSERT_EQ(LoadInputFile(state, std::string(RIPADES_SOURCE_DIR) + "/" + example.path, RIPADES_LIBRARY_PATH).status,
                ReadStatus::kLoaded);
      ASSERT_TRUE(DesignThickness(state).ok);
      QTemporaryDir dir;
      const std::string pdf = dir.filePath("document.pdf").toStdString();
      ASSERT_TRUE(SaveDesignPdf(pdf, state, DesignSensitivity(state), details, QPageSize(paper)).ok);
      for (const std::vector<WordBox>& words : PageWords(pdf))
        for (std::size_t i = 0; i < words.size(); ++i)
          for (std::size_t j = i + 1; j < words.size(); ++j) {
            const WordBox &a = words[i], &b = words[j];
            if (std::min(a.right, b.right) - std::max(a.left, b.left) > -kLeastGap &&
                std::min(a.bottom, b.bottom) - std::max(a.top, b.top) > 0.1)
              ADD_FAILURE() << "\"" << a.text << "\" runs into \"" << b.text << "\"";
          }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
