// The session runner: each gesture of a window session run on the window, and what it made the window do.
#include "session_runner.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QDropEvent>
#include <QHelpEvent>
#include <QHorizontalBarSeries>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QThreadPool>
#include <QToolTip>
#include <QUrl>
#include <QValueAxis>
#include <QXYSeries>
#include <condition_variable>
#include <cstdlib>
#include <iostream>
#include <mutex>
#include <thread>

#include "golden/test_files.h"
#include "support/file_size_limit.h"
#include "support/golden_image.h"
#include "support/run_program.h"
#include "ui/analysis/damage_curve_view.h"
#include "window_walks/window_invariants.h"

namespace fs = std::filesystem;

namespace {

// Line breaks and carriage returns made visible, so a transcript line is one line of text.
std::string OneLine(QString text) { return text.replace("\r", "\\r").replace("\n", "\\n").toStdString(); }

std::string Flags(const QWidget* widget) {
  std::string flags = widget->isVisible() ? "" : " [hidden]";
  if (!widget->isEnabled()) flags += " [disabled]";
  return flags;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

// The object name of a window or control, or "none".
std::string NameOf(const QObject* object) { return object ? object->objectName().toStdString() : "none"; }

// A chart reads its texts as rich text: what it draws of one.
std::string Drawn(const QString& text) { return OneLine(QTextDocumentFragment::fromHtml(text).toPlainText()); }

// A number of a chart in at most five significant digits.
std::string Num(double value) { return QString::number(value, 'g', 5).toStdString(); }

void PrintChart(std::ostream& out, QChart* chart) {
  out << "    title \"" << Drawn(chart->title()) << "\"\n";
  for (QAbstractAxis* axis : chart->axes()) {
    out << "    " << (axis->orientation() == Qt::Horizontal ? "across" : "up") << " \"" << Drawn(axis->titleText())
        << "\"";
    if (auto* categories = qobject_cast<QBarCategoryAxis*>(axis)) {
      out << ": ";
      for (int at = 0; at < categories->count(); ++at) out << (at ? " | " : "") << Drawn(categories->at(at));
    } else
      out << " from " << Num(axis->property("min").toDouble()) << " to " << Num(axis->property("max").toDouble());
    out << "\n";
  }
  for (const QAbstractSeries* series : chart->series()) {
    if (const auto* xy = qobject_cast<const QXYSeries*>(series)) {
      const QList<QPointF> points = xy->points();
      out << "    series \"" << Drawn(xy->name()) << "\" " << points.size() << " points:";
      if (points.size() <= 6) {
        for (const QPointF& p : points) out << " " << Num(p.x()) << "," << Num(p.y());
      } else {  // a curve: its ends and the range of its values
        const auto [low, high] =
            std::minmax_element(points.begin(), points.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
        out << " from " << Num(points.front().x()) << "," << Num(points.front().y()) << " to " << Num(points.back().x())
            << "," << Num(points.back().y()) << ", up from " << Num(low->y()) << " to " << Num(high->y());
      }
      out << "\n";
    }
    if (const auto* bars = qobject_cast<const QAbstractBarSeries*>(series))
      for (const QBarSet* set : bars->barSets()) {
        out << "    bars \"" << Drawn(set->label()) << "\":";
        for (int i = 0; i < set->count(); ++i) out << " " << Num(set->at(i));
        for (const int selected : set->selectedBars()) out << " (bar " << selected << " marked)";
        out << "\n";
      }
  }
}

// The texts a chart draws whose boxes overlap, each pair once; the box is the text's own, without the
// margin of the item that holds it.
void PrintOverlaps(std::ostream& out, QChartView* view) {
  QList<std::pair<QString, QRectF>> texts;
  for (QGraphicsItem* item : view->scene()->items())
    if (auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        text && text->isVisible() && !text->toPlainText().isEmpty()) {
      const qreal margin = text->document()->documentMargin();
      texts.append({text->toPlainText(),
                    text->mapToScene(text->boundingRect().adjusted(margin, margin, -margin, -margin)).boundingRect()});
    }
  int overlaps = 0;
  for (qsizetype i = 0; i < texts.size(); ++i)
    for (qsizetype j = i + 1; j < texts.size(); ++j)
      if (texts[i].second.intersects(texts[j].second) && ++overlaps)
        out << "    \"" << OneLine(texts[i].first) << "\" overlaps \"" << OneLine(texts[j].first) << "\"\n";
  out << "    " << texts.size() << " texts, " << overlaps << " overlapping\n";
}

// Ends the test program when a gesture runs past its deadline: a window that hangs fails its session
// instead of blocking the suite.
class GestureDeadline {
 public:
  GestureDeadline(const std::string& gesture, int seconds)
      : watcher_([gesture, seconds](std::stop_token stop) {
          std::mutex mutex;
          std::unique_lock lock(mutex);
          std::condition_variable_any().wait_for(lock, stop, std::chrono::seconds(seconds), [] { return false; });
          if (stop.stop_requested()) return;
          std::cerr << "the gesture \"" << gesture << "\" did not end within " << seconds << " s: the window hangs"
                    << std::endl;
          std::_Exit(EXIT_FAILURE);
        }) {}

 private:
  std::jthread watcher_;
};

// A scripted answer: the text given, or "-" for Cancel.
std::optional<std::string> AnswerOf(const std::string& text) {
  return text == "-" ? std::nullopt : std::optional(text);
}

// " ctrl" ending a click holds the Ctrl key down.
Qt::KeyboardModifiers Modifiers(const std::string& rest) {
  return rest.ends_with(" ctrl") ? Qt::ControlModifier : Qt::NoModifier;
}

}  // namespace

const std::map<std::string, MsgBoxAnswer> kAnswerWords = {
    {"OK", MsgBoxAnswer::kOk}, {"Cancel", MsgBoxAnswer::kCancel},     {"Yes", MsgBoxAnswer::kYes},
    {"No", MsgBoxAnswer::kNo}, {"TryAgain", MsgBoxAnswer::kTryAgain}, {"Continue", MsgBoxAnswer::kContinue}};

SessionRunner::~SessionRunner() {
  for (const auto& [name, value] : savedEnvironment)
    value ? (void)qputenv(name.c_str(), *value) : (void)qunsetenv(name.c_str());
}

void SessionRunner::PrepareProgramDir() {
  if (folder_.empty()) return;
  for (const auto& entry : fs::directory_iterator(folder_)) {
    const std::string name = entry.path().filename().string();
    if (name == "session" || name == "transcript") continue;
    fs::copy_file(entry.path(), fs::path(programDir.path().toStdString()) / name, fs::copy_options::overwrite_existing);
  }
}

std::string SessionRunner::Expand(const std::string& text) {
  return ReplaceAll(text, "$DIR", programDir.path().toStdString());
}
std::string SessionRunner::Hide(const std::string& text) {
  return ReplaceAll(text, programDir.path().toStdString(), "$DIR");
}

// A control of the window, or a window of its own by name (the analysis window, the help window).
QObject* SessionRunner::Named(const std::string& name) {
  if (name == "window") return window.get();
  const QString objectName = QString::fromStdString(name);
  if (window->findChild<QObject*>(objectName)) return Find<QObject>(name.c_str());
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->objectName() == objectName) return top;
  ADD_FAILURE() << "no control named " << name;
  return nullptr;
}

void SessionRunner::Show(const std::string& name) {
  QObject* object = Named(name);
  if (!object) return;
  out << "  " << name << ":";
  if (auto* action = qobject_cast<QAction*>(object)) {
    out << " \"" << action->text().toStdString() << "\"" << (action->isChecked() ? " [checked]" : "")
        << (action->isEnabled() ? "" : " [disabled]") << (action->isVisible() ? "" : " [hidden]") << "\n";
    return;
  }
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return;
  if (auto* box = qobject_cast<QLineEdit*>(widget)) out << " \"" << box->text().toStdString() << "\"";
  if (auto* label = qobject_cast<QLabel*>(widget)) out << " \"" << OneLine(label->text()) << "\"";
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) out << " \"" << button->text().toStdString() << "\"";
  if (widget->isWindow()) out << " window \"" << widget->windowTitle().toStdString() << "\"";
  out << Flags(widget) << "\n";
  if (auto* grid = qobject_cast<QTableWidget*>(widget)) {
    for (int row = 0; row < grid->rowCount(); ++row) {
      out << "    ";
      for (int column = 0; column < grid->columnCount(); ++column) {
        const QTableWidgetItem* item = grid->item(row, column);
        out << (column ? " | " : "") << (item ? OneLine(item->text()) : "") << (item && item->isSelected() ? "*" : "");
      }
      out << "\n";
    }
  }
  if (auto* list = qobject_cast<QListWidget*>(widget)) {
    out << "    " << list->count() << " items, selected:";
    for (const QListWidgetItem* item : list->selectedItems()) out << " " << item->text().toStdString();
    out << "\n";
  }
  if (auto* text = qobject_cast<QPlainTextEdit*>(widget))
    for (const QString& line : text->toPlainText().split('\n')) out << "    |" << line.toStdString() << "\n";
}

