// The runner of window sessions: a window on scripted services, the gestures of sessions/README.md run
// on it one line at a time, and the transcript of what each made the window ask, show and print.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "window_fixture.h"

// The buttons of a message box by the words a session names them with.
extern const std::map<std::string, MsgBoxAnswer> kAnswerWords;

class SessionRunner : public WindowDriver {
 public:
  // The files of `folder` other than `session` and `transcript` are put beside the program before the
  // window starts (the folder may be empty: nothing is put).
  explicit SessionRunner(std::filesystem::path folder = {}) : folder_(std::move(folder)) {}
  ~SessionRunner() override;

  // A gesture's handler: the runner, and the rest of the line after the gesture's word, as text and
  // read word by word.
  using Gesture = void (*)(SessionRunner& runner, const std::string& rest, std::istringstream& args);
  // Every gesture of sessions/README.md by its word, the first word of its line.
  static const std::map<std::string, Gesture>& Gestures();

  // Runs one gesture (not a comment) by its word; then Record() writes what it made the window do.
  void Run(const std::string& line);
  void Record();
  // A control of the window, or a window of its own by name (the analysis window, the help window).
  QObject* Named(const std::string& name);
  // $DIR in a gesture stands for the program's folder, and the folder is written $DIR in the transcript.
  std::string Expand(const std::string& text);
  std::string Hide(const std::string& text);

  std::ostringstream out;    // the transcript so far
  int deadlineSeconds = 60;  // for each gesture of a session

 protected:
  void PrepareProgramDir() override;

 private:
  void Show(const std::string& name);
  void Detail(const std::string& name);
  void Shown();
  void Menu(const QList<QAction*>& actions, int depth);
  QPoint ListItemCentre(int row);
  void Key(QWidget* widget, const std::string& keys);
  void Hover(const std::string& rest);
  void Drop(const std::string& rest);
  void Contents(const std::string& name);

  std::filesystem::path folder_;
  std::map<std::string, std::optional<QByteArray>> savedEnvironment;  // before the session changed it
  int abortsSeen = 0;
  std::size_t boxesSeen = 0, promptsSeen = 0, dialogsSeen = 0, documentsSeen = 0, detailsSeen = 0;
  int busySeen = 0;
};

// Runs the gestures of a session's text on the runner's window, comments copied; gives the transcript.
std::string RunSession(SessionRunner& runner, const std::string& session);
