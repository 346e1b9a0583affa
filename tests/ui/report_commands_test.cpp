// "Report" and "&Print Report..." on the window: the report box, the printed copies, the temporary file.
#include <QDir>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QStandardPaths>
#include <functional>

#include "golden/test_files.h"
#include "report/design_report.h"
#include "report/report_file.h"
#include "support/run_program.h"
#include "ui/services/qt_printer.h"
#include "window_fixture.h"

namespace {

class ReportCommandsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    DesignMix();
  }
  void DesignMix() {
    BuildMix();
    Item("mnuPvmtStru")->trigger();
    Press("cmdDesign");
  }

  QPlainTextEdit* Box() { return Find<QPlainTextEdit>("txtReports"); }
  QString TemporaryFile() { return QDir(programDir.path()).filePath("tmp.tmp"); }

  // The report of the window's state as the report writer writes it.
  std::string ReportFile() {
    const std::string path = QDir(programDir.path()).filePath("expected.txt").toStdString();
    EXPECT_TRUE(PrintToFile(window->State(), path).ok);
    const std::string text = FileText(path);
    std::filesystem::remove(path);
    return text;
  }
  // The box's text with its line breaks written as the report file writes them.
  std::string BoxTextWithCrLf() { return Box()->toPlainText().replace("\n", "\r\n").toStdString(); }
};

// The report is built once for all copies: a change after the first copy must not reach the later ones.
TEST_F(ReportCommandsTest, TheBoxAndEveryCopyShowTheReportFileAndNoTemporaryFileStays) {
  const std::string expected = ReportFile();
  for (int shown = 1; shown <= 2; ++shown) {
    Press("cmdReport");
    EXPECT_TRUE(Box()->isVisible());
    EXPECT_EQ(BoxTextWithCrLf(), expected) << shown;
  }
  EXPECT_TRUE(Item("mnuPvmtStru")->isEnabled());
  Item("mnuPrintReport")->trigger();  // the dialog cancelled
  EXPECT_EQ(services.printer.documents.size(), 1u);
  EXPECT_EQ(services.busy.timesBusy, 3);  // the library and the two shows, not the cancelled print

  const std::vector<std::string> lines = SplitReportLines(expected);
  services.printer.copiesAnswers = {3};
  services.printer.afterEndDoc = [this] { Type("TxtE", "4100000"); };
  Item("mnuPrintReport")->trigger();
  ASSERT_EQ(services.printer.documents.size(), 4u);  // three ended, one never started
  for (int copy = 0; copy < 3; ++copy) EXPECT_EQ(services.printer.documents[copy], lines) << copy;
  EXPECT_EQ(services.printer.fontNames, std::vector<std::string>(3 * lines.size(), "Courier"));
  EXPECT_FALSE(QFile::exists(TemporaryFile()));
  EXPECT_TRUE(services.messages.asked.empty());
  EXPECT_FALSE(services.busy.busy);
}

TEST_F(ReportCommandsTest, AnUnwritableProgramDirectoryFallsBackToTheTemporaryFolder) {
  // A folder in the way of "tmp.tmp" makes the program's directory unusable for the report.
  ASSERT_TRUE(QDir(programDir.path()).mkpath("tmp.tmp/in the way"));
  Press("cmdReport");
  EXPECT_TRUE(services.messages.asked.empty());
  EXPECT_EQ(BoxTextWithCrLf(), ReportFile());

  // With the temporary folder gone as well, the reason is shown.
  Item("mnuPvmtStru")->trigger();
  Press("cmdDesign");
  const QByteArray temporaryFolder = qgetenv("TMPDIR");
  qputenv("TMPDIR", QDir(programDir.path()).filePath("no such folder").toUtf8());
  Press("cmdReport");
  qputenv("TMPDIR", temporaryFolder);
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().title, "RIPADES");
  EXPECT_NE(services.messages.Last().text.find("cannot be written"), std::string::npos);
  EXPECT_FALSE(Box()->isVisible());
  EXPECT_TRUE(QDir(programDir.path()).exists("tmp.tmp/in the way"));
}

