// Opening files from outside the window, the keyboard's ways through it, its tooltips and help.
#include <QDropEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTextBrowser>
#include <QToolTip>
#include <QUrl>

#include "ui/focus_frame_style.h"
#include "window_fixture.h"

namespace {

using A = MsgBoxAnswer;

class KeyboardAndHelpTest : public WindowTest {
 protected:
  void Activate() {
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
  }
  QWidget* Focused() { return window->focusWidget(); }
  // Drags `data` over the centre of `target`; true when the drag would be taken.
  bool DragOver(QWidget* target, const QMimeData& data) {
    QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    return enter.isAccepted();
  }
  QString TipAt(QWidget* widget, QPoint at) {
    QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &help);
    return QToolTip::text();
  }
};

// Taken: one local file whose suffix is "inp" in any case; over a text box a refused file must not be
// pasted as its path either.
TEST_F(KeyboardAndHelpTest, OneInputFileDroppedIsOpenedAndOtherDropsAreRefused) {
  const auto files = [](const QString& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths.split(' ', Qt::SkipEmptyParts)) urls << QUrl::fromUserInput(path);
    data->setUrls(urls);
    return data;
  };
  const std::pair<bool, QStringList> cases[] = {
      {true, {"/data/mix.inp", "/data/MIX.INP"}},
      {false, {"/data/a.inp /data/b.inp", "/data/mix.txt", "", "http://example.org/mix.inp"}}};
  Item("mnuPvmtStru")->trigger();
  for (const auto& [taken, dragged] : cases)
    for (const QString& paths : dragged) {
      EXPECT_EQ(DragOver(window.get(), *files(paths)), taken) << paths.toStdString();
      EXPECT_EQ(DragOver(Find<QLineEdit>("TxtE"), *files(paths)), taken) << paths.toStdString();
    }
  QMimeData text;
  text.setText("4500000");
  EXPECT_FALSE(DragOver(window.get(), text));
  EXPECT_TRUE(DragOver(Find<QLineEdit>("TxtE"), text)) << "a text box takes dragged text as before";

  const std::string example = RIPADES_SOURCE_DIR "/examples/metric_regional.inp";
  const auto data = files(QString::fromStdString(example));
  QWidget* box = Find<QLineEdit>("Txtk");
  ASSERT_TRUE(DragOver(box, *data));
  QDropEvent drop(QPointF(box->rect().center()), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(box, &drop);
  QTRY_COMPARE(services.messages.asked.size(), 1u);
  EXPECT_EQ(services.messages.Last().text, example + "  Loaded!");
  EXPECT_TRUE(Item("MetricOption")->isChecked());
}

TEST_F(KeyboardAndHelpTest, AccessKeysTabAndArrowsWalkTheAircraftView) {
  Activate();
  Item("mnuAircraft")->trigger();
  List()->setCurrentRow(0);
  List()->setFocus();
  // "&Add" shares its key with the disabled "&Aircraft Data"; the shown button wins.
  QTest::keyClick(List(), Qt::Key_A, Qt::AltModifier);
  QTRY_COMPARE(MixNames(), QStringList{List()->item(0)->text()});
  // "Remove A&LL" shares its key with the hidden "&Link".
  QTest::keyClick(List(), Qt::Key_L, Qt::AltModifier);
  QTRY_VERIFY(MixNames().isEmpty());

  BuildMix();
  Grid()->setFocus();
  Grid()->setCurrentCell(2, 0);
  QTest::keyClick(Grid(), Qt::Key_Down);
  EXPECT_EQ(Grid()->currentRow(), 3);
  QTest::keyClick(Grid(), Qt::Key_Tab);
  EXPECT_EQ(Focused(), Find<QPushButton>("cmdAdd"));
  QTest::keyClick(Focused(), Qt::Key_Tab);
  EXPECT_EQ(Focused(), Find<QPushButton>("cmdDel"));
}

TEST_F(KeyboardAndHelpTest, TheDesignViewOpensInETabWalksTheInputsAndEnterDesigns) {
  BuildMix();
  Activate();
  Item("mnuPvmtStru")->trigger();
  EXPECT_EQ(Focused(), Find<QLineEdit>("TxtE"));
  for (const char* next : {"TxtSc", "Txtk", "cmdDesign", "cmdReport"}) {
    QTest::keyClick(Focused(), Qt::Key_Tab);
    EXPECT_EQ(Focused()->objectName(), next);
  }
  for (const char* box : {"TxtE", "TxtSc", "Txtk"}) {
    SCOPED_TRACE(box);
    Item("mnuAircraft")->trigger();
    Item("mnuPvmtStru")->trigger();
    ASSERT_EQ(LabelText("lbh"), "");
    QTest::keyClick(Find<QLineEdit>(box), Qt::Key_Return);
    EXPECT_EQ(LabelText("lbh"), "16.0");  // the design of the B737-800 and B777-300ER mix
  }
  EXPECT_TRUE(services.messages.asked.empty());
}

