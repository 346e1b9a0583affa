// Random window sessions: walks of gestures drawn from a weighted table of what a user does, every
// invariant checked after each step, a watchdog on each step. A failing walk is shrunk (steps dropped
// while it still fails the same way) and written as a session folder. README.md in this folder says how
// the fixed-seed run, the soak and the list of known findings are used.
#include <unistd.h>

#include <QListWidget>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <random>
#include <set>
#include <thread>

#include "aircraft/mix_grid.h"
#include "golden/test_files.h"
#include "session_runner.h"
#include "window_walks/window_invariants.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;
const fs::path kSource = RIPADES_SOURCE_DIR;
constexpr int kCiGestures = 2000, kCiSteps = 60;  // walks of seeds 1, 2, ... until 2,000 gestures
constexpr int kSoakSteps = 150;
constexpr int kHangStatus = 3;
const std::string kSurprise = "gestures-meet-no-surprise";

constexpr int kAnswerSeconds = kSanitized ? 10 : 2;

// What the command line asked for: the fixed-seed run (nothing), a replay, a shrink or a soak.
struct Mode {
  fs::path walkFile;  // of a replay or a shrink
  double soakSeconds = 0;
  uint32_t seed = 1;
  fs::path findings = "findings";
  fs::path known = kSource / "fuzz/window_walks/known_findings";
} mode;

// The window with the pool of input files beside it: the examples and every batch case's files.
class PoolRunner : public SessionRunner {
 public:
  static std::vector<fs::path> Pool() {
    std::vector<fs::path> pool;
    for (const auto& entry : fs::recursive_directory_iterator(kSource / "tests/batch/cases"))
      if (entry.path().extension() == ".inp") pool.push_back(entry.path());
    for (const auto& entry : fs::directory_iterator(kSource / "examples")) pool.push_back(entry.path());
    std::sort(pool.begin(), pool.end());
    return pool;
  }
  // A pool file's name beside the program: its case folder's name and its own.
  static std::string NameOf(const fs::path& file) {
    const std::string folder = file.parent_path().filename().string();
    return (folder == "examples" ? "" : folder + "-") + file.filename().string();
  }

 protected:
  void PrepareProgramDir() override {
    for (const fs::path& file : Pool())
      fs::copy_file(file, fs::path(programDir.path().toStdString()) / NameOf(file),
                    fs::copy_options::overwrite_existing);
  }
};

// Ends the process when a step has not returned within kAnswerSeconds: the window no longer answers.
// It prints the walk so far and writes it to hang.walk in the findings folder, to be shrunk by a new run.
class Watchdog {
 public:
  explicit Watchdog(std::function<std::string()> walkSoFar)
      : walkSoFar_(std::move(walkSoFar)), thread_([this] { Watch(); }) {}
  ~Watchdog() {
    stop_ = true;
    thread_.join();
  }
  void Start() { started_ = Now(); }
  void Done() { started_ = 0; }
  std::mutex walkChanging;  // held while the walk changes during a step

 private:
  static long long Now() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
  void Watch() {
    while (!stop_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      const long long started = started_;
      if (started == 0 || Now() - started < kAnswerSeconds * 1000) continue;
      const std::lock_guard lock(walkChanging);
      const std::string walk = walkSoFar_();
      fs::create_directories(mode.findings);
      std::printf("FINDING window-answers-within-2s: no answer %d s after the last step\n%s", kAnswerSeconds,
                  walk.c_str());
      std::ofstream(mode.findings / "hang.walk") << walk;
      std::fflush(stdout);
      _exit(kHangStatus);
    }
  }
  std::function<std::string()> walkSoFar_;
  std::atomic<bool> stop_ = false;
  std::atomic<long long> started_ = 0;
  std::thread thread_;
};

// What a step must leave as it was, beside the invariants that always hold: the invariant it proves by
// comparing what the window shows after it with what it showed before (the inputs and mix only, for a
// file round trip), or nothing.
constexpr const char* kAnyChange = nullptr;
constexpr const char* kNoChange = "a-refused-or-cancelled-command-changes-nothing";
constexpr const char* kUnitRoundTrip = "two-unit-switches-give-back-every-text";
constexpr const char* kFileRoundTrip = "saving-then-reading-gives-back-every-input";

