// The analysis window placed beside its owner, on small and scaled screens.
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "../window_fixture.h"
#include "ui/analysis/frm_analysis.h"
#include "ui/analysis/window_placement.h"

namespace {

// 1200 x 820 wanted, at least 520 x 360, in a frame of 2 with a title bar of 20 (746 high on a 768 screen);
// beside the owner takes at least two thirds of the width wanted (800).
TEST(WindowPlacement, BesideTheOwnerWhenThereIsRoomAndAlwaysOnTheScreen) {
  const struct {
    QRect screen, owner, placed;
    const char* name;
  } cases[] = {
      {{0, 0, 1024, 768}, {0, 0, 200, 400}, {202, 20, 820, 746}, "right of x 199: 1024 - 200 - 4 wide"},
      {{0, 0, 1024, 768}, {824, 100, 200, 400}, {2, 20, 820, 746}, "left of x 824: 824 - 4 wide from x 2"},
      {{0, 0, 1024, 768}, {262, 50, 500, 400}, {2, 20, 1020, 746}, "258 beside on each side: over the owner"},
      {{0, 0, 1400, 900}, {400, 100, 600, 400}, {198, 78, 1200, 820}, "396 beside: over the owner, at the right edge"},
      {{0, 0, 1024, 768}, {0, 0, 320, 400}, {2, 20, 1020, 746}, "700 beside would squeeze the charts"},
      {{0, 0, 2560, 1400}, {100, 100, 500, 400}, {602, 120, 1200, 820}, "as wanted, level with the owner"},
      {{0, 0, 2560, 1000}, {100, 500, 500, 400}, {602, 178, 1200, 820}, "lifted to end on the last line"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PlaceBesideOwner(c.screen, c.owner, {1200, 820}, {520, 360}, {2, 20, 2, 2}), c.placed) << c.name;
}

class AnalysisScreensTest : public WindowTest {};

// Run on a 1024 x 768 screen and on a 1600 x 900 one at twice the scale (see CMakeLists.txt).
TEST_F(AnalysisScreensTest, TheWindowOpensWhollyOnTheScreenButtonsIncluded) {
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_TRUE(available.size() == QSize(1024, 768) || available.size() == QSize(800, 450))
      << available.width() << "x" << available.height() << ": run with a screen file of CMakeLists.txt";
  window->move(available.topLeft() + QPoint(10, 10));
  BuildMix();
  Item("mnuPvmtStru")->trigger();
  Press("cmdDesign");
  Item("mnuDamageChart")->trigger();
  auto* analysis = window->findChild<frmAnalysis*>("frmAnalysis");
  ASSERT_NE(analysis, nullptr);
  const QRect frame = analysis->frameGeometry();
  EXPECT_TRUE(available.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                         << frame.height();
  for (const char* name : {"cmdExport", "cmdClose"}) {
    auto* button = analysis->findChild<QPushButton*>(name);
    EXPECT_TRUE(button->isVisible() && available.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())))
        << name;
  }
}

}  // namespace
