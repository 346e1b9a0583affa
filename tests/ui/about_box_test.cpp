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

  // The page's lines, every paragraph aligned alike and the font as given.
  QStringList Page(Qt::Alignment alignment, int points, bool bold) {
    for (QTextBlock block = Text1()->document()->begin(); block.isValid(); block = block.next())
      EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, alignment) << block.text().toStdString();
    EXPECT_EQ(Text1()->font().pointSize(), points);
    EXPECT_EQ(Text1()->font().bold(), bold);
    return Text1()->toPlainText().split('\n');
  }
  void ExpectCreditsPage() {
    const QStringList lines = Page(Qt::AlignHCenter, 10, true);
    ASSERT_EQ(lines.size(), 15);
    QStringList shown = lines.mid(0, 4) + lines.mid(8, 6);
    shown[6].truncate(13);  // the authors' names follow
    shown[7].truncate(13);
    EXPECT_EQ(shown, (QStringList{"RIPADES 2.0", kProgramTitle, "", "Developed at the", "", "Written by",
                                  "Oringenal  : ", "Version 2  : ", "", "Under the Supervision of"}));
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

  PressInBox("cmdAddInfo");
  PressInBox("cmdAddInfo");
  ExpectCreditsPage();
  PressInBox("cmdAddInfo");
  const QStringList lines = Page(Qt::AlignLeft, 12, false);
  const qsizetype data = lines.indexOf(" and the aircraft data based on ZIRARI Program.");
  const qsizetype questions = lines.indexOf("Questions and comments regarding the program");
  ASSERT_GT(data, 0);
  ASSERT_GT(questions, data);
  EXPECT_EQ(lines[questions + 1], " should be directed to");
  for (qsizetype contact = questions + 2; contact < lines.size(); ++contact)
    EXPECT_EQ(lines[contact].indexOf(QRegularExpression("\\S")), 22) << lines[contact].toStdString();

  PressInBox("cmdOK");
  EXPECT_TRUE(QTest::qWaitFor([&] { return Box() == nullptr; }));
  Item("mnuAbout")->trigger();
  ExpectCreditsPage();
}

}  // namespace
