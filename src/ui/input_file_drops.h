// Opening an input data file dropped on a window.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QMimeData;
class QWidget;

// The file a drop carries when it is exactly one local file named *.inp (any case); nothing otherwise.
std::optional<QString> DroppedInputFile(const QMimeData& data);

// Accepts the drop of one input data file anywhere on `window` and hands its path to `open` once the
// drop is over; refuses every other drop of files. Text dragged into a text box stays the box's.
class InputFileDrops : public QObject {
 public:
  InputFileDrops(QWidget* window, std::function<void(const QString&)> open);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  std::function<void(const QString&)> open_;
};
