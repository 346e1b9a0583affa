// The two unit items on the window: confirmation, check marks, inputs, labels and the mix grid, and back.
#include "window_fixture.h"

namespace {

struct UnitView {
  const char* item;
  const char* confirmation;
  bool metric;
  QStringList inputs;  // TxtE, TxtSc, Txtk, lbh
  QStringList labels;  // LbunitE, LbunitSc, Lbunitk, Lbunith
  QStringList unitRow;
  QStringList b737Row;
};

const UnitView kMetric{"MetricOption",
                       "Metric System Selected",
                       true,
                       {"27560000", "4478.5", "54.2", "40.6"},
                       {"kPa", "kPa", "kPa/mm", "cm"},
                       {"", "kN", "", "", "kPa", "", "cm", "cm", "cm"},
                       {"B737-800", "778", "1200", "46.64", "1405.56", "2", "86.36", "0.00", "29.72"}};
const UnitView kEnglish{"EnglishOption",
                        "English System Selected",
                        false,
                        {"4000000", "650", "200", "16.0"},
                        {"psi", "psi", "pci", "in"},
                        {"", "lb", "", "", "psi", "", "in.", "in.", "in."},
                        {"B737-800", "174900", "1200", "46.64", "204.00", "2", "34.00", "0.00", "11.70"}};

class UnitSwitchWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    BuildMix();
    Item("mnuPvmtStru")->trigger();
    Press("cmdDesign");
    ASSERT_EQ(LabelText("lbh"), "16.0");
  }

  void ExpectShown(const UnitView& view) {
    SCOPED_TRACE(view.item);
    EXPECT_EQ(QStringList({BoxText("TxtE"), BoxText("TxtSc"), BoxText("Txtk"), LabelText("lbh")}), view.inputs);
    EXPECT_EQ(QStringList({LabelText("LbunitE"), LabelText("LbunitSc"), LabelText("Lbunitk"), LabelText("Lbunith")}),
              view.labels);
    QStringList unitRow, b737Row;
    for (int c = 0; c < 9; ++c) {
      unitRow << Cell(1, c);
      b737Row << Cell(2, c);
    }
    EXPECT_EQ(unitRow, view.unitRow);
    EXPECT_EQ(b737Row, view.b737Row);
    EXPECT_EQ(Cell(3, 0), "B777-300ER");
    EXPECT_EQ(Item("MetricOption")->isChecked(), view.metric);
    EXPECT_EQ(Item("MetricOption")->isEnabled(), !view.metric);
    EXPECT_EQ(Item("EnglishOption")->isChecked(), !view.metric);
    EXPECT_EQ(Item("EnglishOption")->isEnabled(), view.metric);
  }
};

// The change-data dialog open at the switch would store a value typed in the other system: it closes.
TEST_F(UnitSwitchWindowTest, EachItemConfirmsConvertsWhatTheWindowShowsAndClosesTheChangeDialog) {
  Item("mnuAircraft")->trigger();
  for (const UnitView* view : {&kMetric, &kEnglish}) {
    DoubleClickCell(2, 2);
    QWidget* dialog = Find<QWidget>("frmChangedata");
    ASSERT_TRUE(dialog->isVisible());
    services.messages.asked.clear();
    Item(view->item)->trigger();
    ASSERT_EQ(services.messages.asked.size(), 1u);
    EXPECT_EQ(services.messages.Last().text, view->confirmation);
    EXPECT_EQ(services.messages.Last().style, 256);
    EXPECT_EQ(services.messages.Last().title, "RIPADES");
    ExpectShown(*view);
    EXPECT_FALSE(dialog->isVisible());
  }
}

}  // namespace
