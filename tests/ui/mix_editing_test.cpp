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

  // Double-clicks a value and answers the dialog with `text` and Enter.
  void ChangeValue(int row, int column, const QString& text) {
    DoubleClickCell(row, column);
    ASSERT_TRUE(DialogShown());
    auto* text1 = Find<QLineEdit>("Text1");
    text1->setText(text);
    QTest::keyClick(text1, Qt::Key_Return);
  }
};

TEST_F(MixEditingTest, AnAircraftIsAddedOnceByButtonOrDoubleClick) {
  ChooseAircraft("B737-800");
  ChooseAircraft("B737-800");
  QListWidgetItem* a320 = List()->findItems("A320neo", Qt::MatchExactly).front();
  List()->setCurrentItem(a320);
  emit List()->itemActivated(a320);
  EXPECT_EQ(MixNames(), (QStringList{"B737-800", "A320neo"}));
  EXPECT_EQ(Grid()->rowCount(), 4);
  EXPECT_EQ(Cell(2, 1), "174900");
  EXPECT_EQ(Cell(2, 4), "204.00");
  EXPECT_EQ(Cell(2, 6), "34.00");

  List()->clearSelection();
  Press("cmdAdd");
  EXPECT_EQ(Grid()->rowCount(), 4);
  EXPECT_TRUE(services.messages.asked.empty());
}

TEST_F(MixEditingTest, RemovingTheMiddleOfThreeKeepsTheOthersInOrder) {
  for (const char* name : {"B737-800", "A320neo", "B777-300ER"}) ChooseAircraft(name);
  ClickCell(3, 2);
  Press("cmdDel");
  EXPECT_EQ(MixNames(), (QStringList{"B737-800", "B777-300ER"}));
  EXPECT_EQ(Grid()->rowCount(), 4);
  // The removal forgets the clicked row: a second press asks for one.
  services.messages.Answer({A::kContinue});
  Press("cmdDel");
  EXPECT_EQ(MixNames().size(), 2);
  EXPECT_EQ(services.messages.Last().text, "Please Select the aircarft that you want to delete!");
}

TEST_F(MixEditingTest, RemovingTheOnlyAircraftLeavesTheHeadingRows) {
  ChooseAircraft("B737-800");
  ClickCell(2, 0);
  Press("cmdDel");
  EXPECT_EQ(Grid()->rowCount(), 2);
  ChooseAircraft("B737-800");
  EXPECT_EQ(Cell(2, 0), "B737-800");
}

TEST_F(MixEditingTest, RemoveWithoutAClickedAircraftRowShowsTheMessage) {
  ChooseAircraft("B737-800");
  ClickCell(1, 3);  // the unit row
  Press("cmdDel");
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().text, "Please Select the aircarft that you want to delete!");
  EXPECT_EQ(services.messages.Last().style, 6);
  EXPECT_EQ(services.messages.Last().title, "RIPADES");
  EXPECT_EQ(MixNames(), QStringList{"B737-800"});
}

TEST_F(MixEditingTest, RemoveAllEmptiesTheGridAndAFollowingRemoveDoesNothing) {
  ChooseAircraft("B737-800");
  ChooseAircraft("A320neo");
  ClickCell(2, 0);
  Press("cmddelall");
  EXPECT_EQ(Grid()->rowCount(), 2);
  EXPECT_EQ(Cell(0, 0), "Aircraft Name");
  Press("cmdDel");
  EXPECT_TRUE(services.messages.asked.empty());
}

TEST_F(MixEditingTest, DoubleClicksOnNamesAndHeadingsOpenNoDialog) {
  ChooseAircraft("B737-800");
  for (auto [row, column] : {std::pair{2, 0}, {0, 3}, {1, 3}}) {
    DoubleClickCell(row, column);
    EXPECT_FALSE(DialogShown()) << row << "," << column;
  }
}

