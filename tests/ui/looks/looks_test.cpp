// The windows' looks: each view of the main window, its dialogs and the analysis window, reached as a
// user reaches them, grabbed offscreen and compared with a golden PNG (RIPADES_UPDATE_GOLDEN=1 rewrites
// them). A control moved or resized, a label's alignment, palette or font, a chart's axis or colours
// changed, each moves far more pixels than the comparison's tolerance.
#include <QSplitter>
#include <QTabWidget>

#include "support/golden_image.h"
#include "ui/analysis/frm_analysis.h"
#include "ui/window_fixture.h"

namespace {

class LooksTest;
struct Look {
  const char* name;
  QWidget* (LooksTest::*reach)();
};

void PrintTo(const Look& look, std::ostream* out) { *out << look.name; }

class LooksTest : public WindowTest, public testing::WithParamInterface<Look> {
 public:
  QWidget* TitleView() { return window.get(); }
  QWidget* AircraftView() {
    BuildMix();
    return window.get();
  }
  QWidget* DesignView() {
    BuildMix();
    Item("mnuPvmtStru")->trigger();
    Press("cmdDesign");
    return window.get();
  }
  QWidget* ReportView() {
    DesignView();
    Press("cmdReport");
    return window.get();
  }
  QWidget* AboutBox() {
    Item("mnuAbout")->trigger();
    return Find<QWidget>("frmAbout");
  }
  QWidget* ChangeDataDialog() {
    BuildMix();
    DoubleClickCell(3, 2);
    return Find<QWidget>("frmChangedata");
  }
  // The analysis window at a size of the test's, below the offscreen screen's (which would clamp it).
  QWidget* Analysis() {
    auto* analysis = Find<QWidget>("frmAnalysis");
    analysis->resize(780, 640);
    return analysis;
  }
  QWidget* DamageCharts() {
    DesignView();
    Item("mnuDamageChart")->trigger();
    return Analysis();
  }
  // The divider between the charts dragged to the window's left edge: the curve keeps its least width.
  QWidget* DividerDraggedLeft() {
    QWidget* analysis = DamageCharts();
    QSplitterHandle* handle = static_cast<QSplitter*>(Find<QWidget>("chtDamage")->parentWidget())->handle(1);
    QTest::mousePress(handle, Qt::LeftButton);
    QTest::mouseMove(handle, QPoint(-handle->x(), 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(-handle->x(), 0));
    return analysis;
  }
  QWidget* SensitivityTable() {
    QWidget* analysis = DamageCharts();
    analysis->findChild<QTabWidget*>("tabViews")->setCurrentIndex(1);
    return analysis;
  }
  QWidget* EvaluatedThickness() {
    DesignView();
    services.messages.typed = {"16"};
    Item("mnuEvaluateThickness")->trigger();
    return Analysis();
  }

  // The picture once the events are handled and no control has the focus (a caret blinks).
  static QImage Picture(QWidget* shown) {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
    QApplication::processEvents();
    return shown->grab().toImage();
  }
};

TEST_P(LooksTest, TheWindowLooksAsItsGoldenPicture) {
  QWidget* shown = (this->*GetParam().reach)();
  ASSERT_NE(shown, nullptr);
  ASSERT_TRUE(shown->isVisible());
  // The renders repeat to the pixel: a small tolerance catches a colour or a grid line changed.
  ExpectLooksLikeGolden(std::string("tests/ui/looks/") + GetParam().name + ".png", Picture(shown));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, LooksTest,
    testing::Values(Look{"title_view", &LooksTest::TitleView}, Look{"aircraft_view", &LooksTest::AircraftView},
                    Look{"design_view", &LooksTest::DesignView}, Look{"report_view", &LooksTest::ReportView},
                    Look{"about_box", &LooksTest::AboutBox}, Look{"change_data_dialog", &LooksTest::ChangeDataDialog},
                    Look{"analysis_damage", &LooksTest::DamageCharts},
                    Look{"analysis_divider_dragged", &LooksTest::DividerDraggedLeft},
                    Look{"analysis_sensitivity", &LooksTest::SensitivityTable},
                    Look{"analysis_evaluated", &LooksTest::EvaluatedThickness}),
    [](const testing::TestParamInfo<Look>& info) { return std::string(info.param.name); });

}  // namespace
