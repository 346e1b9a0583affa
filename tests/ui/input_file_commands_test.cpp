// Saving and reading input data files from the window, and the closing prompt.
#include <QDir>

#include "window_fixture.h"

namespace {

using A = MsgBoxAnswer;

class InputFileCommandsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    BuildMix();
  }

  std::string FilePath(const char* name) { return QDir(programDir.path()).filePath(name).toStdString(); }
  void Read(const std::string& path) {
    services.files.answers.push_back(path);
    Item("FileLoad")->trigger();
  }

  // Every text of the inputs, their units, the thickness, the grid and the unit items.
  QStringList Shown() {
    QStringList texts{BoxText("TxtE"), BoxText("TxtSc"), BoxText("Txtk"), LabelText("lbh")};
    for (const char* unit : {"LbunitE", "LbunitSc", "Lbunitk", "Lbunith"}) texts << LabelText(unit);
    for (int row = 0; row < Grid()->rowCount(); ++row)
      for (int c = 0; c < 9; ++c) texts << Cell(row, c);
    texts << QString::number(Item("EnglishOption")->isChecked()) << QString::number(Item("MetricOption")->isChecked());
    return texts;
  }
  bool TitleViewShown() { return Find<QWidget>("LbTitle1")->isVisible() && !Grid()->isVisible(); }
};

// Saved metric, read back into an English window with another mix: every text comes back.
TEST_F(InputFileCommandsTest, SaveThenReadGivesBackEveryTextAndTheTitleView) {
  Item("MetricOption")->trigger();
  ChangeValue(3, 2, "4321");
  Type("TxtSc", "4400");
  const QStringList saved = Shown();
  const std::string path = FilePath("mix.inp");
  services.files.answers.push_back(path);
  Item("FileSave")->trigger();

  Press("cmddelall");
  Type("TxtE", "1");
  Item("EnglishOption")->trigger();
  services.messages.asked.clear();
  Read(path);
  EXPECT_EQ(Shown(), saved);
  EXPECT_TRUE(TitleViewShown());
  ASSERT_EQ(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().text, path + "  Loaded!");
  EXPECT_EQ(services.messages.Last().title, "ripades20");
  EXPECT_EQ(services.messages.Last().style, 0);
  EXPECT_FALSE(services.busy.busy);
  // Both dialogs are set up alike and offer the name chosen last.
  ASSERT_EQ(services.files.asked.size(), 2u);
  for (const AskedFileDialog& asked : services.files.asked) {
    EXPECT_EQ(asked.request.filter, "(*.inp)|*.inp");
    EXPECT_TRUE(asked.request.overwritePrompt);
    EXPECT_TRUE(asked.request.mustExist);
  }
  EXPECT_EQ(services.files.asked[0].request.initialName, "");
  EXPECT_EQ(services.files.asked[1].request.initialName, path);
}

// A file that is not an input file, one that cannot be read, and a cancelled dialog leave the user's
// metric design and the aircraft view as they were.
TEST_F(InputFileCommandsTest, AFailedOrCancelledReadChangesNothing) {
  const QByteArray head = "RIPADES-title\r\n****SI****\r\n\r\n27560000\r\n4478.5\r\n54.2\r\n\r\n";
  const struct {
    QByteArray text;  // nothing: the dialog is cancelled
    const char* message;
    const char* title;
  } cases[] = {
      {head + "***Aircraf\r\n 1 \r\n", "Incorrect Input File!", "ripades20"},
      {head + "***Aircraft\r\n 1 \r\n 14 \r\n778.305\r\n", "The input data file", "RIPADES"},
      {{}, nullptr, nullptr},
  };
  Item("MetricOption")->trigger();
  Item("mnuPvmtStru")->trigger();
  for (auto [box, text] : {std::pair{"TxtE", "27000000"}, {"TxtSc", "4400"}, {"Txtk", "60"}}) Type(box, text);
  Press("cmdDesign");
  Item("mnuAircraft")->trigger();
  const QStringList before = Shown();
  ASSERT_FALSE(LabelText("lbh").isEmpty());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message ? c.message : "cancelled");
    services.messages.asked.clear();
    if (c.message) {
      QFile file(QString::fromStdString(FilePath("case.inp")));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(c.text);
      file.close();
      Read(FilePath("case.inp"));
      ASSERT_EQ(services.messages.asked.size(), 1u);
      EXPECT_EQ(services.messages.Last().text.find(c.message), 0u) << services.messages.Last().text;
      EXPECT_EQ(services.messages.Last().title, c.title);
    } else {
      Item("FileLoad")->trigger();
      EXPECT_TRUE(services.messages.asked.empty());
    }
    EXPECT_EQ(Shown(), before);
    EXPECT_TRUE(Grid()->isVisible());
  }
}

TEST_F(InputFileCommandsTest, TheClosingPromptEndsOnlyWhenNothingIsLost) {
  const struct {
    const char* name;
    A answer;
    std::optional<std::string> savePath;  // nothing: the save dialog is cancelled
    bool closes;
  } cases[] = {
      {"No", A::kNo, {}, true},
      {"Cancel", A::kCancel, {}, false},
      {"Yes, save cancelled", A::kYes, {}, false},
      {"Yes, save failed", A::kYes, FilePath("no such folder/x.inp"), false},
      {"Yes, saved", A::kYes, FilePath("closing.inp"), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Open();
    BuildMix();
    DoubleClickCell(2, 2);  // the change-data dialog closes with the window
    QWidget* dialog = Find<QWidget>("frmChangedata");
    services.messages.asked.clear();
    services.files.asked.clear();
    services.messages.Answer({c.answer});
    if (c.answer == A::kYes) services.files.answers.push_back(c.savePath);
    Item("FileExit")->trigger();
    EXPECT_EQ(services.messages.asked.front().text, "Save Input Data before closi ng?");
    EXPECT_EQ(services.messages.asked.front().style, 35);
    EXPECT_EQ(services.messages.asked.front().title, "Save Dialog");
    EXPECT_EQ(services.files.asked.size(), c.answer == A::kYes ? 1u : 0u);
    EXPECT_EQ(window->isVisible(), !c.closes);
    EXPECT_EQ(dialog->isVisible(), !c.closes);
    if (c.savePath && !c.closes) {
      ASSERT_EQ(services.messages.asked.size(), 2u);
      EXPECT_NE(services.messages.Last().text.find("cannot be written"), std::string::npos);
    }
  }
  EXPECT_TRUE(QFile::exists(QString::fromStdString(FilePath("closing.inp"))));
}

}  // namespace