// A gesture of the table: its lines, one per line, where {a|b|c} stands for one of a, b and c (chosen
// at random) and %row, %column, %list, %file, %offered, %unit and %other for a mix row, a grid column
// of a value, a row of the library list, an input file of the pool (or none), the thickness the window
// offers, and the unit item that switches units and the one that switches back. `where` is what the
// gesture needs: 'd' the design view and 'a' the aircraft view (shown first when they are not), 'm' the
// aircraft view and a mix row, 'M' the aircraft view shown and a mix row, 'w' the analysis window.
struct Gesture {
  const char* name;
  int weight;
  const char* keeps;
  char where;
  const char* lines;
};

const Gesture kGestures[] = {
    {"design", 12, kAnyChange, 'd', "press cmdDesign"},
    {"design by Enter", 2, kAnyChange, 'd', "key Txtk Return"},
    {"type E", 3, kAnyChange, 'd', "type TxtE {4000000|3000000|5500000|27579000|1e7|abc||0|-1|1e308| 4000000}"},
    {"type Sc", 3, kAnyChange, 'd', "type TxtSc {650|500|800|4480|5000|abc||0|1e9|700.5}"},
    {"type k", 3, kAnyChange, 'd', "type Txtk {200|50|500|54|136|abc||0|1e9|0.001}"},
    {"switch units", 7, kAnyChange, ' ', "menu %unit"},
    {"switch units twice", 3, kUnitRoundTrip, ' ', "menu %unit\nmenu %other"},
    {"add an aircraft", 8, kAnyChange, 'a', "dbllist %list"},
    {"remove an aircraft", 2, kAnyChange, 'm', "click %row 0\npress cmdDel"},
    {"remove all", 3, kAnyChange, 'a', "press cmddelall"},
    {"change data", 3, kAnyChange, 'm',
     "dblclick %row %column\ntype Text1 {250000|1e3|0|1200|0.5|45|99999999}\n{press cmdOk|key Text1 Return}"},
    {"change data refused", 1, kNoChange, 'M', "dblclick %row %column\ntype Text1 {abc||-5|1e400}\npress cmdOk"},
    {"read a file", 4, kAnyChange, ' ', "file %file\nmenu FileLoad"},
    {"drop a file", 1, kAnyChange, ' ', "drop window %file"},
    {"read cancelled", 1, kNoChange, ' ', "file -\nmenu FileLoad"},
    {"save then read", 2, kFileRoundTrip, ' ', "file $DIR/walk.inp\nmenu FileSave\nfile $DIR/walk.inp\nmenu FileLoad"},
    {"save on a full disk", 1, kNoChange, ' ', "file $DIR/full.inp\ndisk-full menu FileSave"},
    {"save cancelled", 1, kNoChange, ' ', "file -\nmenu FileSave"},
    {"report", 3, kAnyChange, 'd', "press cmdReport"},
    {"print", 1, kAnyChange, ' ', "copies {1|2|-}\nmenu mnuPrintReport"},
    {"export", 1, kAnyChange, ' ', "file {$DIR/report.txt|$DIR/report.pdf|-}\nmenu mnuExportReport"},
    {"damage chart", 3, kAnyChange, ' ', "menu mnuDamageChart"},
    {"evaluate", 7, kAnyChange, ' ', "typed {%offered|%offered|16|5|30|45.5|76.2|12}\nmenu mnuEvaluateThickness"},
    {"evaluate refused", 1, kNoChange, ' ', "typed {-|abc|0|100|-3}\nmenu mnuEvaluateThickness"},
    {"analysis tab", 2, kAnyChange, 'w', "tab tabViews {0|1}"},
    {"close the analysis", 1, kAnyChange, 'w', "key frmAnalysis Escape"},
    {"help and about", 1, kAnyChange, ' ', "menu {mnuHelpTopics|mnuAbout}"},
    {"views", 3, kAnyChange, ' ', "menu {mnuAircraft|mnuPvmtStru}"},
    {"resize", 1, kAnyChange, ' ', "resize {640 480|1024 768|300 200}"},
    {"exit", 1, kAnyChange, ' ', "file $DIR/closing.inp\nmenu FileExit"},
};
const Gesture kReopen = {"reopen", 0, kAnyChange, ' ', "reopen"};

