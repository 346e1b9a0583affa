// The message box, file dialogs, printer and busy pointer drawn by Qt, driven as a user drives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "ui/services/qt_busy_pointer.h"
#include "ui/services/qt_file_dialogs.h"
#include "ui/services/qt_message_box.h"
#include "ui/services/qt_printer.h"

namespace {

// Runs `act` on the modal dialog once it is shown; a dialog that `act` left open is cancelled, so that a
// failing test ends instead of waiting for a user.
template <typename Dialog>
void WhenShown(std::function<void(Dialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      ADD_FAILURE() << "no modal dialog";
      if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) other->reject();
      return;
    }
    act(*dialog);
    if (dialog->isVisible()) static_cast<QDialog*>(dialog)->reject();
  });
}

struct BoxCase {
  const char* name;
  int style;
  const char* click;  // button text, or nullptr to close the box by its frame
  MsgBoxAnswer expected;
  const char* buttons;  // the buttons' texts left to right, '|' between them, no '&'
};

void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }

class QtMessageBoxAnswer : public testing::TestWithParam<BoxCase> {};

TEST_P(QtMessageBoxAnswer, IsTheButtonClickedOrTheEscapeButtonWhenClosed) {
  const BoxCase& c = GetParam();
  QString shown, title, defaultButton;
  bool question = false;
  WhenShown<QMessageBox>([&](QMessageBox& box) {
    QStringList texts;
    QAbstractButton* clicked = nullptr;
    for (QAbstractButton* b : box.buttons()) {
      const QString text = b->text().remove('&');
      texts << text;
      if (c.click && text == c.click) clicked = b;
    }
    texts.sort();
    QStringList expected = QString(c.buttons).split('|');
    expected.sort();
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
    shown = box.text();
    title = box.windowTitle();
    question = box.icon() == QMessageBox::Question;
    defaultButton = box.defaultButton() ? box.defaultButton()->text().remove('&') : QString();
    if (c.click) {
      ASSERT_NE(clicked, nullptr) << c.click;
      clicked->click();
    } else {
      box.close();
    }
  });
  QtMessageBox service;
  EXPECT_EQ(service.MsgBox("Keep <b>it</b>?", c.style, "Check"), c.expected);
  EXPECT_EQ(shown, "Keep <b>it</b>?");
  EXPECT_EQ(title, "Check");
  EXPECT_EQ(question, c.style == kMsgYesNoCancelQuestion);
  EXPECT_EQ(defaultButton, QString(c.buttons).section('|', 0, 0));
}

using A = MsgBoxAnswer;
INSTANTIATE_TEST_SUITE_P(
    Styles, QtMessageBoxAnswer,
    testing::Values(
        BoxCase{"OkClicked", kMsgOk, "OK", A::kOk, "OK"}, BoxCase{"OkClosed", kMsgOk, nullptr, A::kOk, "OK"},
        BoxCase{"YesClicked", kMsgYesNo, "Yes", A::kYes, "Yes|No"},
        BoxCase{"NoClicked", kMsgYesNo, "No", A::kNo, "Yes|No"},
        BoxCase{"YesNoClosedIsNo", kMsgYesNo, nullptr, A::kNo, "Yes|No"},
        BoxCase{"CancelClicked", kMsgCancelTryAgainContinue, "Cancel", A::kCancel, "Cancel|Try Again|Continue"},
        BoxCase{"TryAgainClicked", kMsgCancelTryAgainContinue, "Try Again", A::kTryAgain, "Cancel|Try Again|Continue"},
        BoxCase{"ContinueClicked", kMsgCancelTryAgainContinue, "Continue", A::kContinue, "Cancel|Try Again|Continue"},
        BoxCase{"TryAgainClosedIsCancel", kMsgCancelTryAgainContinue, nullptr, A::kCancel, "Cancel|Try Again|Continue"},
        BoxCase{"QuestionYes", kMsgYesNoCancelQuestion, "Yes", A::kYes, "Yes|No|Cancel"},
        BoxCase{"QuestionNo", kMsgYesNoCancelQuestion, "No", A::kNo, "Yes|No|Cancel"},
        BoxCase{"QuestionClosedIsCancel", kMsgYesNoCancelQuestion, nullptr, A::kCancel, "Yes|No|Cancel"},
        BoxCase{"SecondDefaultIsPlainOk", kMsgOkSecondDefault, "OK", A::kOk, "OK"}),
    [](const testing::TestParamInfo<BoxCase>& info) { return info.param.name; });

