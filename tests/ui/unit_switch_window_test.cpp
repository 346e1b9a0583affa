// The two unit items on the window: confirmation, check marks, inputs, labels and the mix grid, and back.
#include "window_fixture.h"

namespace {

using UnitSwitchWindowTest = WindowTest;

// The change-data dialog open at the switch would store a value typed in the other system: it closes.
TEST_F(UnitSwitchWindowTest, EachItemConfirmsConvertsWhatTheWindowShowsAndClosesTheChangeDialog) {
  // E, Sc, k, the thickness, their four units, then the grid's unit row and the B737-800's row.
  const struct {
    const char* item;
    const char* confirmation;
    const char* shown;
  } cases[] = {
      {"MetricOption", "Metric System Selected",
       "27560000|4478.5|54.2|40.6|kPa|kPa|kPa/mm|cm|"
       "|kN|||kPa||cm|cm|cm|"
       "B737-800|778|1200|46.64|1405.56|2|86.36|0.00|29.72"},
      {"EnglishOption", "English System Selected",
       "4000000|650|200|16.0|psi|psi|pci|in|"
       "|lb|||psi||in.|in.|in.|"
       "B737-800|174900|1200|46.64|204.00|2|34.00|0.00|11.70"},
  };
  BuildMix();
  Item("mnuPvmtStru")->trigger();
  Press("cmdDesign");
  Item("mnuAircraft")->trigger();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    const bool metric = &c == cases;
    DoubleClickCell(2, 2);
    QWidget* dialog = Find<QWidget>("frmChangedata");
    ASSERT_TRUE(dialog->isVisible());
    services.messages.asked.clear();
    Item(c.item)->trigger();
    ASSERT_EQ(services.messages.asked.size(), 1u);
    EXPECT_EQ(services.messages.Last().text, c.confirmation);
    EXPECT_EQ(services.messages.Last().style, 256);
    EXPECT_EQ(services.messages.Last().title, "RIPADES");
    QStringList shown = {BoxText("TxtE"), BoxText("TxtSc"), BoxText("Txtk"), LabelText("lbh")};
    for (const char* unit : {"LbunitE", "LbunitSc", "Lbunitk", "Lbunith"}) shown << LabelText(unit);
    for (int row : {1, 2})
      for (int column = 0; column < 9; ++column) shown << Cell(row, column);
    EXPECT_EQ(shown.join('|').toStdString(), c.shown);
    EXPECT_EQ(Cell(3, 0), "B777-300ER");
    EXPECT_EQ((QList<bool>{Item("MetricOption")->isChecked(), Item("MetricOption")->isEnabled(),
                           Item("EnglishOption")->isChecked(), Item("EnglishOption")->isEnabled()}),
              (QList<bool>{metric, !metric, !metric, metric}));
    EXPECT_FALSE(dialog->isVisible());
  }
}

}  // namespace