class Walker {
 public:
  Walker(PoolRunner& runner, uint32_t seed) : runner_(runner), rng_(seed) {}

  int Below(int n) { return n > 0 ? static_cast<int>(rng_() % static_cast<unsigned>(n)) : 0; }

  // The lines of the gesture now, or none when what it needs is not there.
  Lines Make(const Gesture& gesture) {
    const bool mixShown = Visible("Grid1") && State().MixCount() > 0;
    if ((gesture.where == 'w' && !Visible("frmAnalysis")) || (gesture.where == 'M' && !mixShown) ||
        (gesture.where == 'm' && State().MixCount() == 0))
      return {};
    Lines lines;
    if (gesture.where == 'd' && (!Visible("TxtE") || Visible("txtReports"))) lines.push_back("menu mnuPvmtStru");
    if (std::string("am").find(gesture.where) != std::string::npos && !Visible("Grid1"))
      lines.push_back("menu mnuAircraft");
    std::istringstream text(gesture.lines);
    for (std::string line; std::getline(text, line);) lines.push_back(Expand(line));
    return lines;
  }

 private:
  const ProgramState& State() { return runner_.window->State(); }
  bool Visible(const char* name) {
    auto* widget = runner_.window->findChild<QWidget*>(name);
    return widget && widget->isVisible();
  }
  std::string Expand(std::string line) {
    for (std::size_t open; (open = line.find('{')) != std::string::npos;) {
      const std::size_t close = line.find('}', open);
      QStringList choices = QString::fromStdString(line.substr(open + 1, close - open - 1)).split('|');
      line.replace(open, close - open + 1, choices[Below(static_cast<int>(choices.size()))].toStdString());
    }
    static const std::vector<fs::path> pool = PoolRunner::Pool();
    const bool metric = State().IsMetric();
    const std::pair<const char*, std::function<std::string()>> kPlaceholders[] = {
        {"%row", [&] { return std::to_string(kGridFirstMixRow + Below(State().MixCount())); }},
        {"%column", [&] { return std::to_string(1 + Below(8)); }},
        {"%list", [&] { return std::to_string(Below(runner_.List()->count())); }},
        {"%file",
         [&] {
           return Below(10) ? "$DIR/" + PoolRunner::NameOf(pool[Below(static_cast<int>(pool.size()))])
                            : std::string("$DIR/no_such_file.inp");
         }},
        {"%offered", [&] { return State().lbh; }},
        {"%unit", [&] { return std::string(metric ? "EnglishOption" : "MetricOption"); }},
        {"%other", [&] { return std::string(metric ? "MetricOption" : "EnglishOption"); }}};
    for (const auto& [placeholder, value] : kPlaceholders)
      if (const std::size_t at = line.find(placeholder); at != std::string::npos)
        line.replace(at, std::string(placeholder).size(), value());
    return line;
  }

  PoolRunner& runner_;
  std::mt19937 rng_;
};

const Gesture& GestureNamed(const std::string& name) {
  for (const Gesture& gesture : kGestures)
    if (name == gesture.name) return gesture;
  return kReopen;
}

const Gesture& Draw(Walker& w, bool windowShown) {
  if (!windowShown) return kReopen;
  static const int total = [] {
    int sum = 0;
    for (const Gesture& gesture : kGestures) sum += gesture.weight;
    return sum;
  }();
  int at = w.Below(total);
  for (const Gesture& gesture : kGestures)
    if ((at -= gesture.weight) < 0) return gesture;
  return kGestures[0];
}

