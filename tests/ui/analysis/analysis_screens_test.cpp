// The analysis window placed beside its owner, on small and scaled screens.
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "../window_fixture.h"
#include "ui/analysis/frm_analysis.h"
#include "ui/analysis/window_placement.h"

namespace {

TEST(WindowPlacement, BesideTheOwnerWhenThereIsRoomAndAlwaysOnTheScreen) {
  const QRect screen(0, 0, 1024, 768);
  const QSize wanted(1200, 820), minimum(520, 360);
  const QMargins frame(2, 20, 2, 2);  // a title bar of 20
  const struct {
    const char* name;
    QRect owner;
    QRect placed;
  } cases[] = {
      // 1024 - 200 - 4 = 820 wide right of a window ending at x 199 (two thirds of 1200 is 800);
      // 768 - 22 = 746 high from the top.
      {"room on the right", {0, 0, 200, 400}, {202, 20, 820, 746}},
      // Left of a window at x 824: 824 - 4 = 820 wide, from x 2.
      {"room on the left only", {824, 100, 200, 400}, {2, 20, 820, 746}},
      // 258 px on each side is too narrow: the whole screen width, over the owner.
      {"no room beside", {262, 50, 500, 400}, {2, 20, 1020, 746}},
      // 700 px would hold the minimum but squeeze the charts: over the owner too.
      {"too little room beside", {0, 0, 320, 400}, {2, 20, 1020, 746}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PlaceBesideOwner(screen, c.owner, wanted, minimum, frame), c.placed);
  }
  // A large screen gives the size wanted, beside the owner and level with it.
  EXPECT_EQ(PlaceBesideOwner({0, 0, 2560, 1400}, {100, 100, 500, 400}, wanted, minimum, frame),
            QRect(602, 120, 1200, 820));
  // An owner low on the screen: the window is lifted to end on the screen's last line.
  EXPECT_EQ(PlaceBesideOwner({0, 0, 2560, 1000}, {100, 500, 500, 400}, wanted, minimum, frame).bottom(), 997);
}

class AnalysisScreensTest : public WindowTest {};

// Run on a 1024 x 768 screen and on a 1600 x 900 one at twice the scale (see CMakeLists.txt).
TEST_F(AnalysisScreensTest, TheWindowOpensWhollyOnTheScreenButtonsIncluded) {
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_TRUE(available.size() == QSize(1024, 768) || available.size() == QSize(800, 450))
      << available.width() << "x" << available.height() << ": run with a screen file of CMakeLists.txt";
  window->move(available.topLeft() + QPoint(10, 10));
  Item("mnuAircraft")->trigger();
  ChooseAircraft("B737-800");
  Item("mnuPvmtStru")->trigger();
  Press("cmdDesign");
  Item("mnuDamageChart")->trigger();
  auto* analysis = window->findChild<frmAnalysis*>("frmAnalysis");
  ASSERT_NE(analysis, nullptr);
  const QRect frame = analysis->frameGeometry();
  EXPECT_TRUE(available.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                         << frame.height();
  EXPECT_LE(analysis->minimumSizeHint().width(), available.width());
  EXPECT_LE(analysis->minimumSizeHint().height(), available.height());
  for (const char* name : {"cmdExport", "cmdClose"}) {
    auto* button = analysis->findChild<QPushButton*>(name);
    const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
    EXPECT_TRUE(button->isVisible() && available.contains(onScreen)) << name;
  }
}

}  // namespace
