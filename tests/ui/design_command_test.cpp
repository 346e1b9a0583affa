// "Design Thickness" on the window, one case for each outcome: a text refused, a range question
// answered Yes or No, a design shown, a design the engine refuses; and input texts kept byte for byte.
#include "golden/test_files.h"
#include "project/input_file_writer.h"
#include "support/test_state.h"
#include "window_fixture.h"

namespace {

using A = MsgBoxAnswer;

class DesignCommandTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Item("mnuPvmtStru")->trigger();
  }
  std::vector<std::string> AskedTexts() {
    std::vector<std::string> texts;
    for (const AskedBox& box : services.messages.asked) texts.push_back(box.text);
    return texts;
  }
};

TEST_F(DesignCommandTest, ATextThatIsNotANumberIsNamedAndKeptAndNothingIsDesigned) {
  const struct {
    const char* box;
    const char* text;
    const char* message;
  } cases[] = {{"TxtE", "abc", "E is an invalid number; please try again!"},
               {"TxtSc", "", "Sc is an invalid number; please try again!"},
               {"Txtk", "-5", "k is an invalid number; please try again!"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.box);
    Open();
    Item("mnuPvmtStru")->trigger();
    services.messages.asked.clear();
    Type(c.box, c.text);
    Press("cmdDesign");
    EXPECT_EQ(AskedTexts(), std::vector<std::string>{c.message});
    EXPECT_EQ(services.messages.Last().style, 6);
    EXPECT_EQ(BoxText(c.box), c.text);
    EXPECT_EQ(LabelText("lbh"), "");
  }
}

TEST_F(DesignCommandTest, YesPutsTheSuggestedLimitIntoTheBoxAndDesignsWithIt) {
  Type("TxtE", "0");
  services.messages.Answer({A::kYes});
  Press("cmdDesign");
  EXPECT_EQ(AskedTexts(), std::vector<std::string>{"E is not within the typical data range( 500000,  8000000). "
                                                   "Accept the suggested minimum value?"});
  EXPECT_EQ(services.messages.Last().style, 4);
  EXPECT_EQ(services.messages.Last().title, "Input Data Check");
  EXPECT_EQ(BoxText("TxtE"), "500000");
  EXPECT_EQ(LabelText("lbh"), "0.0");  // the empty mix was designed
}

TEST_F(DesignCommandTest, TheMetricRangesApplyWhenTheMetricItemIsChecked) {
  Item("MetricOption")->trigger();
  services.messages.asked.clear();
  Type("TxtE", "60000000");
  services.messages.Answer({A::kYes});
  Press("cmdDesign");
  EXPECT_EQ(AskedTexts(), std::vector<std::string>{"E is not within the typical data range( 3445000,  5.512E+07). "
                                                   "Accept the suggested maximum value?"});
  EXPECT_EQ(BoxText("TxtE"), "5.512E+07");
  EXPECT_EQ(LabelText("lbh"), "0.0");
}

TEST_F(DesignCommandTest, NoKeepsTheTypedValueAndTheMixIsDesignedWithIt) {
  BuildMix();
  Item("mnuPvmtStru")->trigger();
  Type("TxtE", "9000000");
  services.messages.Answer({A::kNo});
  Press("cmdDesign");
  EXPECT_EQ(AskedTexts(), (std::vector<std::string>{"E is not within the typical data range( 500000,  8000000). "
                                                    "Accept the suggested maximum value?",
                                                    "Keep the E input value anyway!"}));
  EXPECT_EQ(BoxText("TxtE"), "9000000");
  EXPECT_EQ(LabelText("lbh"), "19.2");  // 16.0 with E = 4000000
}

TEST_F(DesignCommandTest, ADesignTheEngineRefusesIsReportedAndShowsNoThickness) {
  BuildMix();
  // A gross weight of 0 passes the value check of the change dialog, but no design can use it.
  ChangeValue(2, 1, "0");
  ASSERT_EQ(Cell(2, 1), "0");
  window->cmdDesign_Click();
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().title, "RIPADES");
  EXPECT_NE(services.messages.Last().text.find("gross weight of \"B737-800\""), std::string::npos);
  EXPECT_EQ(LabelText("lbh"), "");
}

// A box shows a text that is not UTF-8 with replacement characters; saving must still write the file's bytes.
TEST_F(DesignCommandTest, ATextReadFromAFileIsSavedBackByteForByte) {
  ProgramState written = StateWithLibrary();
  SetMix(written, {2});
  written.TxtE = written.TxtSc = written.Txtk = "4000000 \xB5";  // a Latin-1 byte from an older program
  const std::string path = programDir.filePath("old.inp").toStdString();
  const std::string saved = programDir.filePath("saved.inp").toStdString();
  ASSERT_TRUE(WriteInputFile(written, path).ok);
  services.files.answers = {path, saved};
  Item("FileLoad")->trigger();
  Item("FileSave")->trigger();
  EXPECT_EQ(FileText(saved), FileText(path));
}

}  // namespace