// A step: the gesture's name, as the comment that opens it, the answers given to its boxes when it was
// drawn (a replayed step has them among its lines) and its lines.
struct Step {
  std::string name;
  Lines lines;
  std::string answers;
};

std::string WalkText(const std::vector<Step>& walk) {
  std::string text;
  for (const Step& step : walk) {
    text += "# " + step.name + "\n";
    if (!step.answers.empty()) text += "answer" + step.answers + "\n";
    for (const std::string& line : step.lines) text += line + "\n";
  }
  return text;
}

std::vector<Step> ParseWalk(const std::string& text) {
  std::vector<Step> walk;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    if (line.starts_with("# "))
      walk.push_back({line.substr(2), {}, ""});
    else if (!line.empty() && !line.starts_with('#') && !walk.empty())
      walk.back().lines.push_back(line);
  std::erase_if(walk, [](const Step& step) { return step.lines.empty(); });  // the seed and other notes
  return walk;
}

// The known findings of the list: the invariants that fail until a fault is fixed (each with the start
// of the finding's detail, when only such findings are known) and the seeds left out until then.
struct Known {
  std::vector<std::pair<std::string, std::string>> invariants;
  std::set<uint32_t> seeds;
  bool all = false;  // every finding
  bool Contains(const Finding& finding) const {
    return all || std::any_of(invariants.begin(), invariants.end(), [&](const auto& known) {
             return known.first == finding.invariant && finding.detail.starts_with(known.second);
           });
  }
};
Known KnownFindings() {
  Known known;
  std::istringstream lines(FileText(mode.known));
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string word, name, detail;
    words >> word >> name >> std::ws;
    std::getline(words, detail);
    if (word == "invariant") known.invariants.emplace_back(name, detail);
    if (word == "seed") known.seeds.insert(static_cast<uint32_t>(std::stoul(name)));
  }
  return known;
}

// A user reaches only the controls and menu items shown (a shrunk walk may have lost the gesture that
// showed one).
bool Reachable(SessionRunner& runner, const std::string& line) {
  static const std::map<std::string, std::string> kControlOf = {
      {"click", "Grid1"}, {"dblclick", "Grid1"}, {"dbllist", "ListAircraft"}};
  std::istringstream words(line);
  std::string verb, name;
  words >> verb >> name;
  if (verb == "menu") return qobject_cast<QAction*>(runner.Named(name))->isVisible();
  if (kControlOf.contains(verb))
    name = kControlOf.at(verb);
  else if (verb != "type" && verb != "press" && verb != "key")
    return true;
  auto* control = qobject_cast<QWidget*>(runner.Named(name));
  return control && control->isVisible();
}

// The failed assertions of the test running: a gesture that failed, or a box it had no answer for.
int FailedParts() {
  const testing::TestResult* result = testing::UnitTest::GetInstance()->current_test_info()->result();
  int failed = 0;
  for (int part = 0; part < result->total_part_count(); ++part) failed += result->GetTestPartResult(part).failed();
  return failed;
}

