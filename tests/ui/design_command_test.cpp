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

// Each box's text reaches the checks: every text that is not a number is named, in the boxes' order.
TEST_F(DesignCommandTest, TextsThatAreNotNumbersAreNamedAndKeptAndNothingIsDesigned) {
  for (auto [box, text] : {std::pair{"TxtE", "abc"}, {"TxtSc", ""}, {"Txtk", "-5"}}) Type(box, text);
  Press("cmdDesign");
  EXPECT_EQ(AskedTexts(), (std::vector<std::string>{"E is an invalid number; please try again!",
                                                    "Sc is an invalid number; please try again!",
                                                    "k is an invalid number; please try again!"}));
  EXPECT_EQ(services.messages.Last().style, 6);
  EXPECT_EQ(QStringList({BoxText("TxtE"), BoxText("TxtSc"), BoxText("Txtk")}), QStringList({"abc", "", "-5"}));
  EXPECT_EQ(LabelText("lbh"), "");
}

// The ranges are those of the checked unit item; the limit accepted is shown in the box and the (empty)
// mix designed with it.
TEST_F(DesignCommandTest, YesPutsTheSuggestedLimitOfTheCheckedSystemIntoTheBoxAndDesigns) {
  const struct {
    const char* item;
    const char* typed;
    const char* range;
    const char* limit;
  } cases[] = {{"EnglishOption", "0", "( 500000,  8000000). Accept the suggested minimum", "500000"},
               {"MetricOption", "60000000", "( 3445000,  5.512E+07). Accept the suggested maximum", "5.512E+07"}};
  for (const auto& c : cases) {
    Item(c.item)->trigger();
    services.messages.asked.clear();
    Type("TxtE", c.typed);
    services.messages.Answer({A::kYes});
    Press("cmdDesign");
    EXPECT_EQ(AskedTexts(),
              std::vector<std::string>{"E is not within the typical data range" + std::string(c.range) + " value?"});
    EXPECT_EQ(services.messages.Last().title, "Input Data Check");
    EXPECT_EQ(BoxText("TxtE"), c.limit);
    EXPECT_EQ(LabelText("lbh"), "0.0");
  }
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
