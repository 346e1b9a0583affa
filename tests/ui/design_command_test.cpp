// "Design Thickness" on the window: the input checks, the design shown, and a design that is refused.
#include "engine/design_thickness.h"
#include "support/test_state.h"
#include "units/unit_switch.h"
#include "window_fixture.h"

namespace {

using A = MsgBoxAnswer;

class DesignCommandTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Item("mnuPvmtStru")->trigger();
  }

  void BuildMix() {
    WindowTest::BuildMix();
    Item("mnuPvmtStru")->trigger();
  }

  // What the metric item will do: the state converted and the check marks moved.
  void SwitchToMetric() {
    ConvertToMetric(window->State());
    window->ShowInputs();
    Item("EnglishOption")->setChecked(false);
    Item("MetricOption")->setChecked(true);
  }

  // The caption the engine designs for the window's mix with these inputs.
  std::string EngineCaption(bool metric, const std::string& e) {
    ProgramState state = StateWithLibrary();
    state.TxtE = e;
    SetMix(state, {RowNamed(state, "B737-800"), RowNamed(state, "B777-300ER")});
    if (metric) ConvertToMetric(state);
    EXPECT_TRUE(DesignThickness(state).ok);
    return state.lbh;
  }

  std::vector<std::string> AskedTexts() {
    std::vector<std::string> texts;
    for (const AskedBox& box : services.messages.asked) texts.push_back(box.text);
    return texts;
  }
};

TEST_F(DesignCommandTest, ARealMixShowsTheEngineCaptionInEnglishAndMetric) {
  BuildMix();
  Press("cmdDesign");
  EXPECT_TRUE(services.messages.asked.empty());
  EXPECT_EQ(LabelText("lbh"), "16.0");

  SwitchToMetric();
  EXPECT_EQ(BoxText("TxtE"), "27560000");
  Press("cmdDesign");
  EXPECT_TRUE(services.messages.asked.empty());
  EXPECT_EQ(LabelText("lbh").toStdString(), EngineCaption(true, "4000000"));
  EXPECT_EQ(LabelText("Lbunith"), "cm");
}

TEST_F(DesignCommandTest, ZeroForEOffersTheMinimumAndYesPutsItIntoTheBox) {
  Type("TxtE", "0");
  services.messages.Answer({A::kYes});
  Press("cmdDesign");
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().text,
            "E is not within the typical data range( 500000,  8000000). Accept the suggested minimum value?");
  EXPECT_EQ(services.messages.Last().style, 4);
  EXPECT_EQ(services.messages.Last().title, "Input Data Check");
  EXPECT_EQ(BoxText("TxtE"), "500000");
  EXPECT_EQ(LabelText("lbh"), "0.0");  // the empty mix was designed
}

TEST_F(DesignCommandTest, TextsThatAreNotNonNegativeNumbersStopTheDesign) {
  for (const char* bad : {"-5", "abc", ""}) {
    services.messages.asked.clear();
    Type("TxtE", bad);
    Press("cmdDesign");
    EXPECT_EQ(AskedTexts(), std::vector<std::string>{"E is an invalid number; please try again!"}) << bad;
    EXPECT_EQ(services.messages.Last().style, 6);
    EXPECT_EQ(BoxText("TxtE"), bad);
    EXPECT_EQ(LabelText("lbh"), "") << bad;
  }
}

TEST_F(DesignCommandTest, AScLimitIsAcceptedSilently) {
  Type("TxtSc", "1000");
  Press("cmdDesign");
  EXPECT_TRUE(services.messages.asked.empty());
  EXPECT_EQ(LabelText("lbh"), "0.0");
}

TEST_F(DesignCommandTest, MetricRangesFollowTheMetricCheckMark) {
  SwitchToMetric();
  Type("TxtE", "60000000");
  Type("Txtk", "13.55");
  services.messages.Answer({A::kYes});
  Press("cmdDesign");
  EXPECT_EQ(AskedTexts(), std::vector<std::string>{"E is not within the typical data range( 3445000,  5.512E+07). "
                                                   "Accept the suggested maximum value?"});
  EXPECT_EQ(BoxText("TxtE"), "5.512E+07");
  EXPECT_EQ(BoxText("Txtk"), "13.55");
  EXPECT_EQ(LabelText("lbh"), "0.0");
}

TEST_F(DesignCommandTest, NoKeepsTheTypedValueAndTheDesignUsesIt) {
  BuildMix();
  Type("TxtE", "9000000");
  services.messages.Answer({A::kNo});
  Press("cmdDesign");
  EXPECT_EQ(AskedTexts(), (std::vector<std::string>{"E is not within the typical data range( 500000,  8000000). "
                                                    "Accept the suggested maximum value?",
                                                    "Keep the E input value anyway!"}));
  EXPECT_EQ(services.messages.Last().style, 0);
  EXPECT_EQ(BoxText("TxtE"), "9000000");
  EXPECT_EQ(LabelText("lbh").toStdString(), EngineCaption(false, "9000000"));
}

TEST_F(DesignCommandTest, ADesignTheEngineRefusesIsReportedAndShowsNoThickness) {
  BuildMix();
  Press("cmdDesign");
  ASSERT_EQ(LabelText("lbh"), "16.0");
  // A gross weight of 0 passes the value check of the change dialog, but no design can use it.
  Item("mnuAircraft")->trigger();
  DoubleClickCell(2, 1);
  auto* text1 = Find<QLineEdit>("Text1");
  ASSERT_NE(text1, nullptr);
  text1->setText("0");
  Find<QPushButton>("cmdOk")->click();
  ASSERT_EQ(Cell(2, 1), "0");
  window->cmdDesign_Click();
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().title, "RIPADES");
  EXPECT_EQ(services.messages.Last().style, 0);
  EXPECT_NE(services.messages.Last().text.find("gross weight of \"B737-800\""), std::string::npos);
  EXPECT_EQ(LabelText("lbh"), "");  // the change took the old design away; the refused one shows nothing
}

}  // namespace