// The frame's left line, two pixels from x 3, halfway down, is in the text colour only when focused.
TEST(FocusFrameStyleTest, TheFocusedButtonIsFramedInTheTextColour) {
  FocusFrameStyle style;
  QPushButton button("Design Thickness");
  button.setStyle(&style);
  button.resize(120, 30);
  QStyleOptionButton option;
  option.initFrom(&button);
  for (const bool focused : {true, false}) {
    option.state.setFlag(QStyle::State_HasFocus, focused);
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    style.drawControl(QStyle::CE_PushButton, &option, &painter, &button);
    for (const int x : {3, 4})
      EXPECT_EQ(image.pixelColor(x, 15) == option.palette.color(QPalette::ButtonText), focused) << x;
  }
}

TEST_F(KeyboardAndHelpTest, StandardKeysReachTheirCommandsAndF1OpensTheHelpWithLinkedSections) {
  BuildMix();
  Activate();
  QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
  ASSERT_EQ(services.files.asked.size(), 1u);
  EXPECT_FALSE(services.files.asked.back().save);
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(services.files.asked.size(), 2u);
  EXPECT_TRUE(services.files.asked.back().save);
  QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);  // no design yet: Print Report asks for one
  EXPECT_EQ(services.messages.Last().text, "Plesae click \"Design Thickness\" button, First !  ");
  services.messages.Answer({A::kCancel});
  QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_EQ(services.messages.Last().title, "Save Dialog");
  EXPECT_TRUE(window->isVisible());

  QTest::keyClick(window.get(), Qt::Key_F1);
  QTextBrowser* help = nullptr;
  QTRY_VERIFY((help = window->findChild<QTextBrowser*>("txtHelp")) && help->isVisible());
  const QString text = help->toPlainText();
  for (const char* section : {"What RIPADES designs", "The inputs", "The method, step by step", "Reading the report",
                              "Reading the charts", "Assumptions and limits", "Typical ranges"})
    EXPECT_TRUE(text.contains(section)) << section;
  EXPECT_EQ(Item("mnuHelpTopics")->text(), "&Help Topics");
  // Every link inside the help leads to a section that is there.
  const QString html = help->document()->toHtml();
  QStringList anchors;
  for (const auto& m : QRegularExpression(R"re(name="([^"]+)")re").globalMatch(html)) anchors << m.captured(1);
  int links = 0;
  for (const auto& m : QRegularExpression(R"re(href="#([^"]+)")re").globalMatch(html)) {
    ++links;
    EXPECT_TRUE(anchors.contains(m.captured(1))) << m.captured(1).toStdString();
  }
  EXPECT_GE(links, 8);
}

// E, Sc, k, the thickness and the grid's weight column, English then metric.
TEST_F(KeyboardAndHelpTest, TooltipsNameTheTypicalRangeInTheUnitInForce) {
  const QStringList cases[] = {
      {"500000 to 8000000 psi", "500 to 1000 psi", "50 to 700 pci", "0 to 30 in",
       "Gross weight of the aircraft, in lb."},
      {"3445000 to 55120000 kPa", "3445 to 6890 kPa", "13.55 to 189.7 kPa/mm", "0 to 76.2 cm",
       "Gross weight of the aircraft, in kN."},
  };
  Item("mnuAircraft")->trigger();
  for (const QStringList& expected : cases) {
    if (&expected != cases) Item("MetricOption")->trigger();
    const QStringList tips = {Find<QLineEdit>("TxtE")->toolTip(), Find<QLineEdit>("TxtSc")->toolTip(),
                              Find<QLineEdit>("Txtk")->toolTip(), Find<QLabel>("lbh")->toolTip(),
                              TipAt(Grid()->viewport(), CellCentre(0, 1))};
    for (int i = 0; i < tips.size(); ++i) EXPECT_TRUE(tips[i].contains(expected[i])) << tips[i].toStdString();
  }
}

}  // namespace