TEST_F(MixEditingTest, TheDialogShowsPromptValueAndUnitAndStoresAnAcceptedValue) {
  ChooseAircraft("B737-800");
  DoubleClickCell(2, 4);
  ASSERT_TRUE(DialogShown());
  EXPECT_EQ(Dialog()->windowTitle(), "Change Data");
  EXPECT_EQ(LabelText("Label1"), "Please input the new Tire Pressure data of B737-800");
  EXPECT_EQ(BoxText("Text1"), "204");
  EXPECT_EQ(LabelText("LbUnit"), "psi");
  EXPECT_FALSE(services.busy.busy);
  EXPECT_GE(services.busy.timesBusy, 2);  // reading the library, then showing the dialog

  auto* text1 = Find<QLineEdit>("Text1");
  text1->setText("1e3");
  QTest::keyClick(text1, Qt::Key_Return);
  EXPECT_FALSE(DialogShown());
  EXPECT_EQ(Cell(2, 4), "1000.00");

  ChangeValue(2, 5, "2.5");
  EXPECT_EQ(Cell(2, 5), "2.5");
  EXPECT_TRUE(services.messages.asked.empty());
}

TEST_F(MixEditingTest, ARejectedValueBringsBackTheOldTextAndKeepsTheDialogOpen) {
  ChooseAircraft("B737-800");
  for (const char* bad : {"-3", "abc"}) {
    ChangeValue(2, 2, bad);
    EXPECT_TRUE(DialogShown());
    EXPECT_EQ(BoxText("Text1"), "1200");
    EXPECT_EQ(services.messages.Last().text, "This is an invalid number; please try again!");
    EXPECT_EQ(Cell(2, 2), "1200");
  }
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
  Find<QLineEdit>("Text1")->setText("5");
  Find<QPushButton>("cmdOk")->click();
  EXPECT_EQ(Cell(3, 2), before);

  DoubleClickCell(2, 2);
  ASSERT_TRUE(DialogShown());
  Press("cmddelall");
  EXPECT_FALSE(DialogShown());
}

TEST(MixEditingFullLibrary, SixtyFiveAircraftFillTheGridAndARemovedOneComesBack) {
  QTemporaryDir programDir;
  QFile library(programDir.filePath("fly.dll"));
  ASSERT_TRUE(library.open(QIODevice::WriteOnly));
  library.write("Name,Weight,Departures,Pct,Pressure,Wheels,Dual,Tandem,Width\r\n");
  for (int i = 1; i <= 65; ++i)
    library.write(QString("Plane %1,%2,1200,47.5,14.5,2,34,0,11.7\r\n").arg(i).arg(10000 + i).toUtf8());
  library.close();
  ScriptedServices services;
  frmAircraft window(services.Services(), programDir.path().toStdString());
  window.show();
  window.Form_Activate();
  window.mnuAircraft_Click();
  auto* list = window.findChild<QListWidget*>("ListAircraft");
  auto* grid = window.findChild<QTableWidget*>("Grid1");
  ASSERT_EQ(list->count(), 65);
  for (int k = 0; k < 65; ++k) {
    list->setCurrentRow(k);
    window.cmdAdd_Click();
  }
  ASSERT_EQ(grid->rowCount(), 67);
  EXPECT_EQ(grid->item(66, 0)->text(), "Plane 65");
  EXPECT_EQ(grid->item(66, 4)->text(), "14.50");
  grid->setCurrentCell(40, 0);
  window.Grid1_Click();
  window.cmdDel_Click();
  EXPECT_EQ(grid->rowCount(), 66);
  EXPECT_EQ(grid->item(40, 0)->text(), "Plane 40");
  list->setCurrentRow(38);  // "Plane 39", the one removed
  window.ListAircraft_DblClick();
  EXPECT_EQ(grid->rowCount(), 67);
  EXPECT_EQ(grid->item(66, 0)->text(), "Plane 39");
  EXPECT_TRUE(services.messages.asked.empty());
}

}  // namespace
