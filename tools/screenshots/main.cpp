// ripades-screenshots: drives the real window through a first design and saves a picture of each view.
// Run by scripts/screenshots.sh under a virtual display; the pictures illustrate the README.
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPixmap>
#include <QTabWidget>
#include <QThreadPool>
#include <QTimer>
#include <iostream>
#include <optional>

#include "ui/frm_aircraft.h"

namespace {

// Services that answer every question as a user following the walk-through would.
class AnsweringMessageBox : public MessageBox {
 protected:
  MsgBoxAnswer Show(const std::string&, int style, const std::string&) override {
    return MsgBoxButtons(style).front();  // OK, or Yes to a question
  }
};
class NoBusyPointer : public BusyPointer {
 public:
  void SetBusy(bool) override {}
};
class NoFileDialogs : public FileDialogs {
 public:
  std::optional<std::string> ShowOpen(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> ShowSave(const FileDialogRequest&) override { return std::nullopt; }
};
class NoPrinter : public Printer {
 public:
  std::optional<int> ShowPrintDialog() override { return std::nullopt; }
  void SetFontName(const std::string&) override {}
  bool PrintLine(const std::string&) override { return true; }
  bool EndDoc() override { return true; }
  void AbortDoc() override {}
};
class NoDetailsDialog : public DetailsDialog {
 public:
  std::optional<DocumentDetails> AskDetails(const DocumentDetails&) override { return std::nullopt; }
};

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool Save(QWidget* widget, const QDir& folder, const QString& name) {
  Settle();
  const QString path = folder.filePath(name);
  const bool saved = widget->grab().save(path);
  std::cout << (saved ? "wrote " : "could not write ") << path.toStdString() << '\n';
  return saved;
}

// Saves the shown top-level window of that name.
bool SaveTopLevel(const char* name, const QDir& folder, const QString& file) {
  Settle();
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible() && top->objectName() == name) return Save(top, folder, file);
  std::cout << "no window " << name << '\n';
  return false;
}

void AddAircraft(frmAircraft& window, const QString& name) {
  auto* list = window.findChild<QListWidget*>("ListAircraft");
  const auto items = list->findItems(name, Qt::MatchExactly);
  if (items.isEmpty()) return;
  list->setCurrentItem(items.front());
  window.cmdAdd_Click();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? argv[1] : "docs/images");
  QDir().mkpath(folder.path());

  AnsweringMessageBox messages;
  NoBusyPointer busy;
  NoFileDialogs files;
  NoPrinter printer;
  NoDetailsDialog details;
  frmAircraft window({messages, busy, files, printer, details}, QCoreApplication::applicationDirPath().toStdString());
  window.resize(760, 560);
  window.show();
  window.Form_Activate();

  bool ok = Save(&window, folder, "title_view.png");
  window.mnuAircraft_Click();
  for (const char* name : {"B737-800", "A320neo", "B787-9", "B777-300ER", "Embraer E190"}) AddAircraft(window, name);
  ok &= Save(&window, folder, "aircraft_view.png");
  window.mnuPvmtStru_Click();
  window.cmdDesign_Click();
  ok &= Save(&window, folder, "design_view.png");
  window.cmdReport_Click();
  ok &= Save(&window, folder, "report_view.png");
  window.mnuDamageChart_Click();
  ok &= SaveTopLevel("frmAnalysis", folder, "analysis_window.png");
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* views = top->findChild<QTabWidget*>("tabViews")) views->setCurrentIndex(1);
  ok &= SaveTopLevel("frmAnalysis", folder, "sensitivity_view.png");
  // The Rating tab once its rating, made off the window's thread, is shown.
  for (QWidget* top : QApplication::topLevelWidgets())
    if (auto* views = top->findChild<QTabWidget*>("tabViews")) views->setCurrentIndex(2);
  QApplication::processEvents();
  QThreadPool::globalInstance()->waitForDone();
  for (int round = 0; round < 3; ++round) QApplication::processEvents();
  ok &= SaveTopLevel("frmAnalysis", folder, "rating_view.png");
  window.mnuAbout_Click();
  ok &= SaveTopLevel("frmAbout", folder, "about_box.png");
  return ok ? 0 : 1;
}