TEST(QtMessageBox, InputBoxReturnsTheTypedTextOrNothingWhenCancelled) {
  QtMessageBox service;
  WhenShown<QDialog>([](QDialog& dialog) {
    QLineEdit* edit = dialog.findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "12");
    edit->setText("34");
    static_cast<QDialog&>(dialog).accept();
  });
  EXPECT_EQ(service.InputBox("Value?", "Change", "12"), "34");
  WhenShown<QDialog>([](QDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(service.InputBox("Value?", "Change", "12"), std::nullopt);
}

struct SaveCase {
  const char* name;
  const char* filterChosen;  // nullptr: the first filter stays chosen
  const char* typed;
  bool addSuffix;
  const char* expectedFile;
};

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

class QtFileDialogSave : public testing::TestWithParam<SaveCase> {};

TEST_P(QtFileDialogSave, ListsEachFilterOnceAndAddsTheChosenFiltersSuffix) {
  const SaveCase& c = GetParam();
  QTemporaryDir folder;
  QStringList filters;
  WhenShown<QFileDialog>([&](QFileDialog& dialog) {
    filters = dialog.nameFilters();
    EXPECT_TRUE(dialog.testOption(QFileDialog::HideNameFilterDetails));
    if (c.filterChosen) dialog.selectNameFilter(c.filterChosen);
    if (c.filterChosen) emit dialog.filterSelected(c.filterChosen);
    dialog.setDirectory(folder.path());
    dialog.selectFile(folder.filePath(c.typed));
    static_cast<QDialog&>(dialog).accept();
  });
  QtFileDialogs dialogs;
  FileDialogRequest request;
  request.filter = "Text (*.txt)|*.txt|PDF (*.pdf)|*.pdf";
  request.addFilterSuffix = c.addSuffix;
  const std::optional<std::string> chosen = dialogs.ShowSave(request);
  EXPECT_EQ(filters, QStringList({"Text (*.txt) (*.txt)", "PDF (*.pdf) (*.pdf)"}));
  ASSERT_TRUE(chosen);
  EXPECT_EQ(QString::fromStdString(*chosen), folder.filePath(c.expectedFile));
}

INSTANTIATE_TEST_SUITE_P(
    Names, QtFileDialogSave,
    testing::Values(SaveCase{"FirstFilterSuffix", nullptr, "design", true, "design.txt"},
                    SaveCase{"SecondFilterSuffix", "PDF (*.pdf) (*.pdf)", "design", true, "design.pdf"},
                    SaveCase{"TypedSuffixKept", "PDF (*.pdf) (*.pdf)", "design.txt", true, "design.txt"},
                    SaveCase{"NoSuffixWhenNotAsked", nullptr, "design", false, "design"}),
    [](const testing::TestParamInfo<SaveCase>& info) { return info.param.name; });

TEST(QtFileDialogs, OpenTakesOnlyAnExistingFileAndCancelGivesNothing) {
  QTemporaryDir folder;
  QFile(folder.filePath("a.inp")).open(QIODevice::WriteOnly);
  QtFileDialogs dialogs;
  FileDialogRequest request;
  request.filter = "(*.inp)|*.inp";
  request.mustExist = true;
  request.initialName = folder.filePath("a.inp").toStdString();
  WhenShown<QFileDialog>([](QFileDialog& dialog) {
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.nameFilters(), QStringList({"(*.inp) (*.inp)"}));
    static_cast<QDialog&>(dialog).accept();
  });
  EXPECT_EQ(dialogs.ShowOpen(request), folder.filePath("a.inp").toStdString());
  WhenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(dialogs.ShowOpen(request), std::nullopt);
}

