// Start-up, the menu bar, the three views, the layout rules and closing of the main window.
#include <QMenuBar>
#include <QPlainTextEdit>

#include "state/program_title.h"
#include "ui/twips.h"
#include "window_fixture.h"

namespace {

const char* const kDesignControls[] = {"cmdDesign",  "cmdReport", "LbE",     "Lbk",     "LbSlab",   "LbSoil",
                                       "LbSubgrade", "TxtE",      "lbh",     "Txtk",    "LbPcc",    "LbThickness",
                                       "lbSc",       "LbunitE",   "Lbunith", "Lbunitk", "LbunitSc", "TxtSc"};
const char* const kAircraftControls[] = {"ListAircraft", "cmdAdd", "cmdDel", "cmddelall", "Grid1"};

using StartupTest = WindowTest;

TEST_F(StartupTest, OpensOnTheTitleViewWithBothViewItemsEnabled) {
  EXPECT_EQ(window->windowTitle(), "RIPADES");
  EXPECT_TRUE(Find<QWidget>("Picture1")->isVisible());
  EXPECT_TRUE(Find<QLabel>("LbTitle1")->isVisible());
  EXPECT_EQ(LabelText("LbTitle1"), "RIPADES");
  EXPECT_TRUE(Find<QLabel>("LbTitle2")->isVisible());
  EXPECT_EQ(LabelText("LbTitle2"), kProgramTitle);
  for (const char* name : kDesignControls) EXPECT_FALSE(Find<QWidget>(name)->isVisible()) << name;
  for (const char* name : kAircraftControls) EXPECT_FALSE(Find<QWidget>(name)->isVisible()) << name;
  EXPECT_FALSE(Find<QWidget>("txtReports")->isVisible());
  EXPECT_TRUE(Item("mnuAircraft")->isEnabled());
  EXPECT_TRUE(Item("mnuPvmtStru")->isEnabled());
  EXPECT_TRUE(services.messages.asked.empty());
}

TEST_F(StartupTest, TheInputsStartEnglishWithTheInitialValues) {
  EXPECT_EQ(BoxText("TxtE"), "4000000");
  EXPECT_EQ(BoxText("TxtSc"), "650");
  EXPECT_EQ(BoxText("Txtk"), "200");
  EXPECT_EQ(LabelText("lbh"), "");
  EXPECT_EQ(LabelText("LbunitE"), "psi");
  EXPECT_EQ(LabelText("LbunitSc"), "psi");
  EXPECT_EQ(LabelText("Lbunitk"), "pci");
  EXPECT_EQ(LabelText("Lbunith"), "in");
}

TEST_F(StartupTest, TheMenuBarShowsItsItemsAndHoldsTheHiddenOnes) {
  QStringList shown;
  for (QAction* action : window->menuBar()->actions())
    if (action->isVisible()) shown << action->text();
  // The analysis menu is the one addition to the designed menu bar.
  EXPECT_EQ(shown, (QStringList{"&File", "&Aircraft Data", "&Design Structure", "A&nalysis", "&Help"}));

  struct ItemState {
    const char* name;
    const char* caption;
    bool visible, enabled, checked;
  };
  for (const ItemState& s :
       {ItemState{"MetricOption", "&Metric System", true, true, false},
        ItemState{"EnglishOption", "&English System", true, false, true},
        ItemState{"FileLoad", "&Read Data From File...", true, true, false},
        ItemState{"FileSave", "&Save Input Data...", true, true, false},
        ItemState{"mnuSaveReport", "S&ave Report...", false, true, false},
        ItemState{"mnuPrintReport", "&Print Report...", true, true, false},
        ItemState{"FileExit", "E&xit", true, true, false}, ItemState{"mnuReport", "&Report", false, true, false},
        ItemState{"mnuAbout", "&About", true, true, false}}) {
    QAction* item = Item(s.name);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), s.caption);
    EXPECT_EQ(item->isVisible(), s.visible) << s.name;
    if (s.visible) {
      EXPECT_EQ(item->isEnabled(), s.enabled) << s.name;
    }
    EXPECT_EQ(item->isChecked(), s.checked) << s.name;
  }
  EXPECT_FALSE(Find<QMenu>("mnuLink")->menuAction()->isVisible());
  EXPECT_EQ(Find<QMenu>("mnuDefaultOptions")->title(), "&Default Options");
}

TEST_F(StartupTest, TheViewItemsSwitchTheViewsAndTheDesignViewClearsTheThickness) {
  ChooseAircraft("B737-800");
  Item("mnuPvmtStru")->trigger();
  Press("cmdDesign");
  EXPECT_FALSE(LabelText("lbh").isEmpty());

  Item("mnuAircraft")->trigger();
  EXPECT_FALSE(Find<QWidget>("Picture1")->isVisible());
  for (const char* name : kAircraftControls) EXPECT_TRUE(Find<QWidget>(name)->isVisible()) << name;
  for (const char* name : {"cmdDesign", "cmdReport", "LbunitE", "Lbunith", "Lbunitk", "LbunitSc"})
    EXPECT_TRUE(Find<QWidget>(name)->isHidden()) << name;
  EXPECT_FALSE(Item("mnuAircraft")->isEnabled());
  EXPECT_TRUE(Item("mnuPvmtStru")->isEnabled());
  EXPECT_FALSE(LabelText("lbh").isEmpty());

  Item("mnuPvmtStru")->trigger();
  for (const char* name : kDesignControls) EXPECT_TRUE(Find<QWidget>(name)->isVisible()) << name;
  for (const char* name : kAircraftControls) EXPECT_FALSE(Find<QWidget>(name)->isVisible()) << name;
  EXPECT_FALSE(Find<QWidget>("LbTitle1")->isVisible());
  EXPECT_TRUE(Item("mnuAircraft")->isEnabled());
  EXPECT_FALSE(Item("mnuPvmtStru")->isEnabled());
  EXPECT_EQ(LabelText("lbh"), "");
}

