// The message box, file dialogs, printer and busy pointer drawn by Qt, driven as a user drives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "ui/analysis/export_checks.h"
#include "ui/services/qt_busy_pointer.h"
#include "ui/services/qt_details_dialog.h"
#include "ui/services/qt_file_dialogs.h"
#include "ui/services/qt_message_box.h"
#include "ui/services/qt_printer.h"

namespace {

// Runs `act` on the modal dialog once it is shown; a dialog that `act` left open is cancelled, so that a
// failing test ends instead of waiting for a user.
template <typename Dialog>
void WhenShown(std::function<void(Dialog&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<Dialog*>(modal))
      act(*dialog);
    else
      ADD_FAILURE() << "no modal dialog of the kind expected";
    if (auto* open = qobject_cast<QDialog*>(modal); open && open->isVisible()) open->reject();
  });
}

TEST(QtMessageBox, AnswersTheButtonClickedOrTheEscapeButtonWhenClosedByTheFrame) {
  using A = MsgBoxAnswer;
  const struct {
    int style;
    const char* click;  // a button's text, or nullptr to close the box by its frame
    MsgBoxAnswer expected;
    const char* buttons;  // left to right, the first one the default
  } cases[] = {{kMsgOk, "OK", A::kOk, "OK"},
               {kMsgOkSecondDefault, "OK", A::kOk, "OK"},
               {kMsgYesNo, "No", A::kNo, "Yes|No"},
               {kMsgYesNo, nullptr, A::kNo, "Yes|No"},
               {kMsgCancelTryAgainContinue, "Try Again", A::kTryAgain, "Cancel|Try Again|Continue"},
               {kMsgCancelTryAgainContinue, "Continue", A::kContinue, "Cancel|Try Again|Continue"},
               {kMsgCancelTryAgainContinue, nullptr, A::kCancel, "Cancel|Try Again|Continue"},
               {kMsgYesNoCancelQuestion, "Yes", A::kYes, "Yes|No|Cancel"},
               {kMsgYesNoCancelQuestion, nullptr, A::kCancel, "Yes|No|Cancel"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.buttons) + (c.click ? " clicking " + std::string(c.click) : " closed"));
    QStringList texts;
    QString shown;
    WhenShown<QMessageBox>([&](QMessageBox& box) {
      QAbstractButton* clicked = nullptr;
      for (QAbstractButton* b : box.buttons())
        if ((texts << b->text().remove('&')).back() == c.click) clicked = b;
      shown = QString("%1|%2|default %3|%4|%5|%6")
                  .arg(box.text(), box.windowTitle(), box.defaultButton()->text().remove('&'),
                       box.icon() == QMessageBox::Question ? "question" : "no icon",
                       box.textFormat() == Qt::PlainText ? "plain" : "rich",
                       box.windowModality() == Qt::ApplicationModal ? "modal" : "modeless");
      c.click ? clicked->click() : (void)box.close();
    });
    EXPECT_EQ(QtMessageBox().MsgBox("Keep <b>it</b>?", c.style, "Check"), c.expected);
    QStringList expected = QString(c.buttons).split('|');
    EXPECT_EQ(shown, QString("Keep <b>it</b>?|Check|default %1|%2|plain|modal")
                         .arg(expected[0], c.style == kMsgYesNoCancelQuestion ? "question" : "no icon"));
    texts.sort();
    expected.sort();
    EXPECT_EQ(texts, expected);
  }
}