TEST(QtFileDialogs, SaveAsksBeforeReplacingOnlyWhenRequested) {
  QtFileDialogs dialogs;
  for (bool prompt : {true, false}) {
    FileDialogRequest request;
    request.filter = "(*.inp)|*.inp";
    request.overwritePrompt = prompt;
    WhenShown<QFileDialog>([prompt](QFileDialog& dialog) {
      EXPECT_EQ(dialog.testOption(QFileDialog::DontConfirmOverwrite), !prompt);
      EXPECT_EQ(dialog.fileMode(), QFileDialog::AnyFile);
      dialog.reject();
    });
    EXPECT_EQ(dialogs.ShowSave(request), std::nullopt);
  }
}

// A printer writing to a PDF file, its dialog answered by the test.
class PdfPrinter : public QtPrinter {
 public:
  explicit PdfPrinter(const QString& path) {
    Device().setOutputFormat(QPrinter::PdfFormat);
    Device().setOutputFileName(path);
  }
  int copiesChosen = 3;
  int Copies() { return Device().copyCount(); }
  QPrinter::PrintRange Range() { return Device().printRange(); }

 protected:
  int RunPrintDialog(QPrintDialog& dialog) override {
    EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintToFile));
    EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
    EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintSelection));
    Device().setCopyCount(copiesChosen);
    Device().setPrintRange(QPrinter::PageRange);
    return copiesChosen > 0 ? QDialog::Accepted : QDialog::Rejected;
  }
};

TEST(QtPrinter, DialogGivesTheCopiesAndLeavesOneCopyOfTheWholeDocumentPerJob) {
  QTemporaryDir folder;
  PdfPrinter printer(folder.filePath("r.pdf"));
  EXPECT_EQ(printer.ShowPrintDialog(), 3);
  EXPECT_EQ(printer.Copies(), 1);
  EXPECT_EQ(printer.Range(), QPrinter::AllPages);
  printer.copiesChosen = 0;
  EXPECT_EQ(printer.ShowPrintDialog(), std::nullopt);
}

int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  return static_cast<int>(file.readAll().count("/Type /Page\n") + 0);
}

TEST(QtPrinter, LinesFillAPageAndContinueOnTheNext) {
  QTemporaryDir folder;
  const QString one = folder.filePath("one.pdf"), many = folder.filePath("many.pdf");
  {
    PdfPrinter printer(one);
    printer.SetFontName("Courier New");
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(printer.PrintLine("line " + std::to_string(i)));
    EXPECT_TRUE(printer.EndDoc());
  }
  {
    PdfPrinter printer(many);
    for (int i = 0; i < 200; ++i) ASSERT_TRUE(printer.PrintLine("line " + std::to_string(i)));
    EXPECT_TRUE(printer.EndDoc());
  }
  EXPECT_EQ(PdfPages(one), 1);
  EXPECT_GE(PdfPages(many), 3);
  EXPECT_LE(PdfPages(many), 5);
  PdfPrinter idle(folder.filePath("none.pdf"));
  EXPECT_TRUE(idle.EndDoc());
  idle.AbortDoc();
  EXPECT_FALSE(QFile::exists(folder.filePath("none.pdf")));
}

TEST(QtBusyPointer, NestedScopesKeepTheHourglassUntilTheLastEnds) {
  QtBusyPointer pointer;
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  {
    BusyScope outer(pointer);
    {
      BusyScope inner(pointer);
      ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
      EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    pointer.SetBusy(false);
    pointer.SetBusy(false);  // one end too many restores nothing else
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  {
    QtBusyPointer dropped;
    dropped.SetBusy(true);
    dropped.SetBusy(true);
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