// NAME, or WINDOW/NAME for a control of a window of the program's that another control shares a name with.
void SessionRunner::Detail(const std::string& name) {
  const std::size_t slash = name.find('/');
  QObject* object = Named(name.substr(0, slash));
  if (object && slash != std::string::npos)
    object = object->findChild<QObject*>(QString::fromStdString(name.substr(slash + 1)));
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return (void)(ADD_FAILURE() << "no control named " << name);
  out << "  " << name << ": " << widget->font().pointSize() << " pt" << (widget->font().bold() ? " bold" : "")
      << (widget->isWindow() ? (widget->isModal() ? " modal" : " modeless") : "");
  if (auto* label = qobject_cast<QLabel*>(widget); label && !label->pixmap().isNull())
    out << " picture " << label->pixmap().width() << " x " << label->pixmap().height();
  out << "\n";
  if (auto* text = qobject_cast<QTextEdit*>(widget)) {
    static const std::map<int, const char*> kAlignments = {
        {Qt::AlignLeft, "left  "}, {Qt::AlignHCenter, "centre"}, {Qt::AlignRight, "right "}};
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
      const auto alignment = kAlignments.find(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
      out << "    " << (alignment == kAlignments.end() ? "other " : alignment->second) << "|"
          << block.text().toStdString() << "\n";
    }
  }
}