// Runs a walk on a new window, step by step; drawing new steps from `walker` once `walk` is used up,
// until it holds `steps` steps. Stops at the first finding not in `tolerated`; returns every finding.
struct WalkResult {
  std::vector<Finding> findings;
  int gestures = 0;
};
WalkResult Walk(std::vector<Step>& walk, std::optional<uint32_t> seed, int steps, const Known& tolerated) {
  WalkResult outcome;
  PoolRunner runner;
  runner.Start();
  runner.Record();
  Watchdog watchdog([&] { return "# seed " + std::to_string(seed.value_or(0)) + "\n" + WalkText(walk); });
  Walker walker(runner, seed.value_or(0));
  if (seed)
    runner.services.messages.choose = [&](const std::vector<MsgBoxAnswer>& buttons) {
      const MsgBoxAnswer answer = buttons[walker.Below(static_cast<int>(buttons.size()))];
      const std::lock_guard lock(watchdog.walkChanging);
      for (const auto& [word, button] : kAnswerWords)
        if (button == answer) walk.back().answers += " " + word;
      return answer;
    };
  for (std::size_t at = 0; at < static_cast<std::size_t>(steps); ++at) {
    while (at == walk.size() && seed) {  // a gesture that cannot be made now gives no lines: another is drawn
      const Gesture& gesture = Draw(walker, runner.window->isVisible());
      Lines lines = walker.Make(gesture);
      const std::lock_guard lock(watchdog.walkChanging);
      if (!lines.empty()) walk.push_back({gesture.name, lines, ""});
    }
    if (at == walk.size()) break;
    Step& step = walk[at];
    const char* keeps = GestureNamed(step.name).keeps;
    const ShownTexts before = WhatTheWindowShows(*runner.window);
    const int failedBefore = FailedParts(), designsBefore = runner.window->State().designResult.number;
    const std::size_t boxesBefore = runner.services.messages.asked.size();
    watchdog.Start();
    for (std::size_t line = 0; line < step.lines.size(); ++line) {
      if (!Reachable(runner, step.lines[line])) {
        if (!seed) ADD_FAILURE() << "a gesture at a control not shown: " << step.lines[line];
        const std::lock_guard lock(watchdog.walkChanging);  // a gesture drawn at a control that did not open
        step.lines.erase(step.lines.begin() + static_cast<long>(line--));
        continue;
      }
      runner.Run(step.lines[line]);
      runner.Record();
      ++outcome.gestures;
    }
    watchdog.Done();
    const ScriptedServices& asked = runner.services;
    if (seed && !(asked.messages.answers.empty() && asked.messages.typed.empty() && asked.files.answers.empty() &&
                  asked.printer.copiesAnswers.empty())) {  // answers nothing asked for are not kept for later
      runner.Run("forget");
      const std::lock_guard lock(watchdog.walkChanging);
      walk[at].lines.push_back("forget");
    }
    std::vector<Finding> found = StateFindings(*runner.window);
    if (!runner.window->isVisible()) found.clear();  // a closed window shows nothing
    const ShownTexts after = WhatTheWindowShows(*runner.window);
    if (keeps) {
      const bool inputs = keeps == kFileRoundTrip;
      if (std::optional<std::string> change =
              inputs ? FirstDifference(InputsAndMix(before), InputsAndMix(after)) : FirstDifference(before, after))
        found.push_back({keeps, *change});
    }
    if (runner.window->State().designResult.number != designsBefore) {
      std::vector<std::string> boxes;
      for (std::size_t box = boxesBefore; box < runner.services.messages.asked.size(); ++box)
        boxes.push_back(runner.services.messages.asked[box].text);
      if (std::optional<std::string> unwarned = NoDesignIsShownWithoutItsWarning(*runner.window, boxes))
        found.push_back({kNoDesignWarned, *unwarned});
    }
    if (FailedParts() > failedBefore)
      found.push_back({kSurprise, "a gesture failed or met a box it had no answer for: see above"});
    bool stop = false;
    for (const Finding& finding : found) {
      outcome.findings.push_back(finding);
      stop = stop || !tolerated.Contains(finding);
    }
    if (stop) {
      walk.resize(at + 1);
      break;
    }
  }
  return outcome;
}

// Runs a walk in a process of its own (a hang ends only that process) and gives the invariants it fails.
std::map<std::string, std::string> ReplayApart(const std::vector<Step>& walk) {
  const fs::path file = mode.findings / "candidate.walk";
  std::ofstream(file) << WalkText(walk);
  const std::string command = fs::read_symlink("/proc/self/exe").string() + " --replay " + file.string() +
                              " --findings " + (mode.findings / "replay").string() + " 2>/dev/null";
  std::map<std::string, std::string> failed;  // the detail by invariant
  FILE* pipe = popen(command.c_str(), "r");
  for (char line[4096]; fgets(line, sizeof line, pipe);)
    if (std::string text = line; text.starts_with("FINDING "))
      failed.emplace(text.substr(8, text.find(':') - 8), text.substr(text.find(':') + 2));
  pclose(pipe);
  return failed;
}

