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

  void WriteFile(const char* name, const QByteArray& text) {
    QFile file(QString::fromStdString(FilePath(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }

  void Save(const std::string& path) {
    services.files.answers.push_back(path);
    Item("FileSave")->trigger();
  }
  void Read(const std::string& path) {
    services.files.answers.push_back(path);
    Item("FileLoad")->trigger();
  }

  // Every text of the inputs, the grid and the unit items.
  QStringList Shown() {
    QStringList texts{BoxText("TxtE"), BoxText("TxtSc"), BoxText("Txtk")};
    for (int row = 0; row < Grid()->rowCount(); ++row)
      for (int c = 0; c < 9; ++c) texts << Cell(row, c);
    texts << QString::number(Item("EnglishOption")->isChecked()) << QString::number(Item("MetricOption")->isChecked());
    return texts;
  }

  bool TitleViewShown() { return Find<QWidget>("LbTitle1")->isVisible() && !Grid()->isVisible(); }
};

TEST_F(InputFileCommandsTest, SaveThenReadGivesBackEveryTextInEitherSystem) {
  for (const bool metric : {false, true}) {
    SCOPED_TRACE(metric ? "metric" : "English");
    if (metric) Item("MetricOption")->trigger();
    DoubleClickCell(3, 2);
    Find<QLineEdit>("Text1")->setText("4321");
    Find<QPushButton>("cmdOk")->click();
    Type("TxtSc", metric ? "4400" : "640 ");
    const QStringList saved = Shown();
    const std::string path = FilePath("mix.inp");
    Save(path);

    Press("cmddelall");
    Type("TxtE", "1");
    Item(metric ? "EnglishOption" : "MetricOption")->trigger();
    services.messages.asked.clear();
    Read(path);
    EXPECT_EQ(Shown(), saved);
    EXPECT_TRUE(TitleViewShown());
    ASSERT_EQ(services.messages.asked.size(), 1u);
    EXPECT_EQ(services.messages.Last().text, path + "  Loaded!");
    EXPECT_EQ(services.messages.Last().title, "ripades20");
    EXPECT_EQ(services.messages.Last().style, 0);
    EXPECT_FALSE(services.busy.busy);
    Item("mnuAircraft")->trigger();
  }
  // Both dialogs are set up alike and offer the name chosen last.
  ASSERT_EQ(services.files.asked.size(), 4u);
  for (const AskedFileDialog& asked : services.files.asked) {
    EXPECT_EQ(asked.request.filter, "(*.inp)|*.inp");
    EXPECT_TRUE(asked.request.overwritePrompt);
    EXPECT_TRUE(asked.request.mustExist);
  }
  EXPECT_EQ(services.files.asked[0].request.initialName, "");
  EXPECT_EQ(services.files.asked[3].request.initialName, FilePath("mix.inp"));
}

TEST_F(InputFileCommandsTest, AReadFileIsShownFromTheTitleViewAndAFailedReadChangesNothing) {
  const QByteArray head = "RIPADES-title\r\n****SI****\r\n\r\n27560000\r\n4478.5\r\n54.2\r\n\r\n";
  const QByteArray block = " 14 \r\n778.305\r\n1200\r\n46.64\r\n1405.56\r\n2\r\n86.36\r\n0\r\n29.718\r\n";
  struct Case {
    const char* name;
    QByteArray text;
    const char* message;  // the start of it, after the path for a file that was loaded
    const char* title;
    bool loaded;
  };
  const Case cases[] = {
      {"unknown marker: read in English",
       QByteArray(head).replace("****SI****", "****SI**** ") + "***Aircraft\r\n 1 \r\n" + block, "  Loaded!",
       "ripades20", true},
      {"wrong section", head + "***Aircraf\r\n 1 \r\n" + block, "Incorrect Input File!", "ripades20", false},
      {"truncated block", head + "***Aircraft\r\n 1 \r\n" + block.left(30), "The input data file", "RIPADES", false},
      {"row beyond the library", head + "***Aircraft\r\n 1 \r\n" + QByteArray(block).replace(" 14 ", " 52 "),
       "The input data file", "RIPADES", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // A metric design, then the aircraft view, as the user left them before the read.
    Item("MetricOption")->trigger();
    Item("mnuPvmtStru")->trigger();
    for (auto [box, text] : {std::pair{"TxtE", "27000000"}, {"TxtSc", "4400"}, {"Txtk", "60"}}) Type(box, text);
    Press("cmdDesign");
    Item("mnuAircraft")->trigger();
    const QStringList before = Shown() << LabelText("lbh") << LabelText("LbunitE") << LabelText("Lbunitk");
    ASSERT_FALSE(LabelText("lbh").isEmpty());
    WriteFile("case.inp", c.text);
    services.messages.asked.clear();
    Read(FilePath("case.inp"));
    ASSERT_EQ(services.messages.asked.size(), 1u);
    const std::string& message = services.messages.Last().text;
    EXPECT_EQ(message.find(c.loaded ? FilePath("case.inp") + c.message : c.message), 0u) << message;
    EXPECT_EQ(services.messages.Last().title, c.title);
    if (c.loaded) {
      EXPECT_EQ(QStringList({BoxText("TxtE"), BoxText("TxtSc"), BoxText("Txtk")}),
                QStringList({"27560000", "4478.5", "54.2"}));
      EXPECT_EQ(Grid()->rowCount(), 3);
      EXPECT_EQ(Cell(1, 1), "lb");
      EXPECT_EQ(LabelText("LbunitE"), "psi");
      EXPECT_TRUE(Item("EnglishOption")->isChecked());
      EXPECT_FALSE(Item("MetricOption")->isChecked());
      EXPECT_EQ(LabelText("lbh"), "");
      EXPECT_TRUE(TitleViewShown());
    } else {
      EXPECT_EQ(Shown() << LabelText("lbh") << LabelText("LbunitE") << LabelText("Lbunitk"), before);
      EXPECT_TRUE(Grid()->isVisible());
      if (c.title == std::string("RIPADES")) {
        EXPECT_NE(message.find("Nothing has been changed."), std::string::npos);
      }
    }
  }
}

TEST_F(InputFileCommandsTest, ACancelledOpenDialogChangesNothing) {
  Item("MetricOption")->trigger();
  Type("TxtE", "123");
  const QStringList before = Shown();
  services.messages.asked.clear();
  Item("FileLoad")->trigger();
  EXPECT_EQ(services.files.asked.size(), 1u);
  EXPECT_EQ(Shown(), before);
  EXPECT_TRUE(Grid()->isVisible());
  EXPECT_TRUE(services.messages.asked.empty());
}

TEST_F(InputFileCommandsTest, TheClosingPromptEndsOnlyWhenNothingIsLost) {
  struct Case {
    const char* name;
    A answer;
    std::optional<std::string> savePath;  // nothing: the save dialog is cancelled
    bool closes;
  };
  const Case cases[] = {
      {"No", A::kNo, {}, true},
      {"Cancel", A::kCancel, {}, false},
      {"Yes, save cancelled", A::kYes, {}, false},
      {"Yes, save failed", A::kYes, FilePath("no such folder/x.inp"), false},
      {"Yes, saved", A::kYes, FilePath("closing.inp"), true},
  };
  for (const Case& c : cases) {
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
