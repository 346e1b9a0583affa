// The about box: the credits and information pages in one text box, the program's emblem, two buttons.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class QTextEdit;

// Modeless; it deletes itself when closed, so each opening builds the texts anew.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent);

  // Toggles the page: the information page after the credits (or a fresh box), the credits after it.
  void cmdAddInfo_Click();
  void cmdOK_Click();

 private:
  void Form_Load();
  void ShowPage(const std::string& text, Qt::Alignment alignment, double points, bool bold);

  std::string credits_;
  std::string information_;
  std::string current_;  // the page "More Info" last showed; empty in a fresh box

  QTextEdit* Text1;
  QLabel* Picture1;
  QPushButton* cmdAddInfo;
  QPushButton* cmdOK;
};
