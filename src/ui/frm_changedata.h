// The change-data dialog: a new value for one field of a mix aircraft.
#pragma once

#include <QDialog>
#include <optional>

#include "aircraft/change_data.h"
#include "services/message_box.h"
#include "state/program_state.h"

class QLabel;
class QLineEdit;
class QPushButton;

class frmChangedata : public QDialog {
  Q_OBJECT

 public:
  frmChangedata(ProgramState& state, MessageBox& messages, QWidget* parent);

  // Takes the change recorded at a double-click: the stored value into Text1, the field's unit word.
  void Begin(const CellEdit& edit);
  // Shows the dialog modeless, centred on the screen, with the prompt.
  void ShowCentered(const QString& prompt);
  // Hides the dialog and forgets the change, so nothing can be stored for it any more.
  void DropPendingChange();

  void cmdOk_Click();

 signals:
  void ValueStored();  // an accepted value was written into the library

 private:
  ProgramState& state_;
  MessageBox& messages_;
  std::optional<CellEdit> edit_;

  QLabel* Label1;
  QLineEdit* Text1;
  QLabel* LbUnit;
  QPushButton* cmdOk;
};
