// Building the traffic mix on the aircraft view and changing a value through the change-data dialog.
#include "window_fixture.h"

namespace {

using A = MsgBoxAnswer;

class MixEditingTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Item("mnuAircraft")->trigger();
  }

  QWidget* Dialog() { return window->findChild<QWidget*>("frmChangedata"); }
  bool DialogShown() { return Dialog() && Dialog()->isVisible(); }
};

// The list and the grid select one item at a time, even with Ctrl; the button and a double-click add.
TEST_F(MixEditingTest, OneAircraftIsSelectedAndAddedByButtonOrDoubleClick) {
  List()->setCurrentRow(0);
  QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    List()->visualItemRect(List()->item(1)).center());
  EXPECT_EQ(List()->selectedItems().size(), 1);
  ChooseAircraft("B737-800");
  QListWidgetItem* a320 = List()->findItems("A320neo", Qt::MatchExactly).front();
  List()->setCurrentItem(a320);
  emit List()->itemActivated(a320);
  EXPECT_EQ(MixNames(), (QStringList{"B737-800", "A320neo"}));
  ClickCell(2, 1);
  QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(3, 1));
  EXPECT_EQ(Grid()->selectedItems().size(), 1);
  List()->clearSelection();
  Press("cmdAdd");
  EXPECT_EQ(Grid()->rowCount(), 4);
  EXPECT_TRUE(services.messages.asked.empty());
}

TEST_F(MixEditingTest, RemoveTakesTheClickedRowOnceAndRemoveAllEmptiesTheGrid) {
  for (const char* name : {"B737-800", "A320neo", "B777-300ER"}) ChooseAircraft(name);
  ClickCell(3, 2);
  Press("cmdDel");
  EXPECT_EQ(MixNames(), (QStringList{"B737-800", "B777-300ER"}));
  // The removal forgets the clicked row: a second press asks for one.
  services.messages.Answer({A::kContinue});
  Press("cmdDel");
  EXPECT_EQ(MixNames().size(), 2);
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().text, "Please Select the aircarft that you want to delete!");
  EXPECT_EQ(services.messages.Last().style, 6);
  EXPECT_EQ(services.messages.Last().title, "RIPADES");

  ClickCell(2, 0);
  Press("cmddelall");
  EXPECT_EQ(Grid()->rowCount(), 2);
  EXPECT_EQ(Cell(0, 0), "Aircraft Name");
  Press("cmdDel");  // Remove ALL forgot the clicked row too
  EXPECT_EQ(services.messages.asked.size(), 1u);
}

TEST_F(MixEditingTest, TheDialogShowsPromptValueAndUnitStoresAGoodValueAndKeepsABadOne) {
  ChooseAircraft("B737-800");
  DoubleClickCell(2, 0);  // a name is not a value
  EXPECT_FALSE(DialogShown());
  DoubleClickCell(2, 4);
  ASSERT_TRUE(DialogShown());
  EXPECT_EQ(Dialog()->windowTitle(), "Change Data");
  EXPECT_EQ(LabelText("Label1"), "Please input the new Tire Pressure data of B737-800");
  EXPECT_EQ(BoxText("Text1"), "204");
  EXPECT_EQ(LabelText("LbUnit"), "psi");
  // The dialog's design positions in twips, 15 to the pixel: the prompt at 480, 240 (4215 x 855), the
  // value's box at 720, 1320 and its unit at 2520, 1320 (1095 x 375).
  EXPECT_EQ(Find<QLabel>("Label1")->geometry(), QRect(32, 16, 281, 57));
  EXPECT_EQ(Find<QLineEdit>("Text1")->geometry().topLeft(), QPoint(48, 88));
  EXPECT_EQ(Find<QLabel>("LbUnit")->geometry(), QRect(168, 88, 73, 25));
  EXPECT_EQ(services.busy.timesBusy, 2);  // reading the library, then showing the dialog
  EXPECT_FALSE(services.busy.busy);

  Type("Text1", "abc");
  QTest::keyClick(Find<QLineEdit>("Text1"), Qt::Key_Return);
  EXPECT_TRUE(DialogShown());
  EXPECT_EQ(BoxText("Text1"), "204");
  EXPECT_EQ(services.messages.Last().text, "This is an invalid number; please try again!");

  Type("Text1", "1e3");
  QTest::keyClick(Find<QLineEdit>("Text1"), Qt::Key_Return);
  EXPECT_FALSE(DialogShown());
  EXPECT_EQ(Cell(2, 4), "1000.00");
}

TEST_F(MixEditingTest, ChangingTheMixClosesTheDialogAndDropsItsChange) {
  ChooseAircraft("B737-800");
  ChooseAircraft("A320neo");
  DoubleClickCell(3, 2);  // A320neo's departures, mix position 2
  ASSERT_TRUE(DialogShown());
  ClickCell(3, 0);
  Press("cmdDel");
  EXPECT_FALSE(DialogShown());
  ChooseAircraft("B777-300ER");  // now at mix position 2
  const QString before = Cell(3, 2);
  Type("Text1", "5");
  Press("cmdOk");
  EXPECT_EQ(Cell(3, 2), before);
  EXPECT_FALSE(DialogShown());

  DoubleClickCell(2, 2);
  ASSERT_TRUE(DialogShown());
  Press("cmddelall");
  EXPECT_FALSE(DialogShown());
}

// A library of 65 aircraft, the most there can be: the last row is listed, added, removed and converted.
TEST_F(MixEditingTest, TheSixtyFifthAircraftIsListedAddedAndConverted) {
  QFile library(programDir.filePath("fly.dll"));
  ASSERT_TRUE(library.open(QIODevice::WriteOnly | QIODevice::Truncate));
  library.write("Name,Weight,Departures,Pct,Pressure,Wheels,Dual,Tandem,Width\r\n");
  for (int i = 1; i <= 65; ++i) library.write(QString("Plane %1,10000,1200,47.5,14.5,2,34,0,11.7\r\n").arg(i).toUtf8());
  library.close();
  Open();
  ASSERT_EQ(List()->count(), 65);
  for (int k = 0; k < 65; ++k) {
    List()->setCurrentRow(k);
    window->cmdAdd_Click();
  }
  ASSERT_EQ(Grid()->rowCount(), 67);
  EXPECT_EQ(Cell(66, 0), "Plane 65");
  Grid()->setCurrentCell(40, 0);
  window->Grid1_Click();
  window->cmdDel_Click();
  EXPECT_EQ(Cell(40, 0), "Plane 40");
  List()->setCurrentRow(38);  // "Plane 39", the one removed
  window->ListAircraft_DblClick();
  EXPECT_EQ(Cell(66, 0), "Plane 39");
  EXPECT_EQ(Cell(65, 0), "Plane 65");
  Item("MetricOption")->trigger();
  EXPECT_EQ(Cell(65, 8), "29.72");  // 11.7 in
  EXPECT_EQ(Cell(2, 8), "29.72");
}

}  // namespace
