// Drops of input data files: which drops are taken, and the filter that takes them.
#include "ui/input_file_drops.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

std::optional<QString> DroppedInputFile(const QMimeData& data) {
  const QList<QUrl> urls = data.urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return std::nullopt;
  const QString path = urls.front().toLocalFile();
  if (QFileInfo(path).suffix().compare(QLatin1String("inp"), Qt::CaseInsensitive) != 0) return std::nullopt;
  return path;
}

InputFileDrops::InputFileDrops(QWidget* window, std::function<void(const QString&)> open)
    : QObject(window), window_(window), open_(std::move(open)) {
  window->setAcceptDrops(true);
  window->installEventFilter(this);
  // The text boxes take drops of their own and would paste a dropped file's path as text.
  for (QWidget* child : window->findChildren<QWidget*>())
    if (child->acceptDrops()) child->installEventFilter(this);
}

bool InputFileDrops::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  const std::optional<QString> file = DroppedInputFile(*drop->mimeData());
  if (!file) {
    // Text dragged over a text box is the box's business; files and anything over the window are refused.
    if (watched != window_ && !drop->mimeData()->hasUrls()) return false;
    drop->ignore();
    return true;
  }
  drop->acceptProposedAction();
  // Opened after the drop has ended: the file's message box must not hold up the program it came from.
  if (type == QEvent::Drop) QTimer::singleShot(0, this, [this, path = *file] { open_(path); });
  return true;
}