TEST_F(StartupTest, FirstActivationFillsTheListAndTheGridHeaderOnce) {
  ASSERT_EQ(List()->count(), 51);
  EXPECT_EQ(List()->item(12)->text(), "B737-800");
  window->Form_Activate();
  EXPECT_EQ(List()->count(), 51);

  EXPECT_EQ(Grid()->columnCount(), 9);
  EXPECT_EQ(Grid()->rowCount(), 2);
  const QStringList headings{"Aircraft Name",     "Gross Weight",   "Annual Departures",
                             "Gear Load Percent", "Tire Pressure",  "Wheels per Gear",
                             "Dual Spacing",      "Tandem Spacing", "Contact Width"};
  const QStringList units{"", "lb", "", "", "psi", "", "in.", "in.", "in."};
  for (int c = 0; c < 9; ++c) {
    EXPECT_EQ(Cell(0, c), headings[c]);
    EXPECT_EQ(Cell(1, c), units[c]);
    EXPECT_EQ(Grid()->columnWidth(c), TwipsToPixels(c == 0 ? 1300 : 1200, Grid()));
  }
  EXPECT_EQ(Grid()->rowHeight(0), TwipsToPixels(500, Grid()));
}

TEST_F(StartupTest, AResizeMovesTheGridAndTheButtonsByTheLayoutRules) {
  Item("mnuAircraft")->trigger();
  QListWidget* list = List();
  const int listWidth = list->width();
  window->resize(900, 700);
  QApplication::processEvents();
  const double w = PixelsToTwips(window->frameGeometry().width(), window.get());
  const double h = PixelsToTwips(window->frameGeometry().height(), window.get());
  const auto near = [&](int actual, double twips) { EXPECT_NEAR(actual, TwipsToPixels(twips, window.get()), 1); };
  near(Grid()->width(), 0.6 * w);
  near(Grid()->height(), 0.7 * h);
  near(list->height(), 0.7 * h);
  EXPECT_EQ(list->width(), listWidth);
  const double belowGrid = PixelsToTwips(Grid()->geometry().bottom() + 1, window.get()) + 100;
  near(Find<QWidget>("cmdDel")->y(), belowGrid);
  near(Find<QWidget>("cmddelall")->y(), belowGrid);
  near(Find<QWidget>("cmdAdd")->y(), PixelsToTwips(list->geometry().bottom() + 1, window.get()) + 100);
  near(Find<QWidget>("Picture1")->width(), 0.999 * w);
  EXPECT_EQ(Find<QWidget>("txtReports")->geometry(), window->centralWidget()->rect());
}

TEST_F(StartupTest, ALibraryThatCannotBeReadFullyIsReportedAndItsRowsKept) {
  QFile library(programDir.filePath("fly.dll"));
  ASSERT_TRUE(library.open(QIODevice::ReadOnly));
  const QByteArray lines = library.readAll();
  library.close();
  // The heading, two aircraft and half of a third.
  const QList<QByteArray> records = lines.split('\n');
  QByteArray truncated = records[0] + '\n' + records[1] + '\n' + records[2] + '\n' + records[3].left(20);
  ASSERT_TRUE(library.open(QIODevice::WriteOnly | QIODevice::Truncate));
  library.write(truncated);
  library.close();

  services.messages.asked.clear();
  Open();
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().title, "RIPADES");
  EXPECT_EQ(services.messages.Last().style, 0);
  EXPECT_NE(services.messages.Last().text.find("ends inside"), std::string::npos);
  EXPECT_EQ(List()->count(), 2);
  EXPECT_FALSE(services.busy.busy);

  ASSERT_TRUE(QFile::remove(programDir.filePath("fly.dll")));
  Open();
  EXPECT_NE(services.messages.Last().text.find("cannot be opened"), std::string::npos);
  EXPECT_EQ(List()->count(), 0);
}

TEST_F(StartupTest, AccessKeysAndTabOrderServeTheKeyboard) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  Item("mnuAircraft")->trigger();
  List()->setCurrentRow(0);
  List()->setFocus();
  // "&Add" shares its key with the disabled "&Aircraft Data"; the shown button wins.
  QTest::keyClick(List(), Qt::Key_A, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return MixNames().size() == 1; }));
  EXPECT_EQ(MixNames(), QStringList{List()->item(0)->text()});
  // "Remove A&LL" shares its key with the hidden "&Link".
  QTest::keyClick(List(), Qt::Key_L, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return MixNames().isEmpty(); }));

  Item("mnuPvmtStru")->trigger();
  Find<QLineEdit>("TxtE")->setFocus();
  for (const char* next : {"TxtSc", "Txtk", "cmdDesign", "cmdReport"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
  }
}

}  // namespace