// Drops steps, halves first and then one at a time, while the walk still fails `invariant`.
std::vector<Step> Shrink(std::vector<Step> walk, const std::string& invariant) {
  for (std::size_t chunk = walk.size() / 2; chunk >= 1; chunk /= 2)
    for (std::size_t from = 0; from + chunk <= walk.size();) {
      std::vector<Step> smaller = walk;
      smaller.erase(smaller.begin() + static_cast<long>(from), smaller.begin() + static_cast<long>(from + chunk));
      const auto failed = smaller.empty() ? std::map<std::string, std::string>{} : ReplayApart(smaller);
      // A walk whose answers no longer meet their boxes fails the runner as well: that is not the same walk.
      if (failed.contains(invariant) && (invariant == kSurprise || !failed.contains(kSurprise)))
        walk = smaller;
      else
        from += chunk;
    }
  return walk;
}

// Writes the shrunk walk as a session folder: its session (the invariants checked at its end), the
// pool files it reads, and its transcript (not for a walk that hangs: there is none to write).
void WriteSessionFolder(const std::vector<Step>& walk, const Finding& finding, const std::string& seed) {
  const fs::path folder = mode.findings / (finding.invariant + "-seed-" + seed);
  fs::create_directories(folder);
  std::string session = "# Found by a random walk (seed " + seed + "): " + finding.invariant + "\n# " +
                        finding.detail.substr(0, finding.detail.find('\n')) + "\n" + WalkText(walk);
  session += finding.invariant == "window-answers-within-2s" ? "window\n" : "invariants\n";
  std::ofstream(folder / "session") << session;
  for (const fs::path& file : PoolRunner::Pool())
    if (session.find("$DIR/" + PoolRunner::NameOf(file)) != std::string::npos)
      fs::copy_file(file, folder / PoolRunner::NameOf(file), fs::copy_options::overwrite_existing);
  if (finding.invariant != "window-answers-within-2s") {
    SessionRunner runner(folder);
    runner.Start();
    std::ofstream(folder / "transcript") << RunSession(runner, session);
  }
  std::printf("shrunk to %zu steps: %s\n%s", walk.size(), folder.string().c_str(), session.c_str());
}

void ShrinkAndWrite(const std::vector<Step>& walk, const Finding& finding, const std::string& seed) {
  std::printf("shrinking %zu steps failing %s\n", walk.size(), finding.invariant.c_str());
  std::fflush(stdout);
  WriteSessionFolder(Shrink(walk, finding.invariant), finding, seed);
}

void Print(const Finding& finding, uint32_t seed, int gestures, bool known) {
  std::printf("FINDING %s: seed %u, after %d gestures%s: %s\n", finding.invariant.c_str(), seed, gestures,
              known ? " (known)" : "", finding.detail.c_str());
}

// The walks draw their lines from the gestures of the sessions: each line's first word is one (or each
// choice's, for a line that is a choice of gestures).
TEST(WindowWalks, DrawOnlyGesturesOfTheSessionRunner) {
  for (const Gesture& gesture : kGestures) {
    std::istringstream lines(gesture.lines);
    for (std::string line; std::getline(lines, line);)
      for (const QString& choice : line.starts_with('{') ? QString::fromStdString(line).mid(1).chopped(1).split('|')
                                                         : QStringList{QString::fromStdString(line)})
        EXPECT_TRUE(SessionRunner::Gestures().contains(choice.section(' ', 0, 0).toStdString()))
            << gesture.name << ": " << line;
  }
}

