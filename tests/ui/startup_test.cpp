// Start-up, the menu bar, the three views, the controls' design positions and the layout at a resize.
#include <QMenuBar>

#include "window_fixture.h"

namespace {

using StartupTest = WindowTest;

const std::vector<const char*> kTitle = {"LbTitle1", "LbTitle2"};
const std::vector<const char*> kDesign = {"cmdDesign",  "cmdReport", "LbE",     "Lbk",     "LbSlab",   "LbSoil",
                                          "LbSubgrade", "TxtE",      "lbh",     "Txtk",    "LbPcc",    "LbThickness",
                                          "lbSc",       "LbunitE",   "Lbunith", "Lbunitk", "LbunitSc", "TxtSc"};
const std::vector<const char*> kAircraft = {"ListAircraft", "cmdAdd", "cmdDel", "cmddelall", "Grid1"};

TEST_F(StartupTest, EachViewShowsItsControlsAndTheDesignViewClearsTheThickness) {
  const auto expectShown = [&](bool title, bool design, bool aircraft) {
    EXPECT_EQ(Find<QWidget>("Picture1")->isVisible(), title || design);
    for (const auto& [names, shown] : {std::pair{kTitle, title}, {kDesign, design}, {kAircraft, aircraft}})
      for (const char* name : names) EXPECT_EQ(Find<QWidget>(name)->isVisible(), shown) << name;
    EXPECT_FALSE(Find<QWidget>("txtReports")->isVisible());
    EXPECT_EQ(Item("mnuAircraft")->isEnabled(), !aircraft);
    EXPECT_EQ(Item("mnuPvmtStru")->isEnabled(), !design);
  };
  expectShown(true, false, false);
  ChooseAircraft("B737-800");
  Item("mnuPvmtStru")->trigger();
  Press("cmdDesign");
  Press("cmdReport");
  Item("mnuAircraft")->trigger();
  expectShown(false, false, true);
  for (const char* name : {"cmdDesign", "cmdReport", "LbunitE", "Lbunith", "Lbunitk", "LbunitSc"})
    EXPECT_TRUE(Find<QWidget>(name)->isHidden()) << name;
  EXPECT_EQ(LabelText("lbh"), "15.7");
  Press("cmdReport");
  Item("mnuPvmtStru")->trigger();
  expectShown(false, true, false);
  EXPECT_EQ(LabelText("lbh"), "");
}

TEST_F(StartupTest, TheMenuBarShowsTheDesignedItemsAndHidesTheUnusedOnes) {
  const auto shownTexts = [](const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* action : actions)
      if (action->isVisible() && !action->isSeparator()) texts << action->text();
    return texts;
  };
  // The analysis menu is the one addition to the designed menu bar.
  EXPECT_EQ(shownTexts(window->menuBar()->actions()),
            (QStringList{"&File", "&Aircraft Data", "&Design Structure", "A&nalysis", "&Help"}));
  EXPECT_EQ(
      shownTexts(Find<QMenu>("File")->actions()),
      (QStringList{"&Default Options", "&Read Data From File...", "&Save Input Data...", "&Print Report...", "E&xit"}));
  EXPECT_EQ(shownTexts(Find<QMenu>("mnuDefaultOptions")->actions()),
            (QStringList{"&Metric System", "&English System"}));
}

// At the screen's 96 dots an inch a pixel is 15 twips. The grid's size and the buttons' tops below it
// follow the window's size from the first resize on; an outer size of 904 × 704 pixels is 13560 × 10560
// twips.
TEST_F(StartupTest, ControlsStartAtTheirDesignPositionsAndAResizeLaysThemOut) {
  ASSERT_EQ(window->logicalDpiX(), 96);
  const auto geometry = [this](const char* name) { return Find<QWidget>(name)->geometry(); };
  EXPECT_EQ(geometry("TxtE"), QRect(184, 80, 57, 25));         // 2760, 1200, 855, 375
  EXPECT_EQ(geometry("cmdReport"), QRect(284, 248, 105, 25));  // 4260, 3720, 1575, 375
  Item("mnuAircraft")->trigger();
  EXPECT_EQ(geometry("Grid1").topLeft(), QPoint(140, 24));       // 2100, 360
  EXPECT_EQ(geometry("ListAircraft").topLeft(), QPoint(8, 24));  // 120, 360
  EXPECT_EQ(List()->width(), 121);                               // 1815
  EXPECT_EQ(geometry("cmddelall").left(), 252);                  // 3780
  EXPECT_EQ(geometry("cmddelall").width(), 89);                  // 1335
  // The grid's heading row: the name column 1300 twips wide, the others 1200, the row 500 high.
  EXPECT_EQ(QStringList({Cell(0, 0), Cell(0, 8)}), QStringList({"Aircraft Name", "Contact Width"}));
  EXPECT_EQ(QList<int>({Grid()->columnWidth(0), Grid()->columnWidth(8), Grid()->rowHeight(0)}),
            QList<int>({87, 80, 33}));

  window->resize(900, 700);
  QApplication::processEvents();
  ASSERT_EQ(window->frameGeometry().size(), QSize(904, 704));
  const std::pair<const char*, QRect> cases[] = {
      {"Grid1", {140, 24, 542, 493}},       // width 0.6 W, height 0.7 H
      {"ListAircraft", {8, 24, 121, 493}},  // height 0.7 H
      {"cmdAdd", {16, 524, 81, 25}},        // top: the list's bottom (7755) + 100
      {"cmdDel", {148, 524, 89, 25}},       // top: the grid's bottom (7755) + 100
      {"Picture1", {0, 0, 903, 703}},       // 0.999 W, 0.999 H
      {"LbTitle1", {90, 141, 722, 281}},    // 0.8 of the picture's width, centred; top 0.2 H
      {"LbTitle2", {90, 352, 722, 281}},    // top 0.5 H
  };
  for (const auto& [name, at] : cases) EXPECT_EQ(geometry(name), at) << name;
  EXPECT_EQ(geometry("txtReports"), window->centralWidget()->rect());
}

TEST_F(StartupTest, ALibraryCutShortIsReportedAndItsWholeRecordsListedOnce) {
  window->Form_Activate();
  EXPECT_EQ(List()->count(), 51);  // a second activation lists nothing again
  QFile library(programDir.filePath("fly.dll"));
  ASSERT_TRUE(library.open(QIODevice::ReadOnly));
  const QList<QByteArray> records = library.readAll().split('\n');
  library.close();
  ASSERT_TRUE(library.open(QIODevice::WriteOnly | QIODevice::Truncate));
  library.write(records[0] + '\n' + records[1] + '\n' + records[2] + '\n' + records[3].left(20));
  library.close();
  services.messages.asked.clear();
  Open();
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().title, "RIPADES");
  EXPECT_NE(services.messages.Last().text.find("ends inside"), std::string::npos);
  EXPECT_EQ(List()->count(), 2);
}

}  // namespace