TEST(QtMessageBox, InputBoxReturnsTheTypedTextOrNothingWhenCancelled) {
  WhenShown<QDialog>([](QDialog& dialog) {
    EXPECT_EQ(dialog.findChild<QLineEdit*>()->text(), "12");
    dialog.findChild<QLineEdit*>()->setText("34");
    dialog.accept();
  });
  EXPECT_EQ(QtMessageBox().InputBox("Value?", "Change", "12"), "34");
  WhenShown<QDialog>([](QDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(QtMessageBox().InputBox("Value?", "Change", "12"), std::nullopt);
}

// Each detail's line, named after its key, offers its value; OK gives the lines as edited, Cancel nothing.
TEST(QtDetailsDialog, OffersTheDetailsAndGivesThemAsEditedOrNothing) {
  WhenShown<QDialog>([](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle() + (dialog.isModal() ? " modal" : ""), "Document Details modal");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("project")->text(), "Apron 3");
    dialog.findChild<QLineEdit*>("pavement area")->setText("Stands 31–36");
    dialog.accept();
  });
  DocumentDetails offered;
  offered.project = "Apron 3";
  offered.notes = "k";
  const std::optional<DocumentDetails> details = QtDetailsDialog().AskDetails(offered);
  EXPECT_EQ(details ? details->project + "|" + details->pavementArea + "|" + details->notes : "",
            "Apron 3|Stands 31–36|k");
  WhenShown<QDialog>([](QDialog& dialog) { dialog.reject(); });
  EXPECT_FALSE(QtDetailsDialog().AskDetails(offered));
}

// Each "shown|pattern" pair is listed once; a save adds the suffix of the filter chosen when asked to.
TEST(QtFileDialogs, OfferTheFiltersModesAndSuffixAskedFor) {
  const char* pdf = "PDF (*.pdf) (*.pdf)";
  const struct {
    bool save, mustExist, prompt, addSuffix;
    const char* filterChosen;  // nullptr: the first filter stays chosen
    const char* offered;       // the name offered, and accepted
    const char* chosen;        // nullptr: cancelled
    QFileDialog::FileMode mode;
  } cases[] = {{true, false, true, true, nullptr, "new", "new.txt", QFileDialog::AnyFile},
               {true, false, false, true, pdf, "new", "new.pdf", QFileDialog::AnyFile},
               {true, false, false, false, nullptr, "new", "new", QFileDialog::AnyFile},
               {true, false, true, true, nullptr, "new", nullptr, QFileDialog::AnyFile},
               {false, true, false, false, nullptr, "a.txt", "a.txt", QFileDialog::ExistingFile},
               {false, false, false, false, nullptr, "b.txt", "b.txt", QFileDialog::AnyFile}};
  QTemporaryDir folder;
  QFile(folder.filePath("a.txt")).open(QIODevice::WriteOnly);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.offered) + " saved as " + (c.chosen ? c.chosen : "nothing"));
    WhenShown<QFileDialog>([&](QFileDialog& dialog) {
      EXPECT_EQ(dialog.nameFilters(), QStringList({"Text (*.txt) (*.txt)", pdf}));
      EXPECT_TRUE(dialog.testOption(QFileDialog::HideNameFilterDetails));
      EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite), !c.prompt);
      EXPECT_EQ(dialog.acceptMode(), c.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
      EXPECT_EQ(dialog.fileMode(), c.mode);
      if (c.filterChosen) {  // the user chooses a filter, then types the name again
        dialog.selectNameFilter(c.filterChosen);
        emit dialog.filterSelected(c.filterChosen);
        dialog.selectFile(folder.filePath(c.offered));
      }
      if (c.chosen) static_cast<QDialog&>(dialog).accept();
    });
    FileDialogRequest request{"Text (*.txt)|*.txt|PDF (*.pdf)|*.pdf", folder.filePath(c.offered).toStdString(),
                              c.prompt, c.mustExist, c.addSuffix};
    const auto chosen = c.save ? QtFileDialogs().ShowSave(request) : QtFileDialogs().ShowOpen(request);
    EXPECT_EQ(chosen, c.chosen ? std::optional(folder.filePath(c.chosen).toStdString()) : std::nullopt);
  }
  // The input data files' save: "apron" becomes "apron.inp", a name with a suffix stays as typed.
  for (const auto& [typed, saved] : {std::pair{"apron", "apron.inp"}, {"apron.v2", "apron.v2"}}) {
    WhenShown<QFileDialog>([](QFileDialog& dialog) { static_cast<QDialog&>(dialog).accept(); });
    const FileDialogRequest request{"(*.inp)|*.inp", folder.filePath(typed).toStdString(), true, true, true};
    EXPECT_EQ(QtFileDialogs().ShowSave(request), folder.filePath(saved).toStdString()) << typed;
  }
}

