// The help window: the program's help text, with its sections linked.
#pragma once

#include <QDialog>

class QTextBrowser;

inline constexpr const char* kHelpDocument = "qrc:/help/ripades_help.html";

// Modeless; Escape closes it.
class frmHelp : public QDialog {
  Q_OBJECT

 public:
  explicit frmHelp(QWidget* parent = nullptr);

  // Scrolls to a section by its anchor name ("inputs", "method", ...); empty: the top.
  void ShowSection(const QString& anchor);

 private:
  QTextBrowser* txtHelp = nullptr;
};