// The named controls shown now, in the order the window made them.
void SessionRunner::Shown() {
  out << "  shown:";
  for (const QWidget* widget : window->findChildren<QWidget*>())
    if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_") && widget->isVisible())
      out << " " << widget->objectName().toStdString();
  out << "\n";
}

void SessionRunner::Menu(const QList<QAction*>& actions, int depth) {
  for (QAction* action : actions) {
    if (!action->isVisible() || action->isSeparator()) continue;
    out << std::string(2 * depth, ' ') << action->text().toStdString() << (action->isChecked() ? " [checked]" : "")
        << (action->isEnabled() ? "" : " [disabled]")
        << (action->shortcut().isEmpty() ? "" : "  " + action->shortcut().toString().toStdString()) << "\n";
    if (action->menu()) Menu(action->menu()->actions(), depth + 1);
  }
}

// What the gesture made the window ask, show or print.
void SessionRunner::Record() {
  for (; boxesSeen < services.messages.asked.size(); ++boxesSeen) {
    const AskedBox& box = services.messages.asked[boxesSeen];
    out << "  box " << box.style << " \"" << Hide(box.title)
        << "\": " << OneLine(QString::fromStdString(Hide(box.text))) << "\n";
  }
  for (; promptsSeen < services.messages.prompts.size(); ++promptsSeen)
    out << "  prompt \"" << services.messages.prompts[promptsSeen].title
        << "\": " << OneLine(QString::fromStdString(services.messages.prompts[promptsSeen].text)) << " ["
        << services.messages.offered[promptsSeen] << "]\n";
  for (; dialogsSeen < services.files.asked.size(); ++dialogsSeen) {
    const AskedFileDialog& dialog = services.files.asked[dialogsSeen];
    const FileDialogRequest& request = dialog.request;
    out << "  " << (dialog.save ? "save" : "open") << " dialog " << request.filter << " name \""
        << Hide(request.initialName) << "\"" << (request.overwritePrompt ? " overwrite-prompt" : "")
        << (request.mustExist ? " must-exist" : "") << (request.addFilterSuffix ? " add-suffix" : "") << "\n";
  }
  const auto& documents = services.printer.documents;
  for (; documentsSeen + 1 < documents.size(); ++documentsSeen) {
    const std::vector<std::string>& lines = documents[documentsSeen];
    if (documentsSeen > 0 && lines == documents[documentsSeen - 1]) {
      out << "  printed the same again\n";
      continue;
    }
    out << "  printed " << lines.size() << " lines in " << services.printer.fontNames.back() << ":\n";
    for (const std::string& line : lines) out << "    |" << line << "\n";
  }
  for (; abortsSeen < services.printer.abortedDocuments; ++abortsSeen) out << "  print aborted\n";
  for (; detailsSeen < services.details.offered.size(); ++detailsSeen) {
    out << "  details dialog:";
    for (const DocumentDetailField& field : kDocumentDetailFields)
      out << (field.value == &DocumentDetails::project ? " " : ", ") << field.key << " \""
          << services.details.offered[detailsSeen].*(field.value) << "\"";
    out << "\n";
  }
  if (services.busy.timesBusy != busySeen) out << "  busy pointer " << services.busy.timesBusy - busySeen << "x\n";
  busySeen = services.busy.timesBusy;
  if (services.busy.busy) out << "  busy pointer left on\n";
}

