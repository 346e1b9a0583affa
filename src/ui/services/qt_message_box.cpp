// Modal message boxes: the style's buttons and icon, application-modal, the first button as default.
#include "ui/services/qt_message_box.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <map>

namespace {

QPushButton* AddButton(QMessageBox& box, MsgBoxAnswer answer) {
  switch (answer) {
    case MsgBoxAnswer::kOk:
      return box.addButton(QMessageBox::Ok);
    case MsgBoxAnswer::kCancel:
      return box.addButton(QMessageBox::Cancel);
    case MsgBoxAnswer::kYes:
      return box.addButton(QMessageBox::Yes);
    case MsgBoxAnswer::kNo:
      return box.addButton(QMessageBox::No);
    case MsgBoxAnswer::kTryAgain:
      return box.addButton(QObject::tr("&Try Again"), QMessageBox::ActionRole);
    case MsgBoxAnswer::kContinue:
      return box.addButton(QObject::tr("&Continue"), QMessageBox::AcceptRole);
  }
  return nullptr;
}

}  // namespace

MsgBoxAnswer QtMessageBox::Show(const std::string& text, int style, const std::string& title) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  box.setWindowTitle(QString::fromStdString(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(text));
  box.setIcon(MsgBoxHasQuestionIcon(style)  ? QMessageBox::Question
              : MsgBoxHasWarningIcon(style) ? QMessageBox::Warning
                                            : QMessageBox::NoIcon);

  std::map<QAbstractButton*, MsgBoxAnswer> answers;
  const std::vector<MsgBoxAnswer> buttons = MsgBoxButtons(style);
  for (MsgBoxAnswer answer : buttons) {
    QPushButton* button = AddButton(box, answer);
    answers[button] = answer;
    if (answer == buttons.front()) box.setDefaultButton(button);
  }
  box.exec();
  // A box closed by its frame answers with its escape button; without one, with the last button.
  const auto found = answers.find(box.clickedButton());
  return found != answers.end() ? found->second : buttons.back();
}

std::optional<std::string> QtMessageBox::AskText(const std::string& prompt, const std::string& title,
                                                 const std::string& initialText) {
  QInputDialog dialog(QApplication::activeWindow());
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setLabelText(QString::fromStdString(prompt));
  dialog.setTextValue(QString::fromStdString(initialText));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}
