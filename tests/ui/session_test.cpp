// Sessions at the window: each folder of sessions/ holds a `session`, the user's gestures one per line,
// and a `transcript`, what the window must show and ask on the way. The folder's other files are put
// beside the program (a fly.dll there replaces the library) before the window starts. sessions/README.md
// lists the gestures. A new case is a new folder; RIPADES_UPDATE_GOLDEN=1 writes every transcript.
#include "golden/test_files.h"
#include "session_runner.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSessions = fs::path(RIPADES_SOURCE_DIR) / "tests/ui/sessions";

class SessionTest : public testing::TestWithParam<std::string> {};

TEST_P(SessionTest, ShowsAndAsksWhatTheTranscriptSays) {
  SessionRunner runner(kSessions / GetParam());
  runner.Start();
  ExpectMatchesGolden("tests/ui/sessions/" + GetParam() + "/transcript",
                      RunSession(runner, FileText(kSessions / GetParam() / "session")));
}

INSTANTIATE_TEST_SUITE_P(Sessions, SessionTest, testing::ValuesIn(CaseFolders(kSessions)), CaseTestName);

}  // namespace