TEST(ReportLinesTest, LinesEndAtCrLfLfOrCrAndComeBackEndedByCrLf) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(SplitReportLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitReportLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(WithLineEnds({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST_F(ReportCommandsTest, APrintingFailureStopsTheCopiesAndIsReported) {
  const std::size_t lineCount = SplitReportLines(ReportFile()).size();
  services.printer.failAfterLines = lineCount + 5;
  services.printer.copiesAnswers = {3};
  Item("mnuPrintReport")->trigger();
  EXPECT_EQ(services.printer.abortedDocuments, 1);
  EXPECT_EQ(services.printer.documents.front().size(), lineCount);
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().text, "The printer did not accept the report; 1 of 3 copies were printed.");
  EXPECT_FALSE(QFile::exists(TemporaryFile()));
  EXPECT_FALSE(services.busy.busy);
}

// The design shown is always the design of the inputs shown: whatever changes what a design reads takes
// the thickness away (the three boxes share one handler), and every report command then asks for a
// design, whatever view is shown.
TEST_F(ReportCommandsTest, AnyChangeOfWhatADesignReadsTakesTheThicknessAndTheReportAway) {
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"E typed", [this] { Type("TxtE", "4100000"); }},
      {"aircraft added", [this] { ChooseAircraft("A320neo"); }},
      {"aircraft removed", [this] { ClickCell(2, 0), Press("cmdDel"); }},
      {"all removed", [this] { Press("cmddelall"); }},
      {"value changed", [this] { ChangeValue(2, 2, "4321"); }},
  };
  for (const auto& [name, change] : cases) {
    SCOPED_TRACE(name);
    Open();
    DesignMix();
    ASSERT_FALSE(LabelText("lbh").isEmpty());
    if (!QString(name).endsWith("typed")) Item("mnuAircraft")->trigger();
    services.messages.asked.clear();
    change();
    EXPECT_EQ(LabelText("lbh"), "");
    EXPECT_FALSE(Item("mnuDamageChart")->isEnabled());
    services.printer.copiesAnswers = {1};
    window->cmdReport_Click();
    Item("mnuPrintReport")->trigger();
    Item("mnuExportReport")->trigger();
    ASSERT_EQ(services.messages.asked.size(), 3u);
    for (const AskedBox& asked : services.messages.asked)
      EXPECT_EQ(asked.text, "Plesae click \"Design Thickness\" button, First !  ");
    EXPECT_EQ(services.messages.Last().style, 6);
    EXPECT_EQ(services.messages.Last().title, "RIPADES");
    EXPECT_EQ(services.printer.dialogsShown, 0);
    EXPECT_TRUE(services.files.asked.empty());
    EXPECT_FALSE(Box()->isVisible());
  }
}

// The toolkit's printer writing each document into a PDF file of its own. Its dialog, instead of waiting
// for the user, chooses 3 copies and leaves on the printer what a user's choice of pages in the
// platform's own dialog leaves there.
class PdfFilesPrinter : public QtPrinter {
 public:
  static constexpr auto kJobOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);
  explicit PdfFilesPrinter(QString folder) : folder_(std::move(folder)) {}
  QStringList files;  // one per started document, the last one never printed
  bool engineKeepsJobOptions = false;
  QPrinter& Printer() { return Device(); }
  bool EndDoc() override {
    const bool ended = QtPrinter::EndDoc();
    NextFile();
    return ended;
  }

 protected:
  int RunPrintDialog(QPrintDialog& dialog) override {
    QPrinter& printer = *dialog.printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    NextFile();
    printer.setPrintRange(QPrinter::PageRange);
    QPageRanges pages;
    pages.addRange(2, 3);
    printer.setPageRanges(pages);
    printer.setPageOrder(QPrinter::LastPageFirst);
    printer.setCopyCount(3);
    const QStringList jobOptions = {"page-set", "odd", "job-priority", "50", "page-ranges", "2-3"};
    printer.printEngine()->setProperty(kJobOptionsKey, jobOptions);
    engineKeepsJobOptions = printer.printEngine()->property(kJobOptionsKey).toStringList() == jobOptions;
    return QDialog::Accepted;
  }

 private:
  void NextFile() {
    files << QDir(folder_).filePath(QString("copy%1.pdf").arg(files.size() + 1));
    Device().setOutputFileName(files.back());
  }
  QString folder_;
};

TEST_F(ReportCommandsTest, ARealPrinterPrintsEachCopyWholeAsADocumentOfItsOwnWhateverPagesWereChosen) {
  PdfFilesPrinter printer(programDir.path());
  frmAircraft pdfWindow({services.messages, services.busy, services.files, printer}, programDir.path().toStdString());
  pdfWindow.State() = window->State();
  pdfWindow.mnuPrintReport_Click();
  // The dialog's options, the range of all pages and one copy per job are checked by the printer's tests.
  EXPECT_TRUE(printer.Printer().pageRanges().isEmpty());
  EXPECT_EQ(printer.Printer().pageOrder(), QPrinter::FirstPageFirst);
  if (printer.engineKeepsJobOptions) {  // the options of the job that are not page choices stay
    EXPECT_EQ(printer.Printer().printEngine()->property(PdfFilesPrinter::kJobOptionsKey).toStringList(),
              (QStringList{"job-priority", "50"}));
  }
  ASSERT_EQ(printer.files.size(), 4);
  EXPECT_FALSE(QFile::exists(printer.files[3]));
  EXPECT_TRUE(services.messages.asked.empty());

  if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
  const auto words = [](const std::string& text) {
    QStringList lines;
    for (const QString& line : QString::fromStdString(text).split('\n'))
      if (!line.simplified().isEmpty()) lines << line.simplified();
    return lines;
  };
  for (int copy = 0; copy < 3; ++copy)
    EXPECT_EQ(words(RunProgram("pdftotext -layout '" + printer.files[copy].toStdString() + "' -").out),
              words(ReportFile()))
        << copy;
}

}  // namespace