// The centre of a row of the library list, scrolled into view.
QPoint SessionRunner::ListItemCentre(int row) {
  List()->scrollToItem(List()->item(row));
  return List()->visualItemRect(List()->item(row)).center();
}

void SessionRunner::Key(QWidget* widget, const std::string& keys) {
  const QKeyCombination key = QKeySequence::fromString(QString::fromStdString(keys))[0];
  QTest::keyClick(widget, key.key(), key.keyboardModifiers());
  // An access key presses its button a moment later, as a click seen on the screen.
  const auto pressing = [&] {
    for (const QAbstractButton* button : widget->window()->findChildren<QAbstractButton*>())
      if (button->isDown()) return true;
    return false;
  };
  QTRY_VERIFY(!pressing());
}

// The curve's tooltip FRACTION across the plot area, halfway up: shown on moving the mouse there or on
// resting it.
void SessionRunner::Hover(const std::string& rest) {
  std::istringstream args(rest);
  std::string name, how;
  double across = 0;
  args >> name >> across >> how;
  auto* view = qobject_cast<DamageCurveView*>(Named(name));
  const QRectF plot = view->chart()->plotArea();
  const QPoint at =
      view->mapFromScene(view->chart()->mapToScene({plot.left() + across * plot.width(), plot.center().y()}));
  const std::optional<QString> tip = view->TooltipAt(at);
  if (!tip) {
    out << "  no tooltip\n";
    return;
  }
  if (how == "rest") {
    QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &help);
  } else {
    QTest::mouseMove(view->viewport(), at);
  }
  (void)QTest::qWaitFor([&] { return QToolTip::text() == *tip; });
  out << "  tooltip: " << OneLine(QToolTip::text()) << "\n";
}