// A printer writing to a PDF file; its dialog, answered by the test, chooses `copies` (0: cancelled).
class PdfPrinter : public QtPrinter {
 public:
  PdfPrinter(const QString& path, int copies) : copies_(copies) {
    Device().setOutputFormat(QPrinter::PdfFormat);
    Device().setOutputFileName(path);
    SetFontName("Courier New");
  }
  QPrinter& Printer() { return Device(); }

 protected:
  int RunPrintDialog(QPrintDialog& dialog) override {
    EXPECT_EQ(dialog.options(), QAbstractPrintDialog::PrintDialogOptions());  // no range, selection, file
    Device().setCopyCount(copies_);
    // What a user's choice of pages in the platform's own dialog leaves on the printer.
    Device().setPrintRange(QPrinter::PageRange);
    QPageRanges pages;
    pages.addRange(2, 3);
    Device().setPageRanges(pages);
    Device().setPageOrder(QPrinter::LastPageFirst);
    return copies_ > 0 ? QDialog::Accepted : QDialog::Rejected;
  }
  int copies_;
};

TEST(QtPrinter, TheDialogGivesTheCopiesAndLinesFillAPageBeforeTheNext) {
  QTemporaryDir folder;
  PdfPrinter printer(folder.filePath("r.pdf"), 3);
  EXPECT_EQ(printer.ShowPrintDialog(), 3);  // each copy a job of its own, of the whole document
  EXPECT_EQ(printer.Printer().copyCount(), 1);
  EXPECT_EQ(printer.Printer().printRange(), QPrinter::AllPages);
  EXPECT_TRUE(printer.Printer().pageRanges().isEmpty());
  EXPECT_EQ(printer.Printer().pageOrder(), QPrinter::FirstPageFirst);
  EXPECT_EQ(PdfPrinter(folder.filePath("none.pdf"), 0).ShowPrintDialog(), std::nullopt);
  for (const int lines : {10, 200}) {  // a page holds 10 lines, but not 200
    PdfPrinter pdf(folder.filePath("lines.pdf"), 1);
    for (int i = 0; i < lines; ++i) EXPECT_TRUE(pdf.PrintLine("line " + std::to_string(i)));
    EXPECT_TRUE(pdf.EndDoc());
    const std::vector<std::string> pages = PdfPages(folder.filePath("lines.pdf").toStdString());
    if (lines == 10)  // each line drawn, in order
      EXPECT_EQ(pages,
                std::vector<std::string>{"line 0 line 1 line 2 line 3 line 4 line 5 line 6 line 7 line 8 line 9"});
    else
      EXPECT_TRUE(pages.size() >= 3 && pages.size() <= 5) << pages.size();
  }
  PdfPrinter idle(folder.filePath("idle.pdf"), 1);
  EXPECT_TRUE(idle.EndDoc());
  idle.AbortDoc();
  EXPECT_FALSE(QFile::exists(folder.filePath("idle.pdf")));
}

TEST(QtBusyPointer, NestedScopesKeepTheHourglassUntilTheLastEnds) {
  const auto shape = [] { return QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : -1; };
  QtBusyPointer pointer;
  EXPECT_EQ(shape(), -1);
  {
    BusyScope outer(pointer);
    BusyScope{pointer};
    EXPECT_EQ(shape(), Qt::WaitCursor);
    pointer.SetBusy(false);
    pointer.SetBusy(false);  // one end too many restores nothing else
  }
  EXPECT_EQ(shape(), -1);
  {
    QtBusyPointer dropped;  // a pointer dropped while busy restores the pointer
    dropped.SetBusy(true);
    dropped.SetBusy(true);
  }
  EXPECT_EQ(shape(), -1);
}

}  // namespace
