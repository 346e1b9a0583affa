// The about box: its credits page, the "More Info" toggle, "OK", and a fresh box on reopening.
#include <QTextBlock>
#include <QTextEdit>

#include "state/program_title.h"
#include "window_fixture.h"

namespace {

class AboutBoxTest : public WindowTest {
 protected:
  QWidget* Box() { return window->findChild<QWidget*>("frmAbout"); }
  QTextEdit* Text1() { return Box()->findChild<QTextEdit*>("Text1"); }
  void PressInBox(const char* button) { Box()->findChild<QPushButton*>(button)->click(); }
  QStringList Lines() { return Text1()->toPlainText().split('\n'); }

  // Every paragraph aligned alike, the font as given.
  void ExpectLook(Qt::Alignment alignment, int points, bool bold) {
    for (QTextBlock block = Text1()->document()->begin(); block.isValid(); block = block.next())
      EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, alignment) << block.text().toStdString();
    EXPECT_EQ(Text1()->font().pointSize(), points);
    EXPECT_EQ(Text1()->font().bold(), bold);
  }

  void ExpectCreditsPage() {
    const QStringList lines = Lines();
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], "RIPADES 2.0");
    EXPECT_EQ(lines[1], kProgramTitle);
    EXPECT_EQ(lines[3], "Developed at the");
    EXPECT_EQ(lines[9], "Written by");
    EXPECT_TRUE(lines[10].startsWith("Oringenal  : "));
    EXPECT_TRUE(lines[11].startsWith("Version 2  : "));
    EXPECT_EQ(lines[13], "Under the Supervision of");
    for (int empty : {2, 8, 12}) EXPECT_EQ(lines[empty], "");
    ExpectLook(Qt::AlignHCenter, 10, true);
  }
};

TEST_F(AboutBoxTest, MoreInfoTogglesThePagesAndAReopenedBoxShowsTheCredits) {
  Item("mnuAbout")->trigger();
  ASSERT_NE(Box(), nullptr);
  EXPECT_TRUE(Box()->isVisible());
  EXPECT_FALSE(Box()->isModal());
  EXPECT_EQ(Box()->windowTitle(), "About RIPADES Program");
  EXPECT_FALSE(Box()->findChild<QLabel*>("Picture1")->pixmap().isNull());
  ExpectCreditsPage();

  for (int press = 1; press <= 3; ++press) PressInBox("cmdAddInfo");
  const QStringList lines = Lines();
  ASSERT_TRUE(lines.contains(" and the aircraft data based on ZIRARI Program."));
  const qsizetype questions = lines.indexOf("Questions and comments regarding the program");
  ASSERT_GT(questions, lines.indexOf(" and the aircraft data based on ZIRARI Program."));
  EXPECT_EQ(lines[questions + 1], " should be directed to");
  for (qsizetype contact = questions + 2; contact < lines.size(); ++contact)
    EXPECT_EQ(lines[contact].indexOf(QRegularExpression("\\S")), 22) << lines[contact].toStdString();
  ExpectLook(Qt::AlignLeft, 12, false);

  PressInBox("cmdOK");
  EXPECT_TRUE(QTest::qWaitFor([&] { return Box() == nullptr; }));
  Item("mnuAbout")->trigger();
  ExpectCreditsPage();
}

}  // namespace