void SessionRunner::Drop(const std::string& rest) {
  std::istringstream args(rest);
  std::string name, word;
  args >> name;
  auto* target = qobject_cast<QWidget*>(Named(name));
  QMimeData data;
  QList<QUrl> urls;
  if (rest.substr(name.size()).starts_with(" text ")) {
    data.setText(QString::fromStdString(rest.substr(name.size() + 6)));
  } else {
    QStringList texts;  // a file manager offers the files as text as well
    while (args >> word) {
      urls << QUrl::fromUserInput(QString::fromStdString(Expand(word)));
      texts << urls.back().toString();
    }
    data.setUrls(urls);
    data.setText(texts.join('\n'));
  }
  QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  out << "  " << (enter.isAccepted() ? "taken" : "refused") << "\n";
  if (!enter.isAccepted()) return;
  QDropEvent drop(QPointF(target->rect().center()), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  QApplication::processEvents();  // the file is read after the drop has ended
}

// A help text's headings, and its links that lead to no section of it.
void SessionRunner::Contents(const std::string& name) {
  auto* browser = qobject_cast<QTextBrowser*>(Named(name));
  out << "  " << name << ":\n";
  for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
    if (block.blockFormat().headingLevel() > 0)
      out << "    " << std::string(2 * (block.blockFormat().headingLevel() - 1), ' ') << block.text().toStdString()
          << "\n";
  const QString html = browser->document()->toHtml();
  QStringList anchors;
  for (const auto& m : QRegularExpression(R"re(name="([^"]+)")re").globalMatch(html)) anchors << m.captured(1);
  int links = 0;
  for (const auto& m : QRegularExpression(R"re(href="#([^"]+)")re").globalMatch(html)) {
    ++links;
    if (!anchors.contains(m.captured(1)))
      out << "    link to a missing section: " << m.captured(1).toStdString() << "\n";
  }
  out << "    " << links << " links inside\n";
}

// The gestures by their word. Each handler gets the rest of the line after the word, as text and read
// word by word.
const std::map<std::string, SessionRunner::Gesture>& SessionRunner::Gestures() {
  using Args = std::istringstream;
  using R = SessionRunner;
  static const std::map<std::string, Gesture> kGestures = {
      // What a user does at the window.
      {"menu", [](R& r, const std::string& rest, Args&) { r.Item(rest.c_str())->trigger(); }},
      {"press", [](R& r, const std::string& rest, Args&) { r.Press(rest.c_str()); }},
      {"type",
       [](R& r, const std::string& rest, Args&) {
         const std::size_t space = rest.find(' ');
         r.Type(rest.substr(0, space).c_str(),
                QString::fromStdString(space == std::string::npos ? "" : rest.substr(space + 1)));
       }},
      {"key",
       [](R& r, const std::string&, Args& args) {
         std::string name, keys;
         args >> name >> keys;
         r.Key(qobject_cast<QWidget*>(r.Named(name)), keys);
       }},
      {"choose", [](R& r, const std::string& rest, Args&) { r.ChooseAircraft(QString::fromStdString(rest)); }},
      {"list",
       [](R& r, const std::string& rest, Args& args) {
         int row = 0;
         args >> row;
         QTest::mouseClick(r.List()->viewport(), Qt::LeftButton, Modifiers(rest), r.ListItemCentre(row));
       }},
      {"dbllist",
       [](R& r, const std::string&, Args& args) {
         int row = 0;
         args >> row;
         const QPoint at = r.ListItemCentre(row);
         QTest::mouseClick(r.List()->viewport(), Qt::LeftButton, {}, at);
         QTest::mouseDClick(r.List()->viewport(), Qt::LeftButton, {}, at);
       }},
      {"click",
       [](R& r, const std::string& rest, Args& args) {
         int row = 0, column = 0;
         args >> row >> column;
         QTest::mouseClick(r.Grid()->viewport(), Qt::LeftButton, Modifiers(rest), r.CellCentre(row, column));
       }},
      {"dblclick",
       [](R& r, const std::string&, Args& args) {
         int row = 0, column = 0;
         args >> row >> column;
         r.DoubleClickCell(row, column);
       }},
      {"resize",
       [](R& r, const std::string&, Args& args) {
         int width = 0, height = 0;
         std::string name = "window";
         args >> width >> height >> name;
         qobject_cast<QWidget*>(r.Named(name))->resize(width, height);
         QApplication::processEvents();
       }},
      {"reopen", [](R& r, const std::string&, Args&) { r.Open(); }},
      {"activate", [](R& r, const std::string&, Args&) { r.window->Form_Activate(); }},
      {"tab",
       [](R& r, const std::string&, Args& args) {
         std::string name;
         int index = 0;
         args >> name >> index;
         qobject_cast<QTabWidget*>(r.Named(name))->setCurrentIndex(index);
       }},
      {"drag-divider",
       [](R& r, const std::string& rest, Args&) {
         QSplitterHandle* handle =
             static_cast<QSplitter*>(qobject_cast<QWidget*>(r.Named(rest))->parentWidget())->handle(1);
         QTest::mousePress(handle, Qt::LeftButton);
         QTest::mouseMove(handle, QPoint(-handle->x(), 0));
         QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(-handle->x(), 0));
       }},
      {"hover", [](R& r, const std::string& rest, Args&) { r.Hover(rest); }},
      {"drop", [](R& r, const std::string& rest, Args&) { r.Drop(rest); }},
      {"repeat",
       [](R& r, const std::string&, Args& args) {
         int times = 0;
         std::string gestures;
         std::getline(args >> times >> std::ws, gestures);
         for (int time = 0; time < times; ++time)
           for (std::size_t from = 0, to = 0; to != std::string::npos; from = to + 2)
             r.Run(gestures.substr(from, (to = gestures.find("; ", from)) - from));
       }},

      // The answers of the boxes, prompts and dialogs to come, and the world around the window.
      {"answer",
       [](R& r, const std::string&, Args& args) {
         for (std::string word; args >> word;) r.services.messages.answers.push_back(kAnswerWords.at(word));
       }},
      {"typed", [](R& r, const std::string& rest, Args&) { r.services.messages.typed.push_back(AnswerOf(rest)); }},
      {"file",
       [](R& r, const std::string& rest, Args&) { r.services.files.answers.push_back(AnswerOf(r.Expand(rest))); }},
      {"copies",
       [](R& r, const std::string& rest, Args&) {
         r.services.printer.copiesAnswers.push_back(rest == "-" ? std::nullopt : std::optional(std::stoi(rest)));
       }},
      {"details",
       [](R& r, const std::string& rest, Args&) {
         r.services.details.answers.push_back(rest == "-" ? std::nullopt
                                                          : std::optional(ReplaceAll(rest, "; ", "\n")));
       }},
      {"forget",
       [](R& r, const std::string&, Args&) {
         r.services.messages.answers.clear();
         r.services.messages.typed.clear();
         r.services.files.answers.clear();
         r.services.printer.copiesAnswers.clear();
         r.services.details.answers.clear();
       }},
      {"after-each-copy",
       [](R& r, const std::string& rest, Args&) { r.services.printer.afterEndDoc = [&r, rest] { r.Run(rest); }; }},
      {"fail-print-after",
       [](R& r, const std::string& rest, Args&) { r.services.printer.failAfterLines = std::stoul(rest); }},
      {"disk-full",
       [](R& r, const std::string& rest, Args&) {
         const FileSizeLimit full(16);
         r.Run(rest);
       }},
      {"mkdir", [](R& r, const std::string& rest, Args&) { fs::create_directories(r.Expand(rest)); }},
      {"env",
       [](R& r, const std::string&, Args& args) {
         std::string name, value;
         args >> name >> std::ws;
         std::getline(args, value);
         if (!r.savedEnvironment.contains(name))
           r.savedEnvironment[name] =
               qEnvironmentVariableIsSet(name.c_str()) ? std::optional(qgetenv(name.c_str())) : std::nullopt;
         value.empty() ? (void)qunsetenv(name.c_str()) : (void)qputenv(name.c_str(), r.Expand(value).c_str());
       }},
      {"idle",
       [](R&, const std::string&, Args&) {
         QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
         QApplication::processEvents();
       }},
      {"wait",  // the work off the window's thread ends and the window takes its results
       [](R&, const std::string&, Args&) {
         QThreadPool::globalInstance()->waitForDone();
         for (int round = 0; round < 3; ++round) QApplication::processEvents();
       }},
      {"deadline", [](R& r, const std::string& rest, Args&) { r.deadlineSeconds = std::stoi(rest); }},

      // What the window shows, written into the transcript.
      {"shown", [](R& r, const std::string&, Args&) { r.Shown(); }},
      {"menus", [](R& r, const std::string&, Args&) { r.Menu(r.window->menuBar()->actions(), 1); }},
      {"show",
       [](R& r, const std::string&, Args& args) {
         for (std::string name; args >> name;) r.Show(name);
       }},
      {"detail",
       [](R& r, const std::string&, Args& args) {
         for (std::string name; args >> name;) r.Detail(name);
       }},
      {"hidden",
       [](R& r, const std::string&, Args& args) {
         r.out << "  hidden of themselves:";
         for (std::string name; args >> name;)
           if (qobject_cast<QWidget*>(r.Named(name))->isHidden()) r.out << " " << name;
         r.out << "\n";
       }},
      {"window",
       [](R& r, const std::string&, Args&) {
         r.out << "  window " << (r.window->isVisible() ? "shown" : "closed") << "\n";
       }},
      {"geometry",
       [](R& r, const std::string&, Args& args) {
         for (std::string name; args >> name;) {
           const QRect at = qobject_cast<QWidget*>(r.Named(name))->geometry();
           r.out << "  " << name << " at " << at.x() << ", " << at.y() << " size " << at.width() << " x "
                 << at.height() << "\n";
         }
       }},
      {"widths",
       [](R& r, const std::string& rest, Args&) {
         auto* grid = qobject_cast<QTableWidget*>(r.Named(rest));
         r.out << "  " << rest << " columns";
         for (int at = 0; at < grid->columnCount(); ++at) r.out << " " << grid->columnWidth(at);
         r.out << ", rows";
         for (int at = 0; at < grid->rowCount(); ++at) r.out << " " << grid->rowHeight(at);
         r.out << "\n";
       }},
      {"chart",
       [](R& r, const std::string&, Args& args) {
         for (std::string name; args >> name;) {
           r.out << "  " << name << ":\n";
           PrintChart(r.out, qobject_cast<QChartView*>(r.Named(name))->chart());
         }
       }},
      {"overlaps",
       [](R& r, const std::string&, Args& args) {
         for (std::string name; args >> name;) {
           for (int i = 0; i < 3; ++i) QApplication::processEvents();  // laid out as shown
           r.out << "  " << name << ":\n";
           PrintOverlaps(r.out, qobject_cast<QChartView*>(r.Named(name)));
         }
       }},
      {"table",  // the headings, then the cells
       [](R& r, const std::string& rest, Args&) {
         auto* table = qobject_cast<QTableWidget*>(r.Named(rest));
         r.out << "  headings:";
         for (int c = 0; c < table->columnCount(); ++c)
           r.out << (c ? " | " : " ") << table->horizontalHeaderItem(c)->text().toStdString();
         r.out << "\n";
         r.Show(rest);
       }},
      {"focus",
       [](R& r, const std::string& rest, Args&) {
         QWidget* active = rest.empty() ? r.window.get() : qobject_cast<QWidget*>(r.Named(rest));
         active->activateWindow();
         QTRY_VERIFY(active->isActiveWindow());
         r.out << "  focus: " << NameOf(QApplication::focusWidget()) << "\n";
       }},
      {"active",
       [](R& r, const std::string&, Args&) {
         QApplication::processEvents();
         r.out << "  active: " << NameOf(QApplication::activeWindow())
               << ", focus: " << NameOf(QApplication::focusWidget()) << "\n";
       }},
      {"tip",
       [](R& r, const std::string&, Args& args) {
         std::string name;
         int row = 0, column = 0;
         args >> name;
         QString tip = qobject_cast<QWidget*>(r.Named(name))->toolTip();
         if (args >> row >> column) {
           const QPoint at = r.CellCentre(row, column);
           QHelpEvent help(QEvent::ToolTip, at, r.Grid()->viewport()->mapToGlobal(at));
           QApplication::sendEvent(r.Grid()->viewport(), &help);
           tip = QToolTip::text();
         }
         r.out << "  tip: " << OneLine(tip) << "\n";
       }},
      {"contents", [](R& r, const std::string& rest, Args&) { r.Contents(rest); }},
      {"cat",
       [](R& r, const std::string& rest, Args&) {
         r.out << "  " << rest << ": \"" << OneLine(QString::fromStdString(FileText(r.Expand(rest)))) << "\"\n";
       }},
      {"compare",
       [](R& r, const std::string&, Args& args) {
         std::string first, second;
         args >> first >> second;
         const bool same = FileText(r.Expand(first)) == FileText(r.Expand(second));
         r.out << "  " << first << (same ? " and " : " differs from ") << second
               << (same ? ": the same bytes\n" : "\n");
       }},
      {"files",
       [](R& r, const std::string&, Args&) {
         std::vector<std::string> names;
         for (const auto& entry : fs::directory_iterator(r.programDir.path().toStdString()))
           names.push_back(entry.path().filename().string());
         std::sort(names.begin(), names.end());
         r.out << "  files:";
         for (const std::string& name : names) r.out << " " << name;
         r.out << "\n";
       }},
      {"pdf",  // the first page's lines, blanks between words made one
       [](R& r, const std::string& rest, Args&) {
         std::istringstream page(
             RunProgram(std::string(RIPADES_PDFTOTEXT) + " -layout -l 1 '" + r.Expand(rest) + "' -").out);
         const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
         for (std::string line; std::getline(page, line);)
           if (const QString words = QString::fromStdString(line).simplified(); !words.isEmpty())
             r.out << "    |" << ReplaceAll(words.toStdString(), today, "$TODAY") << "\n";
       }},
      {"look",
       [](R& r, const std::string&, Args& args) {
         std::string name, picture;
         args >> name >> picture;
         for (int i = 0; i < 5; ++i) QApplication::processEvents();
         if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();  // no blinking caret
         QApplication::processEvents();
         ExpectLooksLikeGolden("tests/ui/looks/" + picture + ".png",
                               qobject_cast<QWidget*>(r.Named(name))->grab().toImage());
       }},
      {"invariants",
       [](R& r, const std::string&, Args&) {
         const std::vector<Finding> findings = StateFindings(*r.window);
         if (findings.empty()) r.out << "  invariants hold\n";
         for (const Finding& finding : findings)
           r.out << "  invariant " << finding.invariant << " fails: " << r.Hide(finding.detail) << "\n";
       }},
  };
  return kGestures;
}

void SessionRunner::Run(const std::string& line) {
  std::istringstream words(line);
  std::string word, rest;
  words >> word;
  std::getline(words >> std::ws, rest);
  std::istringstream args(rest);
  const auto gesture = Gestures().find(word);
  if (gesture == Gestures().end()) return (void)(ADD_FAILURE() << "unknown gesture: " << line);
  gesture->second(*this, rest, args);
}

std::string RunSession(SessionRunner& runner, const std::string& session) {
  std::istringstream lines(session);
  runner.Record();  // the start: reading the library
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line.starts_with('#')) {
      runner.out << line << "\n";
      continue;
    }
    runner.out << "> " << line << "\n";
    const GestureDeadline deadline(line, runner.deadlineSeconds);
    runner.Run(line);
    runner.Record();
  }
  return runner.out.str();
}
