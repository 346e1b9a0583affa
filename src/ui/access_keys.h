// Gives the access keys of a window's visible buttons priority over the menu bar's titles.
#pragma once

#include <QList>
#include <QObject>

class QAbstractButton;
class QKeyEvent;
class QWidget;

// The menu bar claims the access key of every title, a disabled or hidden one included, so "&Add"
// and the disabled "&Aircraft Data" would share Alt+A and neither would act. While a button with
// the key is shown and enabled, the key presses the button.
class ButtonAccessKeys : public QObject {
 public:
  ButtonAccessKeys(QWidget* window, QList<QAbstractButton*> buttons);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAbstractButton* ButtonFor(const QKeyEvent& key) const;

  QWidget* window_;
  QList<QAbstractButton*> buttons_;
};