TEST(WindowWalks, FixedSeedsKeepEveryInvariant) {
  const Known known = KnownFindings();
  int gestures = 0;
  for (uint32_t seed = 1; gestures < kCiGestures; ++seed) {
    if (known.seeds.contains(seed)) continue;
    std::vector<Step> walk;
    const WalkResult outcome = Walk(walk, seed, kCiSteps, known);
    gestures += outcome.gestures;
    std::set<std::string> printed;
    for (const Finding& finding : outcome.findings)
      if (printed.insert(finding.invariant).second) Print(finding, seed, outcome.gestures, known.Contains(finding));
    const fs::path walkFile = mode.findings / ("seed-" + std::to_string(seed) + ".walk");
    if (std::any_of(outcome.findings.begin(), outcome.findings.end(), [&](auto& f) { return !known.Contains(f); })) {
      fs::create_directories(mode.findings);
      std::ofstream(walkFile) << "# seed " << seed << "\n" << WalkText(walk);
    }
    for (const Finding& finding : outcome.findings)
      EXPECT_TRUE(known.Contains(finding))
          << finding.invariant << " (seed " << seed << "): " << finding.detail << "\nthe walk:\n"
          << WalkText(walk) << "(written to " << walkFile << ", which --shrink makes small)";
  }
  std::printf("%d gestures\n", gestures);
}

// Replays the whole walk of --replay FILE, printing each finding.
void Replay() {
  std::vector<Step> walk = ParseWalk(FileText(mode.walkFile));
  for (const Finding& finding : Walk(walk, std::nullopt, static_cast<int>(walk.size()), {{}, {}, true}).findings)
    std::printf("FINDING %s: %s\n", finding.invariant.c_str(), finding.detail.c_str());
}

// Shrinks the walk of --shrink FILE (a hang.walk) and writes its session folder.
void ShrinkWalkFile() {
  const std::string text = FileText(mode.walkFile);
  const std::vector<Step> walk = ParseWalk(text);
  const std::map<std::string, std::string> failed = ReplayApart(walk);
  const std::string seed = text.starts_with("# seed ") ? text.substr(7, text.find('\n') - 7) : "0";
  for (const auto& [invariant, detail] : failed) ShrinkAndWrite(walk, {invariant, detail}, seed);
  if (failed.empty()) std::printf("the walk fails no invariant\n");
}

// Walks new seeds for --soak SECONDS from --seed, shrinking the first finding of each invariant that has no
// session folder among the findings yet.
void Soak() {
  const Known known = KnownFindings();
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(mode.soakSeconds);
  std::set<std::string> shrunk;  // the invariants with a session folder already
  for (const auto& entry : fs::directory_iterator(mode.findings))
    if (const std::string name = entry.path().filename().string(); name.find("-seed-") != std::string::npos)
      shrunk.insert(name.substr(0, name.find("-seed-")));
  for (uint32_t seed = mode.seed; std::chrono::steady_clock::now() < end; ++seed) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<Step> walk;
    const WalkResult outcome = Walk(walk, seed, kSoakSteps, Known{});
    std::printf("walked seed %u: %d gestures in %.2f s\n", seed, outcome.gestures,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    for (const Finding& finding : outcome.findings) {
      Print(finding, seed, outcome.gestures, known.Contains(finding));
      if (shrunk.insert(finding.invariant).second) ShrinkAndWrite(walk, finding, std::to_string(seed));
    }
    std::fflush(stdout);
  }
}

// A run the command line asked for, as a test of its own so that the gestures' failures are counted.
class CommandLineRun : public testing::Test {
 public:
  explicit CommandLineRun(void (*run)()) : run_(run) {}
  void TestBody() override { run_(); }

 private:
  void (*run_)();
};

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  void (*run)() = nullptr;
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string option = argv[i], value = argv[i + 1];
    if (option == "--replay") mode.walkFile = value, run = Replay;
    if (option == "--shrink") mode.walkFile = value, run = ShrinkWalkFile;
    if (option == "--soak") mode.soakSeconds = std::stod(value), run = Soak;
    if (option == "--seed") mode.seed = static_cast<uint32_t>(std::stoul(value));
    if (option == "--findings") mode.findings = value;
    if (option == "--known") mode.known = value;
  }
  if (run) {
    testing::RegisterTest("CommandLine", "Run", nullptr, nullptr, __FILE__, __LINE__,
                          [run]() -> testing::Test* { return new CommandLineRun(run); });
    GTEST_FLAG_SET(filter, "CommandLine.Run");
    fs::create_directories(mode.findings);
  }
  return RUN_ALL_TESTS();
}
